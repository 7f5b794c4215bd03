#include "app/PaneText.h"

#include <QTextCursor>

namespace tolvane {
namespace {

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

}  // namespace

PaneText::PaneText(QPlainTextEdit* pane) : pane_(pane) { Reload(); }

void PaneText::Reload() {
  doc_ = pane_->toPlainText();
  crlf_ = doc_;
  crlf_.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

int PaneText::ToCrlf(int docPos) const {
  return docPos + static_cast<int>(QStringView(doc_).left(docPos).count(QLatin1Char('\n')));
}

int PaneText::ToDoc(int crlfPos) const {
  crlfPos = std::clamp(crlfPos, 0, Length());
  return crlfPos - static_cast<int>(crlf_.left(crlfPos).count(QLatin1Char('\n')));
}

int PaneText::SelStart() const { return ToCrlf(pane_->textCursor().selectionStart()); }

int PaneText::SelLength() const {
  QTextCursor c = pane_->textCursor();
  return ToCrlf(c.selectionEnd()) - ToCrlf(c.selectionStart());
}

void PaneText::Select(int pos, int length) {
  QTextCursor c = pane_->textCursor();
  c.setPosition(ToDoc(pos));
  c.setPosition(ToDoc(pos + length), QTextCursor::KeepAnchor);
  pane_->setTextCursor(c);
}

void PaneText::ReplaceSelection(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QTextCursor c = pane_->textCursor();
  c.insertText(t);
  pane_->setTextCursor(c);
  Reload();
}

int PaneText::ReplaceAll(const QString& what, const QString& with, int options) {
  if (what.isEmpty()) return 0;
  const Qt::CaseSensitivity cs = options & kFindMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
  QString inserted = with;
  inserted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  inserted.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  QString out;
  out.reserve(crlf_.size());
  int copied = 0;  // crlf_ up to here is in `out`
  int count = 0;
  int lastEnd = -1;
  for (int from = 0;;) {
    const int at = static_cast<int>(crlf_.indexOf(what, from, cs));
    if (at < 0) break;
    const int after = at + static_cast<int>(what.size());
    if (options & kFindWholeWord) {
      // The character before is the end of the text inserted last when the
      // match follows it directly.
      const bool before = at == copied && !out.isEmpty() ? IsWordChar(out.back())
                                                         : at > 0 && IsWordChar(crlf_[at - 1]);
      const bool next = after < crlf_.size() && IsWordChar(crlf_[after]);
      if (before || next) {
        from = at + 1;
        continue;
      }
    }
    out += QStringView(crlf_).mid(copied, at - copied);
    out += inserted;
    lastEnd = static_cast<int>(out.size());
    copied = after;
    from = after;
    ++count;
  }
  if (count == 0) return 0;
  out += QStringView(crlf_).mid(copied);
  QString doc = out;
  doc.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QTextCursor c = pane_->textCursor();
  c.beginEditBlock();
  c.select(QTextCursor::Document);
  c.insertText(doc);
  c.endEditBlock();
  doc_ = doc;
  crlf_ = out;
  c.setPosition(ToDoc(lastEnd));
  pane_->setTextCursor(c);
  return count;
}

int PaneText::Search(const QString& what, int start, int length, int options) const {
  if (what.isEmpty()) return -1;
  const int end = std::min(Length(), start + length);
  const Qt::CaseSensitivity cs = options & kFindMatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (int from = std::max(0, start);;) {
    int at = static_cast<int>(crlf_.indexOf(what, from, cs));
    if (at < 0 || at + what.size() > end) return -1;
    if (!(options & kFindWholeWord) ||
        ((at == 0 || !IsWordChar(crlf_[at - 1])) &&
         (at + what.size() >= crlf_.size() || !IsWordChar(crlf_[at + what.size()]))))
      return at;
    from = at + 1;
  }
}

}  // namespace tolvane
