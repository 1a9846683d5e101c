// Reads a script: one command per line, `#` comment lines, blank lines,
// double-quoted UTF-8 strings with \" and \\ escapes. Everything that can be
// wrong without a dialog (unknown commands, bad quoting, malformed numbers,
// missing or extra words, the text's encoding) is reported here, before
// anything runs.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "Command.h"

namespace script {

// A script is something a person writes; anything beyond these is not one
// (a device, a binary file) and is refused rather than read on.
constexpr std::size_t kMaxScriptBytes = 1 << 20;
constexpr std::size_t kMaxLineBytes = 4096;

// Throws ScriptError naming the first bad line, bytes that are not UTF-8
// (a UTF-16 script among them) and lines longer than kMaxLineBytes too.
std::vector<Command> ParseScript(std::string_view text);

}  // namespace script
