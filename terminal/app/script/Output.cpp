#include "Output.h"

#include <cstdio>
#include <initializer_list>
#include <utility>

#include "Escape.h"

namespace script {
namespace {

// " [a b c]" for the flags that are set, nothing when none is.
std::string Flags(std::initializer_list<std::pair<bool, std::string>> flags) {
    std::string out;
    for (const auto& [set, name] : flags) {
        if (!set) continue;
        out += out.empty() ? " [" : " ";
        out += name;
    }
    return out.empty() ? out : out + "]";
}

std::string Hex(std::uint32_t colorRef) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colorRef & 0xFF, (colorRef >> 8) & 0xFF,
                  (colorRef >> 16) & 0xFF);
    return text;
}

}  // namespace

void Output::Line(const std::string& text) {
    if (m_silent) return;
    // Flushed line by line: the pop-up library and the framework may write
    // to the same stream, and a crash must not swallow what came before.
    m_out << text << std::endl;
}

void Output::Box(std::string_view caption, std::string_view text, bool ok) {
    Line("box " + Quote(caption) + " " + Quote(text) + " -> " + (ok ? "ok" : "cancel"));
}

void Output::Result(long long value) {
    Line("result " + std::to_string(value));
}

void Output::Closed(int templateId, long long value) {
    Line("closed " + std::to_string(templateId) + " " + std::to_string(value));
}

void Output::File(std::string_view name, const std::optional<std::string>& bytes) {
    Line("file " + std::string(name) + " " + (bytes ? EscapeBytes(*bytes) : "MISSING"));
}

void Output::Dialog(int templateId, std::string_view caption) {
    Line("dialog " + std::to_string(templateId) + " " + Quote(caption));
}

void Output::Control(const ControlView& control) {
    std::string line = control.kind + " " + std::to_string(control.id) + " " + Quote(control.text);
    if (control.checked) line += *control.checked ? " on" : " off";
    if (control.disabled) line += " disabled";
    if (control.textColor) line += " color=" + Hex(*control.textColor);
    Line(line);
}

void Output::Tree(int id) {
    Line("tree " + std::to_string(id));
}

void Output::TreeItem(const TreeItemView& item) {
    Line(std::string(2 + 2 * item.depth, ' ') + item.label +
         Flags({{item.children, "+"},
                {item.open, "open"},
                {item.caret, "sel"},
                {item.hot, "hot"},
                {item.stateImage != 0, "img=" + std::to_string(item.stateImage)}}));
}

void Output::List(int id, int rows, int mark, int top) {
    Line("list " + std::to_string(id) + " rows=" + std::to_string(rows) +
         " mark=" + std::to_string(mark) + " top=" + std::to_string(top));
}

void Output::ListRow(const ListRowView& row) {
    std::string line = "  " + std::to_string(row.row) + ":";
    for (std::size_t i = 0; i < row.columns.size(); ++i)
        line += (i == 0 ? " " : " | ") + row.columns[i];
    Line(line + Flags({{row.selected, "sel"}, {row.focused, "focus"}, {row.hot, "hot"}}));
}

void Output::TopItem(int id, const std::optional<std::string>& path) {
    Line("top " + std::to_string(id) + " " + (path ? Quote(*path) : "none"));
}

void Output::TopRow(int id, int row) {
    Line("top " + std::to_string(id) + " " + std::to_string(row));
}

}  // namespace script
