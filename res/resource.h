// Resource identifiers of the module: dialog templates, their controls, and
// bitmaps.
#pragma once

// Dialog templates.
#define IDD_GROUP_MOVE 1704
#define IDD_TOOLBAR_SETTINGS 1706
#define IDD_LINK_MENU 1708
#define IDD_GROUP_EDIT 1719

// Bitmaps of the trees: 1714 holds two 16 x 16 pictures (the second is a
// tree's root), 1715 five (folder, open folder, screen, screen of type 3,
// document).
#define IDB_TREE_ROOT 1714
#define IDB_TREE_ITEMS 1715

// "Toolbar Settings" (1706).
#define IDC_ADD_GROUP 1001
#define IDC_DELETE_GROUP 1012
#define IDC_SCREEN_UP 1014
#define IDC_DELETE_TOOLBAR 1015
#define IDC_SCREEN_DOWN 1016
#define IDC_MOVE_TOOLBAR 1020
#define IDC_REGIST 1023
#define IDC_DELETE_SCREEN 1024
#define IDC_RENAME_GROUP 1025
#define IDC_SAVE 1028
#define IDC_MENU_TREE 1030
#define IDC_GROUP_TREE 1032
#define IDC_TOOL_LIST 1033
#define IDC_MODIFY_GROUP 1097
#define IDC_SEARCH_TEXT 1202
#define IDC_SEARCH 1203
#define IDC_HIT_COUNT 1204
#define IDC_PREV_HIT 1205
#define IDC_NEXT_HIT 1206
#define IDC_DELETE_ALL_SCREENS 8037
#define IDC_SCREEN_TOP 8039
#define IDC_SCREEN_BOTTOM 8040

// "Register link menu" (1708).
#define IDC_LINK_MENU_TREE 1075
#define IDC_LINK_ADD 1076
#define IDC_LINK_DELETE 1077
#define IDC_LINK_DELETE_ALL 1078
#define IDC_LINK_LIST 1079
#define IDC_LINK_STATUS 1080
#define IDC_LINK_SEARCH_TEXT 1102
#define IDC_LINK_SEARCH 1103
#define IDC_LINK_HIT_COUNT 1104
#define IDC_LINK_PREV_HIT 1105
#define IDC_LINK_NEXT_HIT 1106

// Group move dialog (1704).
#define IDC_GROUP_MOVE_TREE 1034
#define IDC_GROUP_MOVE_OK 1018

// Default toolbar picker (1719): its controls are made at run time, a check
// box per default toolbar from 100 on, and "Confirm".
#define IDC_GROUP_EDIT_FIRST_CHECK 100
#define IDC_GROUP_EDIT_CONFIRM 200
