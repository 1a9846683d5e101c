// The lines a script prints, one per event, in the order the events happen.
// Every format of the script language's output lives here; the runner only
// gathers what the dialogs show.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace script {

// What a dump shows of a control that is neither a tree nor a list. Texts
// are UTF-8.
struct ControlView {
    std::string kind;  // "button", "static", "edit", "check", ...
    int id = 0;
    std::string text;
    std::optional<bool> checked;  // check boxes only
    bool disabled = false;
    std::optional<std::uint32_t> textColor;  // COLORREF (0x00BBGGRR) the colour handler set
};

struct TreeItemView {
    int depth = 0;  // 0 for the tree's root items
    std::string label;
    bool children = false;  // the children flag, whether or not children exist
    bool open = false;
    bool caret = false;
    bool hot = false;  // drop highlight
    int stateImage = 0;
};

struct ListRowView {
    int row = 0;
    std::vector<std::string> columns;
    bool selected = false;
    bool focused = false;
    bool hot = false;
};

class Output {
public:
    explicit Output(std::ostream& out) : m_out(out) {}

    // Once the script has ended, whatever happens while its dialogs are
    // closed is no part of the session and prints nothing.
    void Silence() { m_silent = true; }

    // A line as it is: a note, or a line of the host program's own.
    void Text(std::string_view text) { Line(std::string(text)); }
    // `ok` is what the box returned: its OK (Yes, Retry, Abort) button.
    void Box(std::string_view caption, std::string_view text, bool ok);
    void Result(long long value);
    void Closed(int templateId, long long value);
    void File(std::string_view name, const std::optional<std::string>& bytes);

    void Dialog(int templateId, std::string_view caption);
    void Control(const ControlView& control);
    void Tree(int id);
    void TreeItem(const TreeItemView& item);
    void List(int id, int rows, int mark, int top);
    void ListRow(const ListRowView& row);
    // The item shown first: a tree's by its path (none for an empty tree),
    // a list's by its row.
    void TopItem(int id, const std::optional<std::string>& path);
    void TopRow(int id, int row);

private:
    void Line(const std::string& text);

    std::ostream& m_out;
    bool m_silent = false;
};

}  // namespace script
