// The toolbar files: the user's toolbars read into the group tree at start
// and written back by Save, the favorites branch of the menu tree, and the
// screens of default toolbars copied into a group ("Modify Group").
#include <EnvMgr.h>
#include <FlyoutLib.h>
#include <afxcodepage.h>

#include <algorithm>

#include "SetUserToolDlg.h"
#include "menutree/TreePictures.h"
#include "editing/ProfileDraft.h"
#include "menu/ShortName.h"
#include "toolbar/ToolbarFileReader.h"
#include "toolbar/ToolbarFileFormat.h"

using namespace toolbar_file;

namespace {

constexpr int kWrittenEntryBytes = 99;
constexpr int kFirstFavorites = 9101;
constexpr int kLastFavorites = 9110;

CString FromUtf8(LPCSTR pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8).c_str();
}

bool IsLeadByte(char c) {
    return ::IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE;
}

// A screen entry holds at most 99 bytes; a longer one loses the end of its
// screen name, never half a character.
CString ScreenEntry(const CMenuInfo& screen) {
    CString strEntry;
    strEntry.Format("%s,%s,%s", screen.m_strScreenNo.GetString(), screen.m_strShortName.GetString(),
                    screen.m_strName.GetString());
    int nCut = 0;
    while (nCut < strEntry.GetLength()) {
        const int nChar = IsLeadByte(strEntry[nCut]) && nCut + 1 < strEntry.GetLength() ? 2 : 1;
        if (nCut + nChar > kWrittenEntryBytes) break;
        nCut += nChar;
    }
    return strEntry.Left(nCut);
}

// A group's place among the root's children, counting from 1; 0 for an
// item that is none of them.
int GroupPosition(const CTreeCtrl& tree, HTREEITEM hItem) {
    int n = 1;
    for (HTREEITEM hGroup = tree.GetChildItem(tree.GetRootItem()); hGroup;
         hGroup = tree.GetNextSiblingItem(hGroup), ++n) {
        if (hGroup == hItem) return n;
    }
    return 0;
}

}  // namespace

void CSetUserToolDlg::LoadToolbarFile() {
    ReadToolbarFile(m_strUserFile, m_groupRoot);
}

