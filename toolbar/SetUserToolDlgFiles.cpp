// The toolbar files: the user's toolbars read into the group tree at start
// and written back by Save, and the favorites branch of the menu tree.
#include <EnvMgr.h>
#include <FlyoutLib.h>
#include <RoVuvi21.h>
#include <afxcodepage.h>

#include <algorithm>

#include "SetUserToolDlg.h"

namespace {

constexpr LPCSTR kList = "LIST";
constexpr LPCSTR kItemCount = "ItemCnt";
constexpr LPCSTR kComboSel = "COMBOSEL";
constexpr int kGroupNameBytes = 48;
constexpr int kEntryBytes = 255;
constexpr int kCodeBytes = 15;
constexpr int kFirstFavorites = 9101;
constexpr int kLastFavorites = 9110;

CString FromUtf8(LPCSTR pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8).c_str();
}

CString Key(int n) {
    CString strKey;
    strKey.Format("%02d", n);
    return strKey;
}

CString ReadString(LPCSTR pszSection, LPCSTR pszKey, int nBytes, LPCSTR pszFile) {
    CString strValue;
    ::GetPrivateProfileStringA(pszSection, pszKey, "", strValue.GetBuffer(nBytes + 1), nBytes + 1,
                               pszFile);
    strValue.ReleaseBuffer();
    return strValue;
}

int ReadInt(LPCSTR pszSection, LPCSTR pszKey, int nDefault, LPCSTR pszFile) {
    return static_cast<int>(::GetPrivateProfileIntA(pszSection, pszKey, nDefault, pszFile));
}

}  // namespace

void CSetUserToolDlg::LoadToolbarFile() {
    const int nGroups = ReadInt(kList, kItemCount, 0, m_strUserFile);
    for (int i = 1; i <= nGroups; ++i) {
        const CString strName = ReadString(kList, Key(i), kGroupNameBytes, m_strUserFile);
        if (strName.IsEmpty()) continue;
        auto* pGroup = new CMenuInfo;
        pGroup->m_strName = strName;
        m_groupRoot.m_listChild.AddTail(pGroup);
        const int nScreens = ReadInt(strName, kItemCount, 0, m_strUserFile);
        for (int j = 1; j <= nScreens; ++j) {
            const CString strEntry = ReadString(strName, Key(j), kEntryBytes, m_strUserFile);
            const int nFirst = strEntry.Find(',');
            const int nSecond = nFirst < 0 ? -1 : strEntry.Find(',', nFirst + 1);
            if (nSecond < 0) continue;
            auto* pScreen = new CMenuInfo;
            pScreen->m_strScreenNo = strEntry.Left(nFirst);
            pScreen->m_strShortName = strEntry.Mid(nFirst + 1, nSecond - nFirst - 1);
            pScreen->m_strName = strEntry.Mid(nSecond + 1);
            pGroup->m_listChild.AddTail(pScreen);
        }
    }
}

void CSetUserToolDlg::AddFavoritesToMenuTree() {
    const CString strFolderFormat = FromUtf8("관심화면[%d]");
    TVINSERTSTRUCT insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_CHILDREN;
    insert.item.iImage = 2;
    insert.item.iSelectedImage = 3;
    insert.item.state = INDEXTOSTATEIMAGEMASK(2);
    insert.item.stateMask = TVIS_STATEIMAGEMASK;
    insert.item.cChildren = 1;
    insert.item.pszText = const_cast<LPSTR>("Favorites");
    const HTREEITEM hFavorites = m_treeMenu.InsertItem(&insert);

    for (int nFile = kFirstFavorites; nFile <= kLastFavorites; ++nFile) {
        CString strPath;
        strPath.Format("%s\\%d.FAF", CEnvMgr::GetUserDir().GetString(), nFile);
        const int nCount = ReadInt("TOTCOUNT", "CNT", 0, strPath);
        if (nCount == 0) continue;
        CString strLabel;
        strLabel.Format(strFolderFormat, nFile);
        insert.hParent = hFavorites;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_CHILDREN;
        insert.item.iImage = 2;
        insert.item.iSelectedImage = 3;
        insert.item.state = INDEXTOSTATEIMAGEMASK(2);
        insert.item.cChildren = 1;
        insert.item.pszText = const_cast<LPSTR>(strLabel.GetString());
        const HTREEITEM hFolder = m_treeMenu.InsertItem(&insert);
        for (int k = 0; k < nCount; ++k) {
            CString strSection;
            strSection.Format("%d", k);
            const CString strCode = ReadString(strSection, "TRCODE", kCodeBytes, strPath);
            void* pValue = nullptr;
            if (strCode.GetLength() != 4 || !m_pScreenIndex ||
                !m_pScreenIndex->Lookup(strCode, pValue) || !pValue) {
                continue;
            }
            const auto* pNode = static_cast<const CMenuNode*>(pValue);
            CString strScreen;
            strScreen.Format("%s(%s)", pNode->m_strName.GetString(),
                             pNode->m_pScreen ? pNode->m_pScreen->m_strScreenNo.GetString() : "");
            const int nPicture = pNode->m_pScreen && pNode->m_pScreen->m_nScreenType == 3 ? 5 : 4;
            TVINSERTSTRUCT screen{};
            screen.hParent = hFolder;
            screen.hInsertAfter = TVI_LAST;
            screen.item.mask =
                TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
            screen.item.pszText = const_cast<LPSTR>(strScreen.GetString());
            screen.item.iImage = nPicture;
            screen.item.iSelectedImage = nPicture;
            screen.item.state = INDEXTOSTATEIMAGEMASK(nPicture);
            screen.item.stateMask = TVIS_STATEIMAGEMASK;
            screen.item.lParam = reinterpret_cast<LPARAM>(pNode);
            m_treeMenu.InsertItem(&screen);
        }
    }
}

