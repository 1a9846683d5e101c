# Writes OUTPUT, a C++ source that registers the bytes of INPUT as bitmap ID.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.
#include \"afxresource.h\"

namespace {
const unsigned char kBitmap[] = {
    ${bytes}
};
AFX_BITMAP_RESOURCE(kBitmap, ${ID}, kBitmap);
}  // namespace
")
