#pragma once
// File and font dialogs, behind an interface that tests replace.
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace tolvane {

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  // filter in Qt's form ("Name (*.a *.b);;All Files (*)"); empty for none.
  virtual std::optional<QString> OpenFile(QWidget* owner, const QString& dir, const QString& filter,
                                          const QString& defaultSuffix) = 0;
  // Never asks before replacing an existing file.
  virtual std::optional<QString> SaveFile(QWidget* owner, const QString& fileName,
                                          const QString& dir, const QString& filter,
                                          const QString& defaultSuffix) = 0;
  virtual std::optional<QFont> ChooseFont(QWidget* owner, const QFont& initial) = 0;
};

// Installs the dialogs; nullptr restores the Qt ones.
void SetDialogs(IDialogs* dialogs);
IDialogs& Dialogs();

// "Name|patterns|Name|patterns" (patterns separated by ";") in Qt's form.
QString QtFilter(const QString& windowsFilter);

}  // namespace tolvane
