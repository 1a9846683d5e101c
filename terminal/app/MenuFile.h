// The host's menu file: one node per line, two spaces of indentation per
// level, names in double quotes, attributes as key=value words.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// One node as the file describes it, text still in UTF-8; the line lets a
// later step (the conversion to CP949) blame the right place.
struct MenuFileNode {
    MenuFileNode() = default;
    MenuFileNode(MenuFileNode&&) noexcept = default;
    MenuFileNode& operator=(MenuFileNode&&) noexcept = default;
    // Without recursion, however deep the file nests.
    ~MenuFileNode();

    std::string name;
    int kind = 1;
    bool shown = true;
    bool hasScreen = true;
    std::string screenNo;
    std::string code;
    int type = 1;
    int line = 0;
    std::vector<MenuFileNode> children;
};

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

// The top-level nodes of the file, in order. Throws MenuFileError on the
// first malformed line.
std::vector<MenuFileNode> ParseMenuFile(std::string_view text);

}  // namespace host
