#pragma once
// The SQL editor pane: plain text with a line-number margin and SQL syntax
// highlighting (neither changes the text), and the tab key indenting or
// un-indenting a block of lines.
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>

namespace tolvane {

class SqlHighlighter : public QSyntaxHighlighter {
 public:
  explicit SqlHighlighter(QTextDocument* doc);

 protected:
  void highlightBlock(const QString& text) override;
};

class SqlEditor : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit SqlEditor(QWidget* parent = nullptr);
  int LineNumberWidth() const;
  void PaintLineNumbers(QPaintEvent* e);
  // Indents (or with `outdent` un-indents) the lines the selection touches,
  // when the selection holds a line break; false otherwise.
  bool IndentSelection(bool outdent);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QWidget* margin_;
};

}  // namespace tolvane
