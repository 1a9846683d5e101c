// The module's dialog templates, as its resource script gives them
// (positions and sizes in dialog units).

#include <afxresource.h>
#include <commctrl.h>

#include "resource.h"

namespace {

constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kFrame = WS_VISIBLE | SS_ETCHEDFRAME;
constexpr DWORD kTree = WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                        TVS_LINESATROOT | TVS_SHOWSELALWAYS;
constexpr DWORD kModalDialog = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr UINT kNoId = static_cast<UINT>(IDC_STATIC);

// "Toolbar Settings": group tree, toolbar list and menu tree side by side.
const afx::DialogControl kToolbarSettingsControls[] = {
    {IDC_ADD_GROUP, "Button", "Add new group", kPush, 7, 7, 57, 14},
    {IDC_RENAME_GROUP, "Button", "Change group name", kPush, 65, 7, 64, 14},
    {IDC_DELETE_GROUP, "Button", "Delete group", kPush, 138, 8, 59, 14},
    {IDC_MODIFY_GROUP, "Button", "Modify Group", kPush, 223, 7, 59, 14},
    {IDC_GROUP_TREE, WC_TREEVIEWA, "", kTree | TVS_EDITLABELS, 8, 26, 121, 199},
    {IDC_TOOL_LIST, WC_LISTVIEWA, "",
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 137, 26, 145, 200},
    {IDC_REGIST, "Button", "Regist", kPush, 288, 48, 25, 20},
    {IDC_DELETE_SCREEN, "Button", "Delete", kPush, 288, 71, 25, 20},
    {IDC_DELETE_ALL_SCREENS, "Button", ">>", kPush, 288, 94, 25, 20},
    {IDC_SCREEN_TOP, "Button", "AA", kPush, 292, 140, 17, 19},
    {IDC_SCREEN_UP, "Button", "A", kPush, 292, 159, 17, 19},
    {IDC_SCREEN_DOWN, "Button", "V", kPush, 292, 178, 17, 19},
    {IDC_SCREEN_BOTTOM, "Button", "VV", kPush, 292, 197, 17, 19},
    {kNoId, "Static", "", kFrame, 285, 37, 31, 84},
    {kNoId, "Static", "", kFrame, 287, 130, 27, 92},
    {IDC_SEARCH_TEXT, "Edit", "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 318, 8, 56,
     14},
    {IDC_SEARCH, "Button", "Search", kPush, 378, 8, 29, 14},
    {IDC_HIT_COUNT, "Static", "(0/0)", WS_VISIBLE | SS_CENTER, 410, 8, 29, 14},
    {IDC_PREV_HIT, "Button", "<", kPush, 443, 8, 17, 14},
    {IDC_NEXT_HIT, "Button", ">", kPush, 462, 8, 17, 14},
    {IDC_MENU_TREE, WC_TREEVIEWA, "", kTree, 318, 26, 161, 199},
    {IDC_DELETE_TOOLBAR, "Button", "Delete Toolbar", kPush, 17, 230, 45, 14},
    {IDC_MOVE_TOOLBAR, "Button", "Move Toolbar", kPush, 71, 230, 45, 14},
    {kNoId, "Static", "Please enter the shortcut name.", WS_VISIBLE | SS_LEFT, 141, 232, 117, 8},
    {IDC_SAVE, "Button", "Save", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 318, 230, 75, 14},
    {IDCANCEL, "Button", "Cancel", kPush, 404, 230, 75, 14},
};
AFX_DIALOG_RESOURCE(kToolbarSettings, IDD_TOOLBAR_SETTINGS, "Toolbar Settings", kModalDialog,
                    "Tahoma", 9, 0, 0, 487, 251, kToolbarSettingsControls);

// "Register link menu": menu tree on the left, link list on the right, a
// status line under both.
const afx::DialogControl kLinkMenuControls[] = {
    {IDC_LINK_SEARCH_TEXT, "Edit", "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 3, 9,
     134, 14},
    {IDC_LINK_SEARCH, "Button", "Search", kPush, 138, 9, 25, 14},
    {IDC_LINK_HIT_COUNT, "Static", "(0/0)", WS_VISIBLE | SS_CENTER | SS_SUNKEN, 166, 9, 25, 14},
    {IDC_LINK_PREV_HIT, "Button", "<", kPush, 194, 9, 15, 14},
    {IDC_LINK_NEXT_HIT, "Button", ">", kPush, 210, 9, 15, 14},
    {kNoId, "Static", "Screen Menu", WS_VISIBLE | SS_LEFT, 3, 27, 43, 8},
    {kNoId, "Static", "Link Menu", WS_VISIBLE | SS_LEFT, 238, 27, 33, 8},
    {IDC_LINK_MENU_TREE, WC_TREEVIEWA, "", kTree, 3, 37, 188, 160},
    {kNoId, "Static", "", kFrame, 3, 36, 190, 162},
    {IDC_LINK_ADD, "Button", "Add", kPush | WS_GROUP, 195, 70, 36, 16},
    {IDC_LINK_DELETE, "Button", "Delete", kPush, 195, 88, 36, 16},
    {IDC_LINK_DELETE_ALL, "Button", "Delete All", kPush | BS_MULTILINE, 195, 138, 36, 16},
    {IDC_LINK_LIST, WC_LISTVIEWA, "",
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 234, 36,
     188, 161},
    {kNoId, "Static", "", kFrame, 233, 36, 191, 162},
    {IDC_LINK_STATUS, "Static", "", WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, 0, 201, 423, 11},
    {kNoId, "Static", "", WS_VISIBLE | SS_BLACKFRAME, 4, 200, 417, 13},
    {IDOK, "Button", "OK", kPush, 171, 216, 42, 17},
    {IDCANCEL, "Button", "Cancel", kPush, 215, 216, 42, 17},
};
AFX_DIALOG_RESOURCE(kLinkMenu, IDD_LINK_MENU, "Register link menu", kModalDialog, "Tahoma", 9, 0, 0,
                    427, 237, kLinkMenuControls);

// The group move dialog: a tree of the groups.
const afx::DialogControl kGroupMoveControls[] = {
    {IDC_GROUP_MOVE_TREE, WC_TREEVIEWA, "Tree1", kTree | TVS_EDITLABELS, 7, 7, 131, 150},
    {IDC_GROUP_MOVE_OK, "Button", "OK", kPush, 36, 160, 32, 14},
    {IDCANCEL, "Button", "Cancel", kPush, 76, 160, 32, 14},
};
AFX_DIALOG_RESOURCE(kGroupMove, IDD_GROUP_MOVE, "도구 이동", kModalDialog, "Tahoma", 9, 0, 0, 145,
                    180, kGroupMoveControls);

// The default toolbar picker: an empty pop-up whose controls its
// initialisation makes from the default toolbar file.
AFX_DIALOG_RESOURCE(kGroupEdit, IDD_GROUP_EDIT, "", DS_SETFONT | WS_POPUP, "Tahoma", 9, 0, 0, 105,
                    25, std::span<const afx::DialogControl>());

}  // namespace
