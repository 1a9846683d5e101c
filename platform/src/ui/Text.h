// The one crossing between the system's CP949 byte strings and Qt's Unicode
// strings: every text a window shows or gives back passes through here.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace afx::detail {

QString ToQt(std::string_view cp949);
std::string FromQt(const QString& text);

// The length in CP949 bytes of a Unicode text, as an edit control's limit
// counts it: a Korean character counts two.
int Cp949Length(const QString& text);

}  // namespace afx::detail