// Selects the group that COMBOSEL names, counted after the default toolbars;
// anything outside the user's groups selects the root.
void CSetUserToolDlg::FillGroupTree() {
    m_groupRoot.m_nKind = MENU_KIND_ROOT;
    m_groupRoot.m_strName = FromUtf8("도구 아이콘 그룹목록");
    const HTREEITEM hRoot = InsertGroupItem(&m_groupRoot, TVI_ROOT);
    for (POSITION pos = m_groupRoot.m_listChild.GetHeadPosition(); pos;) {
        InsertGroupItem(m_groupRoot.m_listChild.GetNext(pos), hRoot);
    }
    m_treeGroup.Expand(hRoot, TVE_EXPAND);

    const int nSelected = ReadInt(kList, kComboSel, 0, m_strUserFile);
    const int nDefaults = ReadInt(kList, kItemCount, 0, m_strDefaultFile);
    const int nUser = ReadInt(kList, kItemCount, 0, m_strUserFile);
    HTREEITEM hGroup = nullptr;
    if (nDefaults <= nSelected && nSelected < nDefaults + nUser) {
        hGroup = m_treeGroup.GetChildItem(hRoot);
        for (int i = nSelected - nDefaults; hGroup && i > 0; --i) {
            hGroup = m_treeGroup.GetNextSiblingItem(hGroup);
        }
    }
    if (hGroup) {
        m_treeGroup.SelectItem(hGroup);
        ShowGroupScreens(hGroup);
    } else {
        m_treeGroup.SelectItem(hRoot);
        m_hCurGroup = hRoot;
    }
}

void CSetUserToolDlg::SaveToolbarFile() {
    const HTREEITEM hRoot = m_treeGroup.GetRootItem();
    const HTREEITEM hSelected = m_treeGroup.GetSelectedItem();
    const int nDefaults = ReadInt(kList, kItemCount, 0, m_strDefaultFile);
    CString strValue;
    if (!m_bModified) {
        int nPosition = 0;
        int n = 1;
        for (HTREEITEM hGroup = m_treeGroup.GetChildItem(hRoot); hGroup;
             hGroup = m_treeGroup.GetNextSiblingItem(hGroup), ++n) {
            if (hGroup == hSelected) nPosition = n;
        }
        if (hSelected != hRoot) {
            strValue.Format("%d", nDefaults - 1 + nPosition);
            ::WritePrivateProfileStringA(kList, kComboSel, strValue, m_strUserFile);
            ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_strUserFile);
        }
    } else {
        if (CRoVuvi21::VoMessageBox("Do you want to save the changes you have made?", 1,
                                    "Halvane VORK", this, nullptr) != IDOK) {
            return;
        }
        ::DeleteFileA(m_strUserFile);
        strValue.Format("%02d", static_cast<int>(m_treeGroup.GetCount()) - 1);
        ::WritePrivateProfileStringA(kList, kItemCount, strValue, m_strUserFile);
        if (m_groupRoot.m_listChild.IsEmpty()) {
            ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_strUserFile);
        } else {
            int nPosition = 1;
            int n = 1;
            for (HTREEITEM hGroup = m_treeGroup.GetChildItem(hRoot); hGroup;
                 hGroup = m_treeGroup.GetNextSiblingItem(hGroup), ++n) {
                if (hGroup == hSelected) nPosition = n;
                CMenuInfo* pGroup = GroupRecord(hGroup);
                ::WritePrivateProfileStringA(kList, Key(n), pGroup->m_strName, m_strUserFile);
                int j = 0;
                for (POSITION pos = pGroup->m_listChild.GetHeadPosition(); pos;) {
                    CMenuInfo* pScreen = pGroup->m_listChild.GetNext(pos);
                    CString& strShort = pScreen->m_strShortName;
                    const int nLength = strShort.GetLength();
                    if (nLength % 2 == 0 && nLength > 0) {
                        int nLeads = 0;
                        for (int b = 0; b < std::min(nLength, 8); ++b) {
                            if (::IsDBCSLeadByte(static_cast<BYTE>(strShort[b]))) ++nLeads;
                        }
                        if (nLeads % 2 == 1 &&
                            ::IsDBCSLeadByte(static_cast<BYTE>(strShort[nLength - 1]))) {
                            strShort = strShort.Left(nLength - 1);
                        }
                    }
                    strValue.Format("%s,%s,%s", pScreen->m_strScreenNo.GetString(),
                                    strShort.GetString(), pScreen->m_strName.GetString());
                    ::WritePrivateProfileStringA(pGroup->m_strName, Key(++j), strValue.Left(99),
                                                 m_strUserFile);
                }
                strValue.Format("%02d", j);
                ::WritePrivateProfileStringA(pGroup->m_strName, kItemCount, strValue,
                                             m_strUserFile);
            }
            strValue.Format("%d", nDefaults - 1 + nPosition);
            ::WritePrivateProfileStringA(kList, kComboSel, strValue, m_strUserFile);
            ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_strUserFile);
        }
    }
    HandOverSavedFile("0005", m_strUserFile);
    EndDialog(IDOK);
}

// Filled with the default toolbar picker.
void CSetUserToolDlg::ImportDefaultToolbars() {}
