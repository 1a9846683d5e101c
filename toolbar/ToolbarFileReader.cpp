#include "toolbar/ToolbarFileReader.h"

#include <string>
#include <unordered_set>

#include "menu/EntryFields.h"
#include "menu/NumberedNames.h"
#include "toolbar/GroupName.h"
#include "toolbar/ToolbarFileFormat.h"

using namespace toolbar_file;

namespace {

constexpr int kGroupNameBytes = 48;
constexpr int kEntryBytes = 255;
constexpr int kCodeBytes = 15;
constexpr int kCodeLength = 4;

CString ReadString(LPCSTR pszSection, LPCSTR pszKey, int nBytes, LPCSTR pszFile) {
    CString strValue;
    ::GetPrivateProfileStringA(pszSection, pszKey, "", strValue.GetBuffer(nBytes + 1), nBytes + 1,
                               pszFile);
    strValue.ReleaseBuffer();
    return strValue;
}

const CMenuNode* Lookup(const CMapStringToPtr* pIndex, const CString& strCode) {
    void* pValue = nullptr;
    if (!pIndex || !pIndex->Lookup(strCode, pValue)) return nullptr;
    return static_cast<const CMenuNode*>(pValue);
}

}  // namespace

// A file written by hand or by an older version may name groups that the
// file cannot keep apart: "LIST" is the list itself, a name equal to an
// earlier one but for letter case reads the earlier one's section, a name
// holding ']' makes a header that reads as a shorter name. A group under
// such a name would show, and on the next save overwrite, another's screens,
// so it is left out, by the rule the dialog applies to names typed.
void ReadToolbarFile(LPCSTR pszFile, CMenuInfo& root) {
    std::unordered_set<std::string> taken;
    const int nGroups = ReadCount(kList, kItemCount, pszFile);
    for (const int i : NumberedNames(kList, pszFile, 1, nGroups)) {
        const CString strName = ReadString(kList, Key(i), kGroupNameBytes, pszFile);
        if (!GroupNameFault(strName).IsEmpty() ||
            !taken.insert(GroupNameKey(strName).GetString()).second)
            continue;
        auto* pGroup = new CMenuInfo;
        pGroup->m_strName = strName;
        root.m_listChild.AddTail(pGroup);
        const int nScreens = ReadCount(strName, kItemCount, pszFile);
        for (const int j : NumberedNames(strName, pszFile, 1, nScreens)) {
            const CString strEntry = ReadString(strName, Key(j), kEntryBytes, pszFile);
            const auto fields = SplitEntryFields(strEntry);
            if (!fields) continue;
            auto* pScreen = new CMenuInfo;
            pScreen->m_strScreenNo = (*fields)[0];
            pScreen->m_strShortName = (*fields)[1];
            pScreen->m_strName = (*fields)[2];
            pGroup->m_listChild.AddTail(pScreen);
        }
    }
}

// The counts may be anything an int holds, so the sums are taken wider.
int ReadSelectedToolbar(LPCSTR pszUserFile, LPCSTR pszDefaultFile) {
    const long long nSelected = ReadCount(kList, kComboSel, pszUserFile);
    const long long nDefaults = ReadCount(kList, kItemCount, pszDefaultFile);
    const long long nUser = ReadCount(kList, kItemCount, pszUserFile);
    if (nSelected < nDefaults || nSelected >= nDefaults + nUser) return -1;
    return static_cast<int>(nSelected - nDefaults);
}

// Unsigned, the sum wraps at 32 bits as the file's numbers do when read.
int ComboSel(int nDefaults, int nPosition) {
    return static_cast<int>(static_cast<unsigned>(nDefaults) + static_cast<unsigned>(nPosition) -
                            1u);
}

std::vector<const CMenuNode*> ReadDefaultToolbar(LPCSTR pszDefaultFile, int nToolbar,
                                                 const CMapStringToPtr* pIndex) {
    std::vector<const CMenuNode*> screens;
    const CString strToolbar = ReadString(kList, Key(nToolbar), kEntryBytes, pszDefaultFile);
    if (strToolbar.IsEmpty()) return screens;
    const int nScreens = ReadCount(strToolbar, kItemCount, pszDefaultFile);
    for (const int j : NumberedNames(strToolbar, pszDefaultFile, 1, nScreens)) {
        const CString strEntry = ReadString(strToolbar, Key(j), kEntryBytes, pszDefaultFile);
        if (strEntry.IsEmpty()) continue;
        const CMenuNode* pNode = Lookup(pIndex, strEntry.Left(kCodeLength));
        if (pNode && pNode->m_nKind == MENU_NODE_SCREEN) screens.push_back(pNode);
    }
    return screens;
}

std::optional<std::vector<const CMenuNode*>> ReadFavorites(LPCSTR pszFile,
                                                           const CMapStringToPtr* pIndex) {
    const int nCount = ReadCount("TOTCOUNT", "CNT", pszFile);
    if (nCount == 0) return std::nullopt;
    std::vector<const CMenuNode*> screens;
    if (nCount < 0) return screens;
    for (const int k : NumberedNames(nullptr, pszFile, 0, nCount - 1)) {
        CString strSection;
        strSection.Format("%d", k);
        const CString strCode = ReadString(strSection, "TRCODE", kCodeBytes, pszFile);
        if (strCode.GetLength() != kCodeLength) continue;
        if (const CMenuNode* pNode = Lookup(pIndex, strCode)) screens.push_back(pNode);
    }
    return screens;
}
