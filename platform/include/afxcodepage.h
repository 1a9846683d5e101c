// Conversion between the code page every byte string of the system uses
// (CP949) and UTF-8, for the places where text leaves or enters that world:
// the user-interface toolkit, and Korean literals written in UTF-8 sources.
// A byte sequence that does not convert is kept as it is (an invalid CP949
// pair passes into the UTF-8 text unchanged, an invalid UTF-8 byte likewise);
// a valid character that CP949 cannot hold becomes '?', as the system's own
// conversion does. Nothing here fails or throws on bad input.
#pragma once

#include <string>
#include <string_view>

namespace afx {

std::string Cp949ToUtf8(std::string_view cp949);
std::string Utf8ToCp949(std::string_view utf8);

}  // namespace afx
