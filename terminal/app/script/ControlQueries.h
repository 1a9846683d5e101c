// What the runner asks of a control through the framework's messages, with
// texts turned from the system's CP949 into the script's UTF-8.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

namespace script {

enum class ControlType { Tree, List, Other };

ControlType TypeOf(HWND control);
std::string ClassOf(HWND control);
std::string TextOf(HWND window);

std::string TreeLabel(HWND tree, HTREEITEM item);
HTREEITEM TreeNext(HWND tree, HTREEITEM item, UINT code);
UINT TreeState(HWND tree, HTREEITEM item);
bool TreeChildrenFlag(HWND tree, HTREEITEM item);
// Null when the item does not show (an ancestor is collapsed).
std::optional<RECT> TreeItemRect(HWND tree, HTREEITEM item, bool labelOnly);

int ListRows(HWND list);
int ListColumns(HWND list);
std::string ListText(HWND list, int row, int column);

}  // namespace script
