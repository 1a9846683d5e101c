// The code page's rules on bytes of any kind, through the framework's string
// and the conversions: the input splits at its first NUL into a text and a
// needle. Searches land on character boundaries, case mapping keeps every
// length, and a comparison without case agrees with both mappings.
#include <afxcodepage.h>
#include <afxstr.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "FuzzInput.h"

namespace {

int CharSize(const CString& str, int pos) {
    return IsDBCSLeadByte(static_cast<BYTE>(str[pos])) && pos + 1 < str.GetLength() ? 2 : 1;
}

// Whether pos starts a character when the text is read from nFrom on.
bool OnBoundary(const CString& str, int nFrom, int pos) {
    int i = nFrom;
    while (i < pos) i += CharSize(str, i);
    return i == pos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::size_t nSplit = bytes.find('\0');
    const std::string strText(bytes.substr(0, nSplit));
    const std::string strNeedle(nSplit == std::string_view::npos ? "," : bytes.substr(nSplit + 1));
    const CString text(strText.data(), static_cast<int>(strText.size()));
    const CString needle(strNeedle.c_str());

    for (int nStart = 0, nFound; (nFound = text.Find(needle, nStart)) >= 0;
         nStart = nFound + CharSize(text, nFound)) {
        FUZZ_EXPECT(nFound >= nStart && OnBoundary(text, nStart, nFound));
        FUZZ_EXPECT(text.Mid(nFound, needle.GetLength()) == needle);
        if (needle.IsEmpty() || nFound >= text.GetLength()) break;
    }
    if (!needle.IsEmpty()) {
        const int nComma = text.Find(needle[0]);
        FUZZ_EXPECT(nComma < 0 || OnBoundary(text, 0, nComma));
        const int nLast = text.ReverseFind(needle[0]);
        FUZZ_EXPECT(nLast < 0 || (nLast >= nComma && OnBoundary(text, 0, nLast)));
    }

    CString upper = text;
    CString lower = text;
    upper.MakeUpper();
    lower.MakeLower();
    FUZZ_EXPECT(upper.GetLength() == text.GetLength() && lower.GetLength() == text.GetLength());
    FUZZ_EXPECT(upper.CompareNoCase(lower) == 0 && text.CompareNoCase(upper) == 0);

    const std::string utf8 = afx::Cp949ToUtf8(strText);
    afx::Utf8ToCp949(utf8);
    afx::Cp949ToUtf8(afx::Utf8ToCp949(strText));
    return 0;
}
