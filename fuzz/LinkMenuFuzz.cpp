// The link menu reader on a file of any bytes, each value split into the
// three fields of a row as the dialog does, until the list would be full.

#include "FuzzInput.h"
#include "linkmenu/LinkMenuFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::WriteFile("UserConnectMenu.ini", fuzz::Bytes(data, size));
    int nRows = 0;
    int nLastIndex = -1;
    ReadLinkMenuFile(file.c_str(), [&](const CString& strValue, int nIndex) {
        FUZZ_EXPECT(nIndex > nLastIndex && !strValue.IsEmpty());
        nLastIndex = nIndex;
        LinkMenuEntry entry;
        if (SplitLinkMenuValue(strValue, entry)) ++nRows;
        return nRows < 10;
    });
    return 0;
}
