#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"

using namespace std::string_literals;

namespace {

// One file with the shapes a reader meets: text before the first section,
// blanks, quotes, comments, lines without '=', duplicates, an LF-only part,
// CP949 names, and a second spelling of the first section.
const std::string kFile =
    "junk=before any section\r\n"
    "[Main]\r\n"
    "  Key = Value  \r\n"
    "Quoted=\"  padded  \"\r\n"
    "Single='x'\r\n"
    "Half=\"x\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    ";Comment=1\r\n"
    "\r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    "\xb0\xa1Key=\xb0\xa1\r\n"
    "\x81\x41=trail\r\n"
    "[ Spaced ]\n"
    "k=lf\n"
    "[main]\r\n"
    "Late=never\r\n";

constexpr char kFill = static_cast<char>(0xCC);

struct ReadCase {
    const char* section;
    const char* key;
    const char* def;
    DWORD nSize;
    DWORD nExpected;
    std::string written;  // the bytes the call writes; the rest of the buffer stays as it was
};

}  // namespace

TEST(ProfileRead, ValuesListsDefaultsAndTruncation) {
    TempDir dir;
    dir.Put("t.ini", kFile);
    const std::string file = dir.Path("t.ini");
    const std::vector<ReadCase> cases = {
        // values lose surrounding blanks and one pair of enclosing quotes
        {"Main", "Key", "d", 64, 5, "Value\0"s},
        {"MAIN", "kEY", "d", 64, 5, "Value\0"s},
        {"Main", "Quoted", "d", 64, 10, "  padded  \0"s},
        {"Main", "Single", "d", 64, 1, "x\0"s},
        {"Main", "Half", "d", 64, 2, "\"x\0"s},
        {"Main", "Empty", "d", 64, 0, "\0"s},
        // what is not a key gives the default
        {"Main", "NoEquals", "d", 64, 1, "d\0"s},
        {"Main", ";Comment", "d", 64, 1, "d\0"s},
        {"Main", "junk", "d", 64, 1, "d\0"s},
        {"Main", "", "d", 64, 1, "d\0"s},
        {"", "Key", "d", 64, 1, "d\0"s},
        {"Main", "Key ", "d", 64, 1, "d\0"s},
        // the first of duplicate keys and sections wins
        {"Main", "dup", "d", 64, 5, "first\0"s},
        {"Main", "Late", "d", 64, 1, "d\0"s},
        // CP949 names: ASCII letters fold, double-byte characters compare as bytes
        {"Main", "\xb0\xa1KEY", "d", 64, 2, "\xb0\xa1\0"s},
        {"Main", "\x81\x41", "d", 64, 5, "trail\0"s},
        {"Main", "\x81\x61", "d", 64, 1, "d\0"s},
        {"Spaced", "K", "d", 64, 2, "lf\0"s},
        // defaults: NULL, trailing blanks dropped, leading kept
        {"Main", "missing", nullptr, 64, 0, "\0"s},
        {"Main", "missing", " d \t ", 64, 2, " d\0"s},
        {"Nope", "missing", "d", 64, 1, "d\0"s},
        // values and defaults are cut to the buffer
        {"Main", "Key", "d", 0, 0, ""},
        {"Main", "Key", "d", 1, 0, "\0"s},
        {"Main", "Key", "d", 3, 2, "Va\0"s},
        {"Main", "Key", "d", 6, 5, "Value\0"s},
        {"Main", "missing", "default", 4, 3, "def\0"s},
        // key lists; a missing section answers with the default
        {"Spaced", nullptr, "d", 64, 2, "k\0\0"s},
        {"Main", nullptr, "d", 12, 10, "Key\0Quoted\0\0"s},
        {"Nope", nullptr, "default", 5, 4, "defa\0"s},
        {"Nope", nullptr, nullptr, 64, 0, "\0"s},
        // section lists: cut inside the name that overflows, ending in two NULs
        {nullptr, "ignored", "d", 64, 17, "Main\0Spaced\0main\0\0"s},
        {nullptr, nullptr, "d", 19, 17, "Main\0Spaced\0main\0\0"s},
        {nullptr, nullptr, "d", 18, 16, "Main\0Spaced\0main\0\0"s},  // an exact fit counts as cut
        {nullptr, nullptr, "d", 8, 6, "Main\0S\0\0"s},
        {nullptr, nullptr, "d", 2, 0, "\0\0"s},
        {nullptr, nullptr, "d", 1, 0, "\0"s},
    };
    for (const ReadCase& c : cases) {
        std::string buffer(c.nSize + 8, kFill);
        const DWORD n =
            GetPrivateProfileStringA(c.section, c.key, c.def, buffer.data(), c.nSize, file.c_str());
        const std::string label = std::string(c.section ? c.section : "NULL") + "/" +
                                  (c.key ? c.key : "NULL") + " size " + std::to_string(c.nSize);
        EXPECT_EQ(c.nExpected, n) << label;
        EXPECT_EQ(c.written + std::string(buffer.size() - c.written.size(), kFill), buffer)
            << label;
    }
}

TEST(ProfileRead, MissingOrEmptyFiles) {
    TempDir dir;
    const std::string missing = dir.Path("missing.ini");
    char buffer[16];
    EXPECT_EQ(3u,
              GetPrivateProfileStringA("S", "k", "def", buffer, sizeof buffer, missing.c_str()));
    EXPECT_STREQ("def", buffer);
    EXPECT_EQ(0u, GetPrivateProfileStringA(nullptr, nullptr, "def", buffer, sizeof buffer,
                                           missing.c_str()));
    EXPECT_EQ(5u, GetPrivateProfileIntA("S", "k", 5, missing.c_str()));
    EXPECT_FALSE(dir.Get("missing.ini")) << "a read never creates the file";
    EXPECT_EQ(3u, GetPrivateProfileStringA("S", "k", "def", buffer, sizeof buffer, nullptr));
    EXPECT_EQ(0u,
              GetPrivateProfileStringA("S", "k", "def", nullptr, sizeof buffer, missing.c_str()));
}

TEST(ProfileRead, Integers) {
    struct IntCase {
        const char* value;  // nullptr: the key is missing
        UINT nExpected;
    } cases[] = {
        {"12", 12},
        {"-1", 4294967295u},
        {"+5", 5},
        {"12abc", 12},
        {"abc", 0},
        {"", 7},
        {nullptr, 7},
        {"0x1F", 31},
        {"0X1F", 0},
        {"0x", 0},
        {"0b101", 5},
        {"010", 10},
        {"4294967297", 1},
        {"\" 42 \"", 42},
        {"- 3", 0},
        {"\xb0\xa1 12", 12},
        {"-4294967297", 4294967295u},
    };
    TempDir dir;
    const std::string file = dir.Path("i.ini");
    for (const IntCase& c : cases) {
        ASSERT_TRUE(WritePrivateProfileStringA("S", "n", c.value, file.c_str()));
        EXPECT_EQ(c.nExpected, GetPrivateProfileIntA("S", "n", 7, file.c_str()))
            << (c.value ? c.value : "NULL");
    }
    // The list forms parse the first name of the list.
    dir.Put("l.ini", "[7x]\r\n01=a\r\n[Empty]\r\n");
    const std::string list = dir.Path("l.ini");
    EXPECT_EQ(1u, GetPrivateProfileIntA("7x", nullptr, 9, list.c_str()));
    EXPECT_EQ(7u, GetPrivateProfileIntA(nullptr, "01", 9, list.c_str()));
    EXPECT_EQ(9u, GetPrivateProfileIntA("Empty", nullptr, 9, list.c_str()));
}
