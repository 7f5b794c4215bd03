#pragma once
#include <QDialog>

namespace tolvane {

// The version information box: name, version and the libraries in use.
class TfrmAbout : public QDialog {
 public:
  explicit TfrmAbout(QWidget* owner);
  QString InfoText() const { return info_; }

 private:
  QString info_;
};

}  // namespace tolvane
