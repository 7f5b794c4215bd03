#include "app/Dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>

namespace tolvane {
namespace {

class QtDialogs : public IDialogs {
 public:
  std::optional<QString> OpenFile(QWidget* owner, const QString& dir, const QString& filter,
                                  const QString& defaultSuffix) override {
    QFileDialog d(owner, QString(), dir, filter);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    if (!defaultSuffix.isEmpty()) d.setDefaultSuffix(defaultSuffix);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().first();
  }
  std::optional<QString> SaveFile(QWidget* owner, const QString& fileName, const QString& dir,
                                  const QString& filter, const QString& defaultSuffix) override {
    QFileDialog d(owner, QString(), dir, filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!defaultSuffix.isEmpty()) d.setDefaultSuffix(defaultSuffix);
    if (!fileName.isEmpty()) d.selectFile(fileName);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return d.selectedFiles().first();
  }
  std::optional<QFont> ChooseFont(QWidget* owner, const QFont& initial) override {
    bool ok = false;
    QFont f = QFontDialog::getFont(&ok, initial, owner);
    if (!ok) return std::nullopt;
    return f;
  }
};

QtDialogs qtDialogs;
IDialogs* current = &qtDialogs;

}  // namespace

void SetDialogs(IDialogs* dialogs) { current = dialogs ? dialogs : &qtDialogs; }
IDialogs& Dialogs() { return *current; }

QString QtFilter(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) continue;
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QStringList expanded;
    for (QString p : patterns) {
      if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
      expanded << p;
      // File names are case-sensitive here: "*.MDB" should find "a.mdb" too.
      if (p.toLower() != p) expanded << p.toLower();
    }
    patterns = expanded;
    out << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
  }
  return out.join(QStringLiteral(";;"));
}

}  // namespace tolvane
