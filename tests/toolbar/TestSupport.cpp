#include "TestSupport.h"

#include <afxcodepage.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "MISSING";
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Cp949(const char* pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8);
}

OnDialog::OnDialog(UINT nTemplate, std::function<void(HWND)> act)
    : m_previous(
          afx::SetModalHook([this, nTemplate, act = std::move(act)](const afx::ModalInfo& info) {
              if (info.hwnd && info.templateId == nTemplate) {
                  act(info.hwnd);
              } else if (m_previous) {
                  m_previous(info);
              }
          })) {}

OnDialog::~OnDialog() {
    afx::SetModalHook(m_previous);
}

CWnd& Control(HWND hDialog, int nID) {
    CWnd* pControl = CWnd::FromHandle(::GetDlgItem(hDialog, nID));
    EXPECT_NE(pControl, nullptr) << nID;
    return *pControl;
}

CTreeCtrl& TreeOf(HWND hDialog, int nID) {
    return static_cast<CTreeCtrl&>(Control(hDialog, nID));
}

void ClickControl(HWND hDialog, int nID) {
    CWnd& control = Control(hDialog, nID);
    CRect rc;
    control.GetClientRect(&rc);
    afx::Click(control.GetSafeHwnd(), rc.CenterPoint());
}

std::vector<CString> TopLabels(const CTreeCtrl& tree) {
    std::vector<CString> labels;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) {
        labels.push_back(tree.GetItemText(h));
    }
    return labels;
}
