#include "linkmenu/LinkMenuFile.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "menu/EntryFields.h"
#include "menu/NumberedNames.h"

namespace {

constexpr LPCSTR kEntrySection = "USERMENU";
constexpr LPCSTR kMissing = "Empty Section";
constexpr DWORD kValueBytes = 512;

// The value, or "" when the key is missing or holds the word that stands for
// a missing key.
CString ReadValue(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszFile) {
    char szValue[kValueBytes];
    ::GetPrivateProfileStringA(pszSection, pszKey, kMissing, szValue, kValueBytes, pszFile);
    return std::strcmp(szValue, kMissing) == 0 ? CString() : CString(szValue);
}

// The leading decimal integer of a text (blanks, a sign, digits), 0 when
// there is none, held within the range of int.
int LeadingInteger(LPCSTR pszText) {
    const long nValue = std::strtol(pszText, nullptr, 10);
    return nValue > INT_MAX ? INT_MAX : nValue < INT_MIN ? INT_MIN : static_cast<int>(nValue);
}

CString Number(int n) {
    CString strNumber;
    strNumber.Format("%d", n);
    return strNumber;
}

}  // namespace

bool SplitLinkMenuValue(const CString& strValue, LinkMenuEntry& entry) {
    const auto fields = SplitEntryFields(strValue);
    if (fields) entry = {(*fields)[0], (*fields)[1], (*fields)[2]};
    return fields.has_value();
}

void ReadLinkMenuFile(LPCSTR pszFile, const std::function<bool(const CString&, int)>& onValue) {
    const CString strCount = ReadValue("USERMENUCOUNT", "Count", pszFile);
    if (strCount.IsEmpty()) return;
    const int nCount = LeadingInteger(strCount);
    if (nCount <= 0) return;
    for (const int nKey : NumberedNames(kEntrySection, pszFile, 1, nCount)) {
        const CString strValue = ReadValue(kEntrySection, Number(nKey), pszFile);
        if (!strValue.IsEmpty() && !onValue(strValue, nKey - 1)) return;
    }
}
