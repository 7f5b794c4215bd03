#include "connect/Ufrmconnectlist.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>

#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "connect/Ufrmconnectsetting.h"
#include "settings/Fbrenmoini.h"

namespace tolvane {

std::function<int(TfrmConnectSetting&)> TfrmConnectList::RunSettingDialog =
    [](TfrmConnectSetting& d) { return d.exec(); };

TfrmConnectList::TfrmConnectList(QWidget* owner, cBrenmoSessions& sessions)
    : QDialog(owner), sessions_(sessions) {
  setObjectName(QStringLiteral("frmConnectList"));
  setWindowTitle(Q("接続リスト"));
  VSFlexGrid1 = new GridView(this);
  VSFlexGrid1->setObjectName(QStringLiteral("VSFlexGrid1"));
  VSFlexGrid1->Model()->SetEditable(false);
  VSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  VSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  VSFlexGrid1->installEventFilter(this);

  struct Def {
    const char* name;
    const char* caption;
    const char* hint;
    const char* category;
  };
  const Def defs[] = {{"acEditAdd", "追加(&A)", "追加", "編集"},
                      {"acEditUpdate", "編集(&E)", "編集", "編集"},
                      {"acEditDelete", "削除(&D)", "削除", "編集"},
                      {"acConnectConnect", "接続(&C)", "接続", "接続"},
                      {"acConnectDisconnect", "切断(&I)", "切断", "接続"}};
  for (const auto& d : defs) {
    auto* a = new QAction(Q(d.caption), this);
    a->setObjectName(QString::fromLatin1(d.name));
    a->setStatusTip(Q(d.hint));
    a->setProperty("category", Q(d.category));
    actions_[d.name] = a;
  }
  connect(actions_["acEditAdd"], &QAction::triggered, this, [this] { acEditAddExecute(); });
  connect(actions_["acEditUpdate"], &QAction::triggered, this, [this] { acEditUpdateExecute(); });
  connect(actions_["acEditDelete"], &QAction::triggered, this, [this] { acEditDeleteExecute(); });
  connect(actions_["acConnectConnect"], &QAction::triggered, this, [this] { acConnectConnectExecute(); });
  connect(actions_["acConnectDisconnect"], &QAction::triggered, this,
          [this] { acConnectDisconnectExecute(); });

  auto button = [this](const QString& text, const char* action) {
    auto* b = new QPushButton(text, this);
    QAction* a = actions_[action];
    connect(b, &QPushButton::clicked, a, &QAction::trigger);
    connect(a, &QAction::changed, b, [a, b] { b->setEnabled(a->isEnabled()); });
    return b;
  };
  btnEditAdd = button(Q("追加(&A)..."), "acEditAdd");
  btnEditUpdate = button(Q("編集(&E)..."), "acEditUpdate");
  btnEditDelete = button(Q("削除(&D)"), "acEditDelete");
  btnConnectConnect = button(Q("接続(&C)"), "acConnectConnect");
  btnConnectDisconnect = button(Q("切断(&I)"), "acConnectDisconnect");
  btnOk = new QPushButton(Q("選択(&S)"), this);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout();
  for (QPushButton* b : {btnEditAdd, btnEditUpdate, btnEditDelete, btnConnectConnect, btnConnectDisconnect})
    buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(btnOk);
  auto* main = new QVBoxLayout(this);
  main->addWidget(VSFlexGrid1);
  main->addLayout(buttons);
  resize(640, 320);

  VSFlexGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(VSFlexGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
    QMenu m(this);
    m.setObjectName(QStringLiteral("pupConnectList"));
    m.addAction(actions_["acConnectConnect"]);
    m.addAction(actions_["acConnectDisconnect"]);
    m.addSeparator();
    m.addAction(Q("追加(&A)..."), actions_["acEditAdd"], &QAction::trigger);
    m.addAction(Q("編集(&E)..."), actions_["acEditUpdate"], &QAction::trigger)
        ->setEnabled(actions_["acEditUpdate"]->isEnabled());
    m.addAction(actions_["acEditDelete"]);
    m.exec(VSFlexGrid1->viewport()->mapToGlobal(p));
  });
  connect(VSFlexGrid1, &QAbstractItemView::doubleClicked, this, [this] { acEditUpdateExecute(); });

  LayoutGrid();
  FillGrid();
  EnableActions();
}

