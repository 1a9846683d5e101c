#include <afx.h>
#include <afxcodepage.h>

#include <gtest/gtest.h>

#include <string>

TEST(CodePage, LeadBytesRunFrom0x81To0xFE) {
    for (const BYTE b : {0x81, 0xB0, 0xFE}) EXPECT_TRUE(IsDBCSLeadByte(b)) << int{b};
    for (const BYTE b : {0x80, 0xFF, 0x61}) EXPECT_FALSE(IsDBCSLeadByte(b)) << int{b};
}

TEST(CodePage, MakeUpperChangesWholeCharactersOnly) {
    struct Case {
        const char* input;
        const char* expected;
    } cases[] = {
        {"abc xyz 09", "ABC XYZ 09"},
        {"\xa3\xe1\xa3\xfa", "\xa3\xc1\xa3\xda"},  // full-width a z
        {"\xa5\xe1\xa5\xf8", "\xa5\xc1\xa5\xd8"},  // Greek alpha omega
        {"\xac\xd1", "\xac\xa1"},                  // Cyrillic a
        {"\xa5\xa1\xa5\xaa", "\xa5\xb0\xa5\xb9"},  // small Roman numerals i, x
        {"\xb0\xa1\xb3\xaa", "\xb0\xa1\xb3\xaa"},  // Hangul has no case
        {"\x81\x61", "\x81\x61"},                  // trail byte 'a' stays
        {"a\xb0", "A\xb0"},                        // a lone lead byte at the end
        {"\xc9\x61z", "\xc9\x61Z"},                // a pair with no character
        {"\xa3\xc1", "\xa3\xc1"},                  // already upper
    };
    for (const Case& c : cases) {
        CString s(c.input);
        EXPECT_EQ(CString(c.expected), s.MakeUpper()) << c.input;
    }
    CString lower("\xa3\xc1Z\xa5\xb0");
    EXPECT_EQ("\xa3\xe1z\xa5\xa1", lower.MakeLower());
}

TEST(CodePage, SearchNeverMatchesInsideACharacter) {
    // 0x8141 and 0x8161 are double-byte characters whose trail bytes are 'A' and 'a'.
    const CString s(
        "\x81\x41"
        "A\x81\x61"
        "a");
    EXPECT_EQ(2, s.Find('A'));
    EXPECT_EQ(5, s.Find('a'));
    EXPECT_EQ(5, s.ReverseFind('a'));
    EXPECT_EQ(2, s.Find("A"));
    EXPECT_EQ(-1, s.Find("\x81"));      // half a character never matches
    EXPECT_EQ(-1, s.Find("\x41\x41"));  // a trail byte is not a start
    EXPECT_EQ(3, s.Find("\x81\x61"));
    EXPECT_EQ(0, CString("\xb0\xa1").Find("\xb0\xa1"));
    CString r("\x81\x41\x41");
    EXPECT_EQ(1, r.Replace("A", "b"));
    EXPECT_EQ(
        "\x81\x41"
        "b",
        r);
}

TEST(CodePage, ConversionKeepsWhatDoesNotConvert) {
    struct Case {
        std::string cp949;
        std::string utf8;
    } cases[] = {
        {"\xb0\xa1\xb3\xaa abc", "\xea\xb0\x80\xeb\x82\x98 abc"},
        {"\xa3\xc1", "\xef\xbc\xa1"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.utf8, afx::Cp949ToUtf8(c.cp949));
        EXPECT_EQ(c.cp949, afx::Utf8ToCp949(c.utf8));
    }
    EXPECT_EQ(
        "a\xff"
        "b\xb0",
        afx::Cp949ToUtf8("a\xff"
                         "b\xb0"));                          // invalid byte, lone lead byte
    EXPECT_EQ("a\xff\xc3", afx::Utf8ToCp949("a\xff\xc3"));   // invalid and cut UTF-8
    EXPECT_EQ("?x", afx::Utf8ToCp949("\xf0\x9f\x98\x80x"));  // no CP949 equivalent
}
