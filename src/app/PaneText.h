#pragma once
// Positions in an editor pane as the commands count them: a line break is
// two characters (CR LF), while the control itself holds one (LF).
#include <QPlainTextEdit>
#include <QString>

namespace tolvane {

enum FindOption { kFindWholeWord = 1, kFindMatchCase = 2 };

class PaneText {
 public:
  explicit PaneText(QPlainTextEdit* pane);
  const QString& Text() const { return crlf_; }
  int Length() const { return static_cast<int>(crlf_.size()); }
  int SelStart() const;
  int SelLength() const;
  // Selects `length` characters from `pos` (CR LF positions).
  void Select(int pos, int length);
  // Replaces the selection with `text` (line breaks as LF or CR LF).
  void ReplaceSelection(const QString& text);

  // The first occurrence of `what` lying within [start, start + length), or -1.
  int Search(const QString& what, int start, int length, int options) const;

  // Replaces every occurrence from the start of the text, each search going
  // on after the text just inserted, in one edit; the caret ends after the
  // last replacement. Returns how many were replaced.
  int ReplaceAll(const QString& what, const QString& with, int options);

 private:
  int ToDoc(int crlfPos) const;
  int ToCrlf(int docPos) const;
  void Reload();
  QPlainTextEdit* pane_;
  QString doc_;   // as the control holds it (LF)
  QString crlf_;  // as the commands count it (CR LF)
};

}  // namespace tolvane
