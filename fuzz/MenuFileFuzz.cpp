// The host's menu file parser on text of any bytes: a menu or the line and
// reason of the first malformed line, nothing else.

#include "FuzzInput.h"
#include "MenuFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        host::ParseMenuFile(fuzz::Bytes(data, size));
    } catch (const host::MenuFileError& error) {
        FUZZ_EXPECT(error.Line() >= 1 && !error.Reason().empty());
    }
    return 0;
}
