// What the tests of the toolbar files and of the two small dialogs share:
// files written and read byte for byte, and a hand on the dialogs that open
// inside another one.
#pragma once

#include <afxautomation.h>
#include <afxcmn.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// The file's bytes, or "MISSING".
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// CP949 bytes of a UTF-8 literal.
std::string Cp949(const char* pszUtf8);

// While it lives, each modal dialog made from the template is handed to act
// once it is shown (act must end it); every other modal loop goes to the
// hook that was installed before.
class OnDialog {
public:
    OnDialog(UINT nTemplate, std::function<void(HWND)> act);
    ~OnDialog();
    OnDialog(const OnDialog&) = delete;
    OnDialog& operator=(const OnDialog&) = delete;

private:
    afx::ModalHook m_previous;
};

// A control of a dialog by its identifier; its wrapper object when it has
// one, as trees and buttons that the dialog binds do.
CWnd& Control(HWND hDialog, int nID);
CTreeCtrl& TreeOf(HWND hDialog, int nID);
void ClickControl(HWND hDialog, int nID);
// The labels of a tree's top-level items, in order.
std::vector<CString> TopLabels(const CTreeCtrl& tree);
