// Editor files, find and replace, and the tab key.
#include <QDropEvent>
#include <random>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include "app/PaneText.h"
#include "gui/GuiFixture.h"
#include "sqltext/cText.h"

#include <sys/stat.h>

using namespace tolvane;
using test::S;

namespace {

class Files : public test::Editor {
 protected:
  std::unique_ptr<TfrmEditor> Window() {
    EmptyHistory();
    auto w = std::make_unique<TfrmEditor>();
    w->show();
    return w;
  }
  test::ScriptedDialogs dialogs;
};

TEST_F(Files, OpenAnEucFileAndSaveItBackByteIdentical) {
  const std::string euc = cText::SjisToEuc(S("SELECT '日本語'\r\n  FROM ｶﾀｶﾅ;\r\n"));
  test::WriteFile(home.File("e.sql"), euc);
  auto w = Window();
  dialogs.files = {ToQ(home.File("e.sql"))};
  w->Action("acFileOpen")->trigger();
  EXPECT_EQ(w->StatusText(1), Q("EUC"));
  EXPECT_EQ(w->StatusText(0), ToQ(home.File("e.sql")));
  EXPECT_EQ(w->Editor()->toPlainText(), Q("SELECT '日本語'\n  FROM ｶﾀｶﾅ;\n"));
  EXPECT_EQ(w->Editor()->textCursor().position(), 0);
  w->Action("acFileSave")->trigger();
  EXPECT_EQ(test::Hex(test::ReadFile(home.File("e.sql"))), test::Hex(euc));
}

TEST_F(Files, SavingANewTextAsksForANameAndUsesSaveType) {
  SetSaveType(2);
  auto w = Window();
  w->Editor()->setPlainText(Q("SELECT 'あ'"));
  dialogs.files = {ToQ(home.File("new.sql"))};
  w->Action("acFileSave")->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].fileName, Q("Untitled"));
  EXPECT_EQ(dialogs.asked[0].dir, QString());
  EXPECT_EQ(test::ReadFile(home.File("new.sql")), cText::SjisToEuc(S("SELECT 'あ'")));
  EXPECT_EQ(w->StatusText(0), ToQ(home.File("new.sql")));
  EXPECT_EQ(w->StatusText(1), Q("SHIFT-JIS")) << "panel 1 is not refreshed by saving";
  // A loaded Shift-JIS file keeps its code through Save as.
  test::WriteFile(home.File("s.sql"), S("SELECT 'い'"));
  dialogs.files = {ToQ(home.File("s.sql")), ToQ(home.File("copy.sql"))};
  w->Action("acFileOpen")->trigger();
  w->Action("acFileSaveAs")->trigger();
  EXPECT_EQ(dialogs.asked.back().dir, ToQ(home.path() + "/"));
  EXPECT_EQ(test::ReadFile(home.File("copy.sql")), S("SELECT 'い'"));
}

TEST_F(Files, SaveBothWritesTheTwoSuffixedFilesOnly) {
  SetSaveBoth(true);
  auto w = Window();
  w->Editor()->setPlainText(Q("SELECT 'う'"));
  dialogs.files = {ToQ(home.File("q.sql"))};
  w->Action("acFileSaveAs")->trigger();
  EXPECT_EQ(test::ReadFile(home.File("q_SJIS.sql")), S("SELECT 'う'"));
  EXPECT_EQ(test::ReadFile(home.File("q_EUC.sql")), cText::SjisToEuc(S("SELECT 'う'")));
  struct stat st {};
  EXPECT_NE(::stat(home.File("q.sql").c_str(), &st), 0);
  w->Action("acFileSave")->trigger();
  EXPECT_EQ(test::ReadFile(home.File("q.sql")), S("SELECT 'う'"));
}

TEST_F(Files, ATextShiftJisCannotHoldIsNotSaved) {
  auto w = Window();
  w->Editor()->setPlainText(QString::fromUtf8("SELECT '😀'"));
  dialogs.files = {ToQ(home.File("emoji.sql"))};
  w->Action("acFileSaveAs")->trigger();
  struct stat st {};
  EXPECT_NE(::stat(home.File("emoji.sql").c_str(), &st), 0);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_NE(prompts.shown[0].text.find("U+1F600"), std::string::npos) << Cp932ToUtf8(prompts.shown[0].text);
}

TEST_F(Files, UnreadableFileStillNamesTheFile) {
  auto w = Window();
  dialogs.files = {ToQ(home.File("missing.sql"))};
  w->Action("acFileOpen")->trigger();
  EXPECT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(w->StatusText(0), ToQ(home.File("missing.sql")));
  EXPECT_EQ(w->StatusText(1), Q("SHIFT-JIS"));
  EXPECT_TRUE(w->Editor()->toPlainText().isEmpty());
}