// Favorites become folders of a second branch of the menu tree, one per
// favorites file that lists screens; their screens are picked like any
// screen of the menu.
void CSetUserToolDlg::AddFavoritesToMenuTree() {
    // Favorites and its folders say they have children, so they never match
    // and the search is told of the screens alone.
    const HTREEITEM hFavorites = InsertFolderItem(m_treeMenu, TVI_ROOT, "Favorites", true, 0);
    const CString strFolderFormat = FromUtf8("관심화면[%d]");
    for (int nFile = kFirstFavorites; nFile <= kLastFavorites; ++nFile) {
        CString strPath;
        strPath.Format("%s\\%d.FAF", CEnvMgr::GetUserDir().GetString(), nFile);
        const auto screens = ReadFavorites(strPath, m_pScreenIndex);
        if (!screens) continue;
        CString strLabel;
        strLabel.Format(strFolderFormat, nFile);
        const HTREEITEM hFolder = InsertFolderItem(m_treeMenu, hFavorites, strLabel, true, 0);
        for (const CMenuNode* pNode : *screens) {
            CString strScreen;
            strScreen.Format("%s(%s)", pNode->m_strName.GetString(),
                             pNode->m_pScreen ? pNode->m_pScreen->m_strScreenNo.GetString() : "");
            m_search.Add(InsertScreenItem(m_treeMenu, hFolder, strScreen, *pNode), strScreen,
                         false);
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

    const int nPosition = ReadSelectedToolbar(m_strUserFile, m_strDefaultFile);
    HTREEITEM hGroup = nullptr;
    if (nPosition >= 0) {
        hGroup = m_treeGroup.GetChildItem(hRoot);
        for (int i = nPosition; hGroup && i > 0; --i) {
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

// A user file that exists but cannot be read is told at once; the dialog
// then shows none of its groups and its Save never replaces it.
void CSetUserToolDlg::CheckUserFileReadable() {
    m_strReadFailure = UnreadableReason(m_strUserFile);
    if (!m_strReadFailure.IsEmpty()) Alert(UnreadableMessage(m_strUserFile, m_strReadFailure));
}

// Without changes only the selection is recorded. With changes the file is
// written anew, after the question. Either way the new file is composed
// beside the user's file and replaces it whole; a save that fails says why
// and leaves the dialog open, to try again or cancel.
void CSetUserToolDlg::SaveToolbarFile() {
    const HTREEITEM hSelected = m_treeGroup.GetSelectedItem();
    const bool bWrite = m_bModified || hSelected != m_treeGroup.GetRootItem();
    if (bWrite && !m_strReadFailure.IsEmpty()) {
        Alert(UnreadableMessage(m_strUserFile, m_strReadFailure));
        return;
    }
    if (m_bModified && !Ask("Do you want to save the changes you have made?")) return;
    if (bWrite) {
        const int nDefaults = ReadCount(kList, kItemCount, m_strDefaultFile);
        CProfileDraft file(m_strUserFile, !m_bModified);
        if (m_bModified) {
            WriteToolbarFile(file, nDefaults);
        } else {
            file.Write(kList, kComboSel, ComboSel(nDefaults, GroupPosition(m_treeGroup, hSelected)),
                       "%d");
        }
        if (!file.Publish()) {
            Alert(file.Failure());
            return;
        }
    }
    HandOverSavedFile("0005", m_strUserFile);
    EndDialog(IDOK);
}

void CSetUserToolDlg::WriteToolbarFile(CProfileDraft& file, int nDefaults) {
    file.Write(kList, kItemCount, static_cast<int>(m_treeGroup.GetCount()) - 1, "%02d");
    if (const HTREEITEM hFirst = m_treeGroup.GetChildItem(m_treeGroup.GetRootItem())) {
        int n = 1;
        for (HTREEITEM hGroup = hFirst; hGroup; hGroup = m_treeGroup.GetNextSiblingItem(hGroup)) {
            const CMenuInfo* pGroup = GroupRecord(hGroup);
            file.Write(kList, Key(n++), pGroup->m_strName);
            int j = 0;
            for (POSITION pos = pGroup->m_listChild.GetHeadPosition(); pos;) {
                CMenuInfo* pScreen = pGroup->m_listChild.GetNext(pos);
                pScreen->m_strShortName = StorableShortName(pScreen->m_strShortName);
                file.Write(pGroup->m_strName, Key(++j), ScreenEntry(*pScreen));
            }
            file.Write(pGroup->m_strName, kItemCount, j, "%02d");
        }
        // With the root selected the first group is recorded.
        const int nPosition =
            std::max(GroupPosition(m_treeGroup, m_treeGroup.GetSelectedItem()), 1);
        file.Write(kList, kComboSel, ComboSel(nDefaults, nPosition), "%d");
    }
}

void CSetUserToolDlg::ModifyGroup() {
    CRect rcButton;
    m_btnModifyGroup.GetWindowRect(&rcButton);
    CGroupEditDlg picker;
    picker.SetInfo(rcButton, m_aDefaultImport, m_strDefaultFile);
    if (picker.DoModal() == IDOK) ImportDefaultToolbars();
}

// The screens of the ticked default toolbars go one after the other below
// the selected row of the selected group. A full group, or no group, ends
// the import; a screen the group already holds is reported and passed over.
void CSetUserToolDlg::ImportDefaultToolbars() {
    for (int t = 0; t < CGroupEditDlg::kSlots; ++t) {
        if (!m_aDefaultImport[t]) continue;
        for (const CMenuNode* pNode : ReadDefaultToolbar(m_strDefaultFile, t + 1, m_pScreenIndex)) {
            CMenuInfo* pGroup = GroupRecord(m_treeGroup.GetSelectedItem());
            if (!pGroup) {
                Alert("Specify group to insert.");
                return;
            }
            if (pGroup->m_listChild.GetCount() >= kMaxScreens) {
                Alert(LimitMessage());
                return;
            }
            if (pGroup->m_nKind != MENU_KIND_GROUP) {
                Alert("Specify group to insert.");
                return;
            }
            const int nAfter = GetSelectedListIndex();
            if (AddScreen(pGroup, pNode, nAfter)) RefreshList(*pGroup, nAfter + 1);
        }
    }
}
