// Private window messages by which the drag-and-drop controls tell their
// dialog what happened. Each is sent synchronously to the control's parent
// window, so a pointer passed in lParam is valid only during the call.
#pragma once

#include <windows.h>

// The parameter notes give (wParam, lParam).

// Rows of a list dropped elsewhere on the same list:
// (first dragged row, insertion index 0..item count).
inline constexpr UINT UM_LIST_ITEMS_MOVED = 0x3EE;
// An item dropped on another item of its own tree: (dragged item, target item).
inline constexpr UINT UM_TREE_ITEM_MOVED = 0x3F3;
// A drag from elsewhere dropped on a list: (insertion index 0..item count, 0).
inline constexpr UINT UM_DROPPED_ON_LIST = 0x3F5;
// List rows dropped on the group tree: (0, target item or NULL).
inline constexpr UINT UM_LIST_DROPPED_ON_GROUPS = 0x3F9;
// List rows dropped on the toolbar dialog's menu tree: (0, target item or NULL).
inline constexpr UINT UM_LIST_DROPPED_ON_MENU = 0x3FD;
// A screen of the menu tree dropped on a group: (dragged item, target item).
inline constexpr UINT UM_MENU_ITEM_DROPPED = 0x40B;
// A short name edited in place and accepted: (row, LPCSTR of the CP949 name).
inline constexpr UINT UM_SHORT_NAME_EDITED = 0x83A;
