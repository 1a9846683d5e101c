// Reads a script: one command per line, `#` comment lines, blank lines,
// double-quoted UTF-8 strings with \" and \\ escapes. Everything that can be
// wrong without a dialog (unknown commands, bad quoting, malformed numbers,
// missing or extra words) is reported here, before anything runs.
#pragma once

#include <string_view>
#include <vector>

#include "Command.h"

namespace script {

// Throws ScriptError naming the first bad line.
std::vector<Command> ParseScript(std::string_view text);

}  // namespace script