TEST_F(Files, DroppingSeveralFilesLoadsTheFirst) {
  test::WriteFile(home.File("one.sql"), "SELECT 1");
  test::WriteFile(home.File("two.sql"), "SELECT 2");
  auto w = Window();
  w->DropFiles({QUrl::fromLocalFile(ToQ(home.File("one.sql"))), QUrl::fromLocalFile(ToQ(home.File("two.sql")))});
  EXPECT_EQ(w->Editor()->toPlainText(), Q("SELECT 1"));
  EXPECT_EQ(w->StatusText(0), ToQ(home.File("one.sql")));
}

class Find : public Files {
 protected:
  void SetUp() override {
    Files::SetUp();
    w = Window();
    w->Editor()->setFocus();
  }
  void Text(const QString& t, int caret) {
    w->Editor()->setPlainText(t);
    QTextCursor c = w->Editor()->textCursor();
    c.setPosition(caret);
    w->Editor()->setTextCursor(c);
    w->Editor()->setFocus();
  }
  int SelStart() { return w->Editor()->textCursor().selectionStart(); }
  int SelLen() { return w->Editor()->textCursor().selectionEnd() - SelStart(); }
  bool Finished() {
    bool f = !prompts.shown.empty() && prompts.shown.back().text == S("検索が終了しました。");
    prompts.shown.clear();
    return f;
  }
  std::unique_ptr<TfrmEditor> w;
};

TEST_F(Find, FindPrevious) {
  struct {
    QString text, what;
    int caret;
    int expected;  // -1: the search finished
  } cases[] = {{Q("abcabc"), Q("abc"), 6, 3}, {Q("abcabc"), Q("abc"), 3, 0},
               {Q("abcabc"), Q("abc"), 0, -1}, {Q("aaaa"), Q("aa"), 4, 2}};
  for (const auto& c : cases) {
    Text(c.text, c.caret);
    w->SetFindText(c.what, 0);
    w->Action("acFindPrevFind")->trigger();
    if (c.expected < 0) {
      EXPECT_TRUE(Finished()) << c.caret;
    } else {
      EXPECT_FALSE(Finished());
      EXPECT_EQ(SelStart(), c.expected) << c.text.toStdString() << " " << c.caret;
      EXPECT_EQ(SelLen(), c.what.size());
    }
  }
}

TEST_F(Find, FindNextCountsLineBreaksAsTwoAndHonoursOptions) {
  Text(Q("abc abcd\nABC"), 0);
  w->SetFindText(Q("abc"), kFindWholeWord);
  w->Action("acFindNextFind")->trigger();
  EXPECT_EQ(SelStart(), 0);
  w->Action("acFindNextFind")->trigger();
  EXPECT_EQ(SelStart(), 9) << "abcd is no whole word; ABC matches without match case";
  w->Action("acFindNextFind")->trigger();
  EXPECT_TRUE(Finished());
  Text(Q("abc ABC"), 0);
  w->SetFindText(Q("ABC"), kFindMatchCase);
  w->Action("acFindNextFind")->trigger();
  EXPECT_EQ(SelStart(), 4);
  // Neither pane focused: nothing happens.
  w->SessionSelector()->setFocus();
  Text(Q("abc"), 0);
  w->SessionSelector()->setFocus();
  w->Action("acFindNextFind")->trigger();
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(Find, FindDialogSearchesInItsDirection) {
  Text(Q("x1 x2 x3"), 8);
  w->Action("acFindFind")->trigger();
  TfrmFind* d = w->FindDialog();
  ASSERT_NE(d, nullptr);
  d->edtFind->setText(Q("x"));
  d->rbUp->setChecked(true);
  d->btnFindNext->click();
  EXPECT_EQ(SelStart(), 6);
  EXPECT_EQ(w->FindText(), Q("x"));
}

TEST_F(Find, ReplaceAllStartsAtTheTopAndNeverSearchesInsertedText) {
  Text(Q("aaa"), 3);
  w->Action("acFindReplace")->trigger();
  TfrmReplace* d = w->ReplaceDialog();
  d->edtFind->setText(Q("a"));
  d->edtReplace->setText(Q("aa"));
  d->btnReplaceAll->click();
  EXPECT_EQ(w->Editor()->toPlainText(), Q("aaaaaa"));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, S("置換完了"));
  EXPECT_EQ(prompts.shown[0].buttons, kButtonsOkCancel);
}

