#include "GroupName.h"

#include "toolbar/MenuInfo.h"

namespace {

// The section that holds the list of groups, so no group may take its name.
constexpr char kListSection[] = "LIST";
constexpr char kBlanks[] = " \t\v\f";

bool IsQuoted(const CString& strName) {
    const int nLength = strName.GetLength();
    const char chFirst = nLength >= 2 ? strName[0] : '\0';
    return (chFirst == '"' || chFirst == '\'') && strName[nLength - 1] == chFirst;
}

}  // namespace

bool IsSameGroupName(LPCSTR pszName, LPCSTR pszOther) {
    return GroupNameKey(pszName) == GroupNameKey(pszOther);
}

// The profile functions fold only ASCII letters of code-page names; a
// double-byte letter, full-width Latin included, keeps its case.
CString GroupNameKey(LPCSTR pszName) {
    CString strKey = pszName;
    for (int i = 0; i < strKey.GetLength(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(strKey[i])) && i + 1 < strKey.GetLength())
            ++i;
        else if (strKey[i] >= 'A' && strKey[i] <= 'Z')
            strKey.SetAt(i, static_cast<char>(strKey[i] - 'A' + 'a'));
    }
    return strKey;
}

CString CutGroupNameBlanks(const CString& strName) {
    CString strCut = strName;
    return strCut.Trim(kBlanks);
}

CString GroupNameFault(const CString& strName) {
    if (strName.IsEmpty()) return "A group name cannot be blank.";
    if (strName.Find(']') >= 0 || strName.Find('\r') >= 0 || strName.Find('\n') >= 0) {
        return "A group name cannot contain \"]\" or a line break.";
    }
    if (IsSameGroupName(strName, kListSection)) return "The name \"LIST\" is reserved.";
    if (IsQuoted(strName)) return "A group name cannot be enclosed in quotation marks.";
    return "";
}

CMenuInfo* FindGroup(const CMenuInfo& root, LPCSTR pszName, const CMenuInfo* pExcept) {
    for (POSITION pos = root.m_listChild.GetHeadPosition(); pos;) {
        CMenuInfo* pGroup = root.m_listChild.GetNext(pos);
        if (pGroup != pExcept && IsSameGroupName(pGroup->m_strName, pszName)) return pGroup;
    }
    return nullptr;
}
