// The host's menu file: one node per line, two spaces of indentation per
// level, names in double quotes, attributes as key=value words.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "MenuNode.h"

namespace host {

// The most a menu file may hold: room for a menu of about a million screens,
// and a bound on what a wrong file (a device, a log that never ends) costs.
constexpr std::size_t kMenuFileLimit = std::size_t{64} << 20;

class MenuFileError : public std::runtime_error {
public:
    MenuFileError(int line, const std::string& reason)
        : std::runtime_error("line " + std::to_string(line) + ": " + reason),
          m_nLine(line),
          m_strReason(reason) {}
    int Line() const { return m_nLine; }
    const std::string& Reason() const { return m_strReason; }

private:
    int m_nLine;
    std::string m_strReason;
};

// The whole text of a menu file. Throws std::runtime_error naming the file
// when it cannot be read or holds more than kMenuFileLimit bytes.
std::string ReadMenuFile(const std::string& path);

// The terminal's menu from a menu file's text, under a root node of the
// host's own; names and codes become CP949. Throws MenuFileError on the first
// malformed line.
CMenuNode ParseMenuFile(std::string_view text);

// The two above, as the host starts: a malformed line is reported as
// std::runtime_error "FILE:LINE: REASON".
CMenuNode LoadMenuFile(const std::string& path);

}  // namespace host
