#include "app/SqlEditor.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>

namespace tolvane {
namespace {

class LineNumberMargin : public QWidget {
 public:
  explicit LineNumberMargin(SqlEditor* editor) : QWidget(editor), editor_(editor) {}
  QSize sizeHint() const override { return {editor_->LineNumberWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* e) override { editor_->PaintLineNumbers(e); }

 private:
  SqlEditor* editor_;
};

const QStringList& Keywords() {
  static const QStringList words = {
      "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "INSERT", "INTO", "VALUES", "UPDATE", "SET",
      "DELETE", "CREATE", "TABLE", "VIEW", "INDEX", "DROP", "ALTER", "ADD", "COLUMN", "JOIN",
      "INNER", "LEFT", "RIGHT", "FULL", "OUTER", "CROSS", "ON", "USING", "AS", "GROUP", "BY",
      "ORDER", "HAVING", "UNION", "ALL", "DISTINCT", "CASE", "WHEN", "THEN", "ELSE", "END", "IS",
      "NULL", "IN", "EXISTS", "BETWEEN", "LIKE", "ASC", "DESC", "LIMIT", "OFFSET", "WITH",
      "RECURSIVE", "PRIMARY", "KEY", "FOREIGN", "REFERENCES", "DEFAULT", "UNIQUE", "CHECK",
      "CONSTRAINT", "BEGIN", "COMMIT", "ROLLBACK", "TRANSACTION", "GRANT", "REVOKE", "TRUNCATE",
      "INTERSECT", "EXCEPT", "TOP", "COUNT", "SUM", "AVG", "MIN", "MAX", "CAST", "TRUE", "FALSE"};
  return words;
}

}  // namespace

SqlHighlighter::SqlHighlighter(QTextDocument* doc) : QSyntaxHighlighter(doc) {}

// Block state: 1 while inside a block comment, 2 inside a string literal.
void SqlHighlighter::highlightBlock(const QString& text) {
  QTextCharFormat keyword, comment, literal, number;
  keyword.setForeground(QColor(0, 0, 160));
  keyword.setFontWeight(QFont::Bold);
  comment.setForeground(QColor(0, 128, 0));
  literal.setForeground(QColor(163, 21, 21));
  number.setForeground(QColor(128, 0, 128));
  static const QRegularExpression word(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*"));
  static const QRegularExpression digits(QStringLiteral("\\b[0-9]+(\\.[0-9]+)?\\b"));

  int state = previousBlockState() < 0 ? 0 : previousBlockState();
  int i = 0;
  const int n = text.size();
  // Words and numbers first; comments and literals are painted over them.
  for (auto m = word.globalMatch(text); m.hasNext();) {
    auto w = m.next();
    if (Keywords().contains(w.captured().toUpper())) setFormat(w.capturedStart(), w.capturedLength(), keyword);
  }
  for (auto m = digits.globalMatch(text); m.hasNext();) {
    auto d = m.next();
    setFormat(d.capturedStart(), d.capturedLength(), number);
  }
  while (i < n) {
    if (state == 1) {
      int close = text.indexOf(QStringLiteral("*/"), i);
      int end = close < 0 ? n : close + 2;
      setFormat(i, end - i, comment);
      i = end;
      if (close >= 0) state = 0;
      continue;
    }
    if (state == 2) {
      int close = text.indexOf(QLatin1Char('\''), i);
      int end = close < 0 ? n : close + 1;
      setFormat(i, end - i, literal);
      i = end;
      if (close >= 0) state = 0;
      continue;
    }
    QChar c = text[i];
    if (c == QLatin1Char('-') && i + 1 < n && text[i + 1] == QLatin1Char('-')) {
      setFormat(i, n - i, comment);
      break;
    }
    if (c == QLatin1Char('/') && i + 1 < n && text[i + 1] == QLatin1Char('*')) {
      setFormat(i, 2, comment);
      i += 2;
      state = 1;
      continue;
    }
    if (c == QLatin1Char('\'')) {
      setFormat(i, 1, literal);
      ++i;
      state = 2;
      continue;
    }
    ++i;
  }
  setCurrentBlockState(state);
}

SqlEditor::SqlEditor(QWidget* parent) : QPlainTextEdit(parent), margin_(new LineNumberMargin(this)) {
  new SqlHighlighter(document());
  connect(this, &QPlainTextEdit::blockCountChanged, this,
          [this] { setViewportMargins(LineNumberWidth(), 0, 0, 0); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& r, int dy) {
    if (dy) margin_->scroll(0, dy);
    else margin_->update(0, r.y(), margin_->width(), r.height());
  });
  setViewportMargins(LineNumberWidth(), 0, 0, 0);
}

int SqlEditor::LineNumberWidth() const {
  int digits = 1;
  for (int max = std::max(1, blockCount()); max >= 10; max /= 10) ++digits;
  return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(3, digits);
}

void SqlEditor::resizeEvent(QResizeEvent* e) {
  QPlainTextEdit::resizeEvent(e);
  QRect cr = contentsRect();
  margin_->setGeometry(QRect(cr.left(), cr.top(), LineNumberWidth(), cr.height()));
}

void SqlEditor::PaintLineNumbers(QPaintEvent* e) {
  QPainter p(margin_);
  p.fillRect(e->rect(), QColor(240, 240, 240));
  p.setPen(QColor(128, 128, 128));
  QTextBlock block = firstVisibleBlock();
  int number = block.blockNumber();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  int bottom = top + qRound(blockBoundingRect(block).height());
  while (block.isValid() && top <= e->rect().bottom()) {
    if (block.isVisible() && bottom >= e->rect().top())
      p.drawText(0, top, margin_->width() - 4, fontMetrics().height(), Qt::AlignRight,
                 QString::number(number + 1));
    block = block.next();
    top = bottom;
    bottom = top + qRound(blockBoundingRect(block).height());
    ++number;
  }
}

bool SqlEditor::IndentSelection(bool outdent) {
  QTextCursor cur = textCursor();
  const QString all = toPlainText();
  const int s = cur.selectionStart(), j = cur.selectionEnd();
  if (!all.mid(s, j - s).contains(QLatin1Char('\n'))) return false;
  // From the start of the first line to the end of the last (a selection
  // that ends just after a line break does not take the next line).
  int b = all.lastIndexOf(QLatin1Char('\n'), s - 1);
  b = s == 0 || b < 0 ? 0 : b + 1;
  int e;
  if (j > 0 && all[j - 1] == QLatin1Char('\n')) {
    e = j;
  } else {
    int next = all.indexOf(QLatin1Char('\n'), j);
    e = next < 0 ? all.size() : next + 1;
  }
  QString x = all.mid(b, e - b);
  if (outdent) {
    x.replace(QStringLiteral("\n\t"), QStringLiteral("\n"));
    if (x.startsWith(QLatin1Char('\t'))) x.remove(0, 1);
  } else {
    x.replace(QStringLiteral("\n"), QStringLiteral("\n\t"));
    x.prepend(QLatin1Char('\t'));
    if (x.endsWith(QStringLiteral("\n\t"))) x.chop(1);
  }
  cur.beginEditBlock();
  cur.setPosition(b);
  cur.setPosition(e, QTextCursor::KeepAnchor);
  cur.insertText(x);
  cur.endEditBlock();
  cur.setPosition(b);
  cur.setPosition(b + x.size(), QTextCursor::KeepAnchor);
  setTextCursor(cur);
  return true;
}

void SqlEditor::keyPressEvent(QKeyEvent* e) {
  if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) &&
      IndentSelection(e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier))) {
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

}  // namespace tolvane
