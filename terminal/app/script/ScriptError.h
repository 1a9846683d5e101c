// A fault in a script: what went wrong and on which line. The runner stops
// at the first one and reports it on stderr.
#pragma once

#include <stdexcept>
#include <string>

namespace script {

class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& message) : std::runtime_error(message), m_line(line) {}

    int Line() const { return m_line; }

private:
    int m_line;
};

}  // namespace script
