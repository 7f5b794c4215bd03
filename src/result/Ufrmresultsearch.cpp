#include "result/Ufrmresultsearch.h"

#include <QVBoxLayout>

#include "app/QtText.h"
#include "result/Ufrmresult.h"

namespace tolvane {

TfrmResultSearch::TfrmResultSearch(QWidget* owner, std::vector<TfrmResult*> windows)
    : QDialog(owner), windows_(std::move(windows)) {
  setObjectName(QStringLiteral("frmResultSearch"));
  setWindowTitle(Q("結果画面検索"));
  setFixedSize(394, 260);
  vfgResult = new GridView(this);
  vfgResult->setObjectName(QStringLiteral("vfgResult"));
  vfgResult->Model()->SetEditable(false);
  vfgResult->setSelectionBehavior(QAbstractItemView::SelectRows);
  vfgResult->setSelectionMode(QAbstractItemView::SingleSelection);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(vfgResult);

  GridStore& g = vfgResult->Store();
  g.SetRows(1);
  g.SetCols(3);
  SetCellText(g, 0, 1, J("処理日時"));
  SetCellText(g, 0, 2, J("メモ"));
  g.SetColAlignment(0, kAlignCenterCenter);
  g.Select(0, 0, 0, 2);
  g.SetFillStyle(1);
  g.SetCellAlignment(kAlignCenterCenter);
  g.SetColWidth(0, 600);
  g.SetColWidth(1, 1800);
  g.SetColWidth(2, 3440);
  if (!windows_.empty()) {
    g.SetRows(static_cast<int>(windows_.size()) + 1);
    int k = 1;
    for (TfrmResult* w : windows_) {
      SetCellText(g, k, 0, std::to_string(k));
      SetCellText(g, k, 1, w->DateTimeText());
      SetCellText(g, k, 2, w->GetMemoText());
      ++k;
    }
  }
  connect(vfgResult, &QAbstractItemView::doubleClicked, this, [this] { vfgResultDblClick(); });
}

void TfrmResultSearch::vfgResultDblClick() {
  GridStore& g = vfgResult->Store();
  const std::string when = GetCellText(g, g.Row(), 1);
  for (TfrmResult* w : windows_) {
    if (w->DateTimeText() == when && g.Row() >= 1) {
      if (w->isMinimized()) w->showNormal();
      w->raise();
      w->activateWindow();
      accept();
      return;
    }
  }
}

}  // namespace tolvane