QAction* TfrmConnectList::Action(const char* name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void TfrmConnectList::LayoutGrid() {
  GridStore& g = VSFlexGrid1->Store();
  g.SetCols(8);
  g.SetRows(1);
  g.SetColHidden(0, true);
  const char* headers[] = {"ｾｯｼｮﾝID", "接続", "接続名", "ﾃﾞｰﾀｿｰｽ", "ﾃﾞｰﾀｿｰｽﾀｲﾌﾟ", "ﾕｰｻﾞ名", "ﾊﾟｽﾜｰﾄﾞ"};
  for (int c = 1; c <= 7; ++c) SetCellText(g, 0, c, J(headers[c - 1]));
  g.Select(0, 0, 0, g.Cols() - 1);
  g.SetFillStyle(1);
  g.SetCellAlignment(kAlignCenterCenter);
}

void TfrmConnectList::FillGrid() {
  if (sessions_.GetCount() == 0) {
    VSFlexGrid1->Store().SetRow(0);
    return;
  }
  GridStore& g = VSFlexGrid1->Store();
  g.Clear(1, 1);
  g.SetRows(sessions_.GetCount() + 1);
  g.Select(1, 1, g.Rows() - 1, g.Cols() - 1);
  std::string text = sessions_.GetListText();
  // The list text ends every line with CR LF; the grid's rows are CR-separated.
  std::string clip;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      if (i + 2 < text.size()) clip += '\r';
      ++i;
    } else {
      clip += text[i];
    }
  }
  g.SetClip(clip);
  g.AutoSize(1, g.Cols() - 1, [this](std::string_view t) { return VSFlexGrid1->MeasureTwips(t); });
  g.Select(1, 1, 1, 1);
}

void TfrmConnectList::EnableActions() {
  const bool any = sessions_.GetCount() > 0;
  actions_["acEditAdd"]->setEnabled(true);
  for (const char* n : {"acEditDelete", "acEditUpdate", "acConnectConnect", "acConnectDisconnect"})
    actions_[n]->setEnabled(any);
}

void TfrmConnectList::Refresh() {
  LayoutGrid();
  FillGrid();
  EnableActions();
}

int TfrmConnectList::CurrentNumber() {
  GridStore& g = VSFlexGrid1->Store();
  int no = -1;
  if (!ParseDecimal(GetCellText(g, g.Row(), 1), no)) return -1;
  return no;
}

void TfrmConnectList::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

void TfrmConnectList::FormShow() {
  GridStore& g = VSFlexGrid1->Store();
  const int active = sessions_.GetActiveNo();
  for (int r = 1; r < g.Rows(); ++r) {
    int no = -1;
    if (ParseDecimal(GetCellText(g, r, 1), no) && no == active) {
      g.SetTopRow(r);
      break;
    }
  }
}

void TfrmConnectList::acConnectConnectExecute() {
  const int no = CurrentNumber();
  if (sessions_.IsConnected(no)) {
    MsgWarning(J("既に接続済みです。"));
    return;
  }
  if (sessions_.Connect(no)) SetCellText(VSFlexGrid1->Store(), VSFlexGrid1->Store().Row(), 2, J("接続中"));
}

void TfrmConnectList::acConnectDisconnectExecute() {
  const int no = CurrentNumber();
  if (sessions_.IsConnected(no)) {
    if (sessions_.Disconnect(no)) SetCellText(VSFlexGrid1->Store(), VSFlexGrid1->Store().Row(), 2, "");
  } else {
    MsgWarning(J("既に切断済みです。"));
  }
}

void TfrmConnectList::acEditAddExecute() {
  TfrmConnectSetting dialog(this, sessions_);
  if (RunSettingDialog(dialog) == QDialog::Accepted) {
    Refresh();
    GridStore& g = VSFlexGrid1->Store();
    g.Select(g.Rows() - 1, 1, g.Rows() - 1, 1);
    g.ShowCell(g.Rows() - 1, 1);
  }
}

void TfrmConnectList::acEditUpdateExecute() {
  GridStore& g = VSFlexGrid1->Store();
  const int row = g.Row();
  const int no = CurrentNumber();
  TfrmConnectSetting dialog(this, no, sessions_);
  if (RunSettingDialog(dialog) == QDialog::Accepted) {
    Refresh();
    if (row < g.Rows()) {
      g.Select(row, 1, row, 1);
      g.ShowCell(row, 1);
    }
  }
}

void TfrmConnectList::acEditDeleteExecute() {
  const int no = CurrentNumber();
  const std::string text =
      "ID=" + std::to_string(no) + J("のセッションを削除します。よろしいですか？");
  if (MsgYesNo(text, J("削除"), MsgIcon::Information) != kIdYes) return;
  sessions_.Remove(no);
  DeleteConnect(std::to_string(no));
  Refresh();
}

void TfrmConnectList::FormClose() {
  if (sessions_.GetCount() > 0) sessions_.SetActive(CurrentNumber());
}

void TfrmConnectList::done(int r) {
  FormClose();
  QDialog::done(r);
}

bool TfrmConnectList::eventFilter(QObject* o, QEvent* e) {
  if (o == VSFlexGrid1 && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      acEditUpdateExecute();
      return true;
    }
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace tolvane
