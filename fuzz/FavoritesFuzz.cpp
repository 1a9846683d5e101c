// The favorites reader on a file of any bytes: only screens of the index come back.

#include "FuzzInput.h"
#include "SampleMenu.h"
#include "toolbar/ToolbarFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::SampleMenu menu;
    const std::string file = fuzz::WriteFile("9101.FAF", fuzz::Bytes(data, size));
    if (const auto screens = ReadFavorites(file.c_str(), &menu.index)) {
        for (const CMenuNode* pNode : *screens) FUZZ_EXPECT(pNode->m_pScreen);
    }
    return 0;
}
