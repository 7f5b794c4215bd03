#include "app/QtPlatform.h"

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QWidget>

#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "settings/Fbrenmoini.h"

namespace tolvane {

void GuiExceptionDisplay::ShowException(const std::string& message) {
  Prompter().Show(message, "tolvane", MsgIcon::Error, kButtonsOk, nullptr);
}

void QtClipboard::SetText(const std::string& cp932) {
  QGuiApplication::clipboard()->setText(ToQ(cp932));
}

std::string QtClipboard::GetText() { return FromQ(QGuiApplication::clipboard()->text()); }

void SetFormFont(QWidget* form) {
  std::string name;
  int size = 9;
  bool bold = false, italic = false;
  GetFontInfo(name, size, bold, italic);
  QFont font = form->font();
  font.setFamily(ToQ(name));
  if (size > 0) font.setPointSize(size);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setBold(bold);
  font.setItalic(italic);
  form->setFont(font);
}

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(Q("ＭＳ Ｐゴシック"), {Q("IPAPGothic"), Q("IPAGothic")});
  QFont::insertSubstitutions(Q("ＭＳ ゴシック"), {Q("IPAGothic"), Q("IPAPGothic")});
  QFont::insertSubstitutions(Q("ＭＳ Ｐ明朝"), {Q("IPAPMincho"), Q("IPAPGothic")});
  QFont::insertSubstitutions(Q("ＭＳ 明朝"), {Q("IPAMincho"), Q("IPAGothic")});
  QFont::insertSubstitutions(Q("MS UI Gothic"), {Q("IPAPGothic")});
}

}  // namespace tolvane
