#pragma once
// The list of open result windows (number, date and time, memo); a double
// click brings that window to the front and closes the list.
#include <QDialog>
#include <vector>

#include "result/GridView.h"

namespace tolvane {

class TfrmResult;

class TfrmResultSearch : public QDialog {
  Q_OBJECT
 public:
  TfrmResultSearch(QWidget* owner, std::vector<TfrmResult*> windows);
  GridView* vfgResult;
  void vfgResultDblClick();

 private:
  std::vector<TfrmResult*> windows_;
};

}  // namespace tolvane