TEST_F(Find, ReplaceOneByOne) {
  Text(Q("a1\na2\na3\na4"), 0);
  w->Action("acFindReplace")->trigger();
  TfrmReplace* d = w->ReplaceDialog();
  d->edtFind->setText(Q("a"));
  d->edtReplace->setText(Q("b"));
  prompts.answers = {kIdYes, kIdNo, kIdCancel};
  d->btnReplace->click();
  EXPECT_EQ(w->Editor()->toPlainText(), Q("b1\na2\na3\na4"));
  EXPECT_EQ(prompts.shown.size(), 3u);
  EXPECT_EQ(prompts.shown[0].text, S("置換しますか？"));
  prompts.shown.clear();
  prompts.answers = {kIdYes, kIdYes, kIdYes};
  Text(Q("a1\na2"), 0);
  d->btnReplace->click();
  EXPECT_EQ(w->Editor()->toPlainText(), Q("b1\nb2"));
  EXPECT_EQ(prompts.shown.size(), 2u) << "silent after the last occurrence";
}

TEST_F(Find, TabIndentsAndShiftTabUnindentsTheSelectedLines) {
  Text(Q("a\nb\nc"), 0);
  QTextCursor c = w->Editor()->textCursor();
  c.setPosition(0);
  c.setPosition(5, QTextCursor::KeepAnchor);  // from inside a to inside c
  w->Editor()->setTextCursor(c);
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  QApplication::sendEvent(w->Editor(), &tab);
  EXPECT_EQ(w->Editor()->toPlainText(), Q("\ta\n\tb\n\tc"));
  EXPECT_EQ(SelStart(), 0);
  EXPECT_EQ(SelLen(), 8);
  QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
  QApplication::sendEvent(w->Editor(), &backtab);
  EXPECT_EQ(w->Editor()->toPlainText(), Q("a\nb\nc"));
  // A selection ending just after the line break of b indents a and b only.
  c = w->Editor()->textCursor();
  c.setPosition(0);
  c.setPosition(4, QTextCursor::KeepAnchor);
  w->Editor()->setTextCursor(c);
  QApplication::sendEvent(w->Editor(), &tab);
  EXPECT_EQ(w->Editor()->toPlainText(), Q("\ta\n\tb\nc"));
  // Within one line the key types a tab over the selection.
  Text(Q("abc"), 0);
  c = w->Editor()->textCursor();
  c.setPosition(1);
  c.setPosition(2, QTextCursor::KeepAnchor);
  w->Editor()->setTextCursor(c);
  QApplication::sendEvent(w->Editor(), &tab);
  EXPECT_EQ(w->Editor()->toPlainText(), Q("a\tc"));
}

}  // namespace

namespace {

// Replace all, done one search and one replacement at a time as the rule
// reads; the one-edit version must give the same text.
QString ReplaceStepByStep(const QString& text, const QString& what, const QString& with, int options) {
  QPlainTextEdit pane;
  pane.setPlainText(text);
  PaneText t(&pane);
  const int n = t.Length();
  int with2 = static_cast<int>(with.size());
  for (int from = 0;;) {
    const int pos = t.Search(what, from, n, options);
    if (pos < 0) break;
    t.Select(pos, static_cast<int>(what.size()));
    t.ReplaceSelection(with);
    from = pos + with2;
  }
  return pane.toPlainText();
}

TEST(PaneReplaceAll, AgreesWithReplacingOneAtATime) {
  std::mt19937 rng(7);
  const QString alphabet = QStringLiteral("aAb_ \n");
  const QString patterns[] = {QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("a a"),
                              QStringLiteral("b\n")};
  const QString withs[] = {QStringLiteral("aa"), QString(), QStringLiteral("x_y"), QStringLiteral("A")};
  for (int round = 0; round < 3000; ++round) {
    QString text;
    for (int i = static_cast<int>(rng() % 20); i > 0; --i) text += alphabet[static_cast<int>(rng() % alphabet.size())];
    const QString& what = patterns[rng() % 4];
    const QString& with = withs[rng() % 4];
    const int options = static_cast<int>(rng() % 4);
    QPlainTextEdit pane;
    pane.setPlainText(text);
    PaneText t(&pane);
    t.ReplaceAll(what, with, options);
    ASSERT_EQ(pane.toPlainText(), ReplaceStepByStep(text, what, with, options))
        << text.toStdString() << " / " << what.toStdString() << " / " << options;
  }
}

TEST(PaneReplaceAll, ManyOccurrencesInOneEdit) {
  QPlainTextEdit pane;
  QString text;
  for (int i = 0; i < 100000; ++i) text += QStringLiteral("SELECT a FROM t;\n");
  pane.setPlainText(text);
  PaneText t(&pane);
  EXPECT_EQ(t.ReplaceAll(QStringLiteral("a"), QStringLiteral("b"), kFindWholeWord | kFindMatchCase), 100000);
  EXPECT_TRUE(pane.toPlainText().startsWith(QStringLiteral("SELECT b FROM t;\nSELECT b")));
  pane.undo();
  EXPECT_EQ(pane.toPlainText(), text) << "one undo step";
}

}  // namespace
