// Text in the output lines of a script, exactly as tools that compare
// sessions read it: quoted texts on one line, file bytes as the profile
// cases escape them.
#include <gtest/gtest.h>

#include "Escape.h"

namespace script {
namespace {

TEST(ScriptOutput, QuotesTextOnOneLineAndEscapesFileBytes) {
    EXPECT_EQ(Quote(""), "\"\"");
    EXPECT_EQ(Quote("a\nb \"c\" d\\e \xEC\xA3\xBC"), "\"a\\nb \\\"c\\\" d\\\\e \xEC\xA3\xBC\"");
    const std::pair<std::string, std::string> bytes[] = {
        {"[Main]\r\nKey=Value\r\n", "[Main]\\r\\nKey=Value\\r\\n"},
        {std::string("a\0b\tc\\", 6), "a\\x00b\\tc\\\\"},
        {"\x1f\x7f\x80\xff", "\\x1f\x7f\\x80\\xff"},
        {"a b ", "a b\\x20"},
    };
    for (const auto& [raw, escaped] : bytes) EXPECT_EQ(EscapeBytes(raw), escaped) << escaped;
}

}  // namespace
}  // namespace script
