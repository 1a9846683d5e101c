#include <afx.h>

#include <gtest/gtest.h>

#include "InvalidArg.h"

#include <string>

TEST(CString, TextEndsAtTheFirstNul) {
    const char bytes[] = {'a', 'b', '\0', 'c', 'd'};
    CString s(bytes, 5);
    EXPECT_EQ(2, s.GetLength());
    EXPECT_EQ("ab", s);
    EXPECT_EQ(0, CString(nullptr).GetLength());
    EXPECT_EQ(0, CString('\0', 3).GetLength());
    EXPECT_EQ(2, CString(std::string(bytes, 5)).GetLength());  // taken over, not copied
    s += '\0';
    EXPECT_EQ(2, s.GetLength());
    s.SetAt(1, '\0');
    EXPECT_EQ("a", s);
    EXPECT_EQ('\0', s.GetAt(1));  // the terminator may be read
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(1, 'x'); }));
    EXPECT_TRUE(ThrowsInvalidArg([] { CString(nullptr, 2); }));
    EXPECT_EQ("a", s);
}

TEST(CString, ExtractionClampsCounts) {
    const CString s("abcdef");
    struct Case {
        CString actual;
        const char* expected;
    } cases[] = {
        {s.Left(2), "ab"},     {s.Left(-1), ""},   {s.Left(99), "abcdef"}, {s.Mid(4), "ef"},
        {s.Mid(-3), "abcdef"}, {s.Mid(9), ""},     {s.Mid(1, 3), "bcd"},   {s.Mid(4, 9), "ef"},
        {s.Mid(2, -1), ""},    {s.Right(2), "ef"}, {s.Right(-2), ""},      {s.Right(9), "abcdef"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, c.actual);
}

TEST(CString, FindWithStartIndex) {
    const CString s("abcabc");
    struct Case {
        int actual;
        int expected;
    } cases[] = {
        {s.Find('b'), 1},        {s.Find('b', 2), 4},      {s.Find('b', 5), -1},
        {s.Find('z'), -1},       {s.Find('a', -1), -1},    {s.Find("bc"), 1},
        {s.Find("bc", 2), 4},    {s.Find("bc", 6), -1},    {s.Find("", 3), 3},
        {s.Find("", 6), 6},      {s.Find("abcd"), -1},     {s.Find("c", 7), -1},
        {s.ReverseFind('a'), 3}, {s.ReverseFind('z'), -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, c.actual);
}

TEST(CString, FormatFollowsPrintfAndEndsAtANul) {
    CString s;
    s.Format("%d|%02d|%s|%%", -7, 3, "x\xb0\xa1");
    EXPECT_EQ("-7|03|x\xb0\xa1|%", s);
    s.Format("%s%c", "ab", 0);
    EXPECT_EQ(2, s.GetLength());
    s.Format("[%s]", std::string(5000, 'x').c_str());
    EXPECT_EQ(5002, s.GetLength());
}

TEST(CString, TrimSets) {
    struct Case {
        const char* input;
        const char* targets;  // nullptr: white space
        const char* both;
        const char* left;
        const char* right;
    } cases[] = {
        {" \t a b \r\n", nullptr, "a b", "a b \r\n", " \t a b"},
        {"xxaxx", "x", "a", "axx", "xxa"},
        {"xyaxy", "yx", "a", "axy", "xya"},
        {"", "x", "", "", ""},
        {"xxx", "x", "", "", ""},
        {"abc", "", "abc", "abc", "abc"},
        // a trail byte equal to a target (0x41 'A') is part of its character
        {"\x81\x41", "A", "\x81\x41", "\x81\x41", "\x81\x41"},
        {"\xb0\xa1 x \xb0\xa1", "\xb0\xa1 ", "x", "x \xb0\xa1", "\xb0\xa1 x"},
    };
    for (const Case& c : cases) {
        CString both(c.input), left(c.input), right(c.input);
        if (c.targets) {
            both.Trim(c.targets);
            left.TrimLeft(c.targets);
            right.TrimRight(c.targets);
        } else {
            both.Trim();
            left.TrimLeft();
            right.TrimRight();
        }
        EXPECT_EQ(c.both, both) << c.input;
        EXPECT_EQ(c.left, left) << c.input;
        EXPECT_EQ(c.right, right) << c.input;
    }
    CString s("..a..");
    EXPECT_EQ("a..", s.TrimLeft('.'));
    EXPECT_EQ("a", s.TrimRight('.'));
}

// The text ends at the first NUL written into the buffer, or at the length given.
TEST(CString, GetBufferAndReleaseBuffer) {
    CString s("abc");
    std::snprintf(s.GetBuffer(10), 11, "%s", "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ("0123456789", s);
    s.GetBuffer(0)[3] = '\0';
    s.ReleaseBuffer();
    EXPECT_EQ("012", s);
    std::snprintf(s.GetBuffer(8), 9, "%s", "abcdefgh");
    s.ReleaseBuffer(5);
    EXPECT_EQ("abcde", s);
    s.GetBufferSetLength(2);
    s.ReleaseBuffer();
    EXPECT_EQ("ab", s);
}

TEST(CString, ComparisonAndConcatenation) {
    const CString a("Apple"), b("apple");
    EXPECT_NE(a, b);
    EXPECT_EQ(0, a.CompareNoCase(b));
    EXPECT_EQ(-1, a.Compare(b));
    EXPECT_EQ(1, b.Compare("Apple"));
    EXPECT_EQ(-1, CString("a").Compare("\xb0\xa1"));              // bytes compare unsigned
    EXPECT_EQ(-1, CString("_").CompareNoCase("A"));               // letters fold to lower case
    EXPECT_EQ(0, CString("\xa3\xc1").CompareNoCase("\xa3\xe1"));  // full-width A and a
    EXPECT_TRUE(a < b);
    EXPECT_EQ("Apple-apple", a + '-' + b);
    EXPECT_EQ(">Apple", ">" + a);
    CString s = a;
    s += s;
    EXPECT_EQ("AppleApple", s);
    s = s.GetString() + 5;  // assignment from a pointer into itself
    EXPECT_EQ("Apple", s);
    EXPECT_EQ(2, s.Replace("p", "PP"));
    EXPECT_EQ("APPPPle", s);
    s = "aaaaa";  // matches do not overlap
    EXPECT_EQ(2, s.Replace("aa", "b"));
    EXPECT_EQ("bba", s);
}
