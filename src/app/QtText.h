#pragma once
// The GUI's boundary between the core's CP932 texts and Qt's Unicode.
#include <QString>
#include <string>

#include "platform/Encoding.h"

namespace tolvane {

inline QString ToQ(const std::string& cp932) { return QString::fromUtf8(Cp932ToUtf8(cp932)); }
inline std::string FromQ(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  return Utf8ToCp932(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
// A fixed text of the system, written in UTF-8 in the source.
inline QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace tolvane
