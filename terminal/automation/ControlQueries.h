// What a person reads off a control, asked through the framework's messages,
// with texts turned from the system's CP949 into UTF-8.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace automation {

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
// The labels from the item's root item down to the item, and the same
// joined by " > ", as a person names the item.
std::vector<std::string> TreeLabels(HWND tree, HTREEITEM item);
std::string TreePath(HWND tree, HTREEITEM item);
// Every item in tree order, whether or not its folder is open, with its depth
// below the root items.
void ForEachTreeItem(HWND tree, const std::function<void(HTREEITEM item, int depth)>& visit);

int ListRows(HWND list);
int ListColumns(HWND list);
std::string ListText(HWND list, int row, int column);

}  // namespace automation
