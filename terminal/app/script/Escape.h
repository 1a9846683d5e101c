// How text appears in a script's output lines.
#pragma once

#include <string>
#include <string_view>

namespace script {

// UTF-8 text in double quotes, with a line break as \n, a quote as \" and a
// backslash as \\, so that every output line stays one line.
std::string Quote(std::string_view text);

// File bytes as the profile-file cases print them: \r \n \t \\, \xHH for any
// other byte below 0x20 or from 0x80 up, and a trailing space as \x20 so
// that it stays visible.
std::string EscapeBytes(std::string_view bytes);

}  // namespace script
