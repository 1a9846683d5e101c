#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "TempDir.h"

using namespace std::string_literals;

// Whatever a file holds, reads answer and a written value reads back.
TEST(ProfileRead, AnyBytesAreAFile) {
    std::vector<std::string> files = {
        "\x81"s,
        "[\x81"s,
        "\xff\xfe"s + "[\0S\0]\0\n\0k\0=\0v"s + "\x01"s,
        "\xff\xfe\x00\xd8\x00\xdc\x00\xd8"s,
        "\xfe\xff\0[\0S\0]"s,
        "[S]\r\nk=" + std::string(1 << 20, 'x'),
        std::string(1 << 16, '\0'),
        std::string(1 << 16, '['),
    };
    std::mt19937 random(17);
    const std::string alphabet = "[]=;\"' \t\r\n\0\x81\xb0\xa1\xfe\xffSsk"s;
    for (int n = 0; n < 100; ++n) {
        std::string bytes(random() % 64, ' ');
        for (char& c : bytes) c = alphabet[random() % alphabet.size()];
        files.push_back(bytes);
    }
    TempDir dir;
    const std::string file = dir.Path("any.ini");
    char buffer[64];
    EXPECT_EQ(0u, GetPrivateProfileStringA("S", "k", "def", nullptr, sizeof buffer, file.c_str()));
    for (const std::string& bytes : files) {
        dir.Put("any.ini", bytes);
        GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, file.c_str());
        GetPrivateProfileStringA("S", nullptr, "", buffer, sizeof buffer, file.c_str());
        GetPrivateProfileIntA("S", "k", 0, file.c_str());
        ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "v", file.c_str()));
        EXPECT_EQ(1u, GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, file.c_str()));
        EXPECT_TRUE(WritePrivateProfileStringA("S", "k", nullptr, file.c_str()));
        EXPECT_TRUE(WritePrivateProfileStringA("S", nullptr, nullptr, file.c_str()));
    }
}

// Many sections and keys, some names alike but for their case: every read
// finds the first of its name.
TEST(ProfileRead, LargeFiles) {
    std::string bytes;
    for (int s = 0; s < 20000; ++s) {
        bytes += "[Group" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 5; ++k)
            bytes += "K" + std::to_string(k) + "=" + std::to_string(s * 10 + k) + "\r\n";
    }
    bytes += "[group7]\r\nK1=late\r\n";
    TempDir dir;
    dir.Put("big.ini", bytes);
    const std::string file = dir.Path("big.ini");
    for (const int s : {0, 7, 12345, 19999}) {
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(static_cast<UINT>(s * 10 + k),
                      GetPrivateProfileIntA(("GROUP" + std::to_string(s)).c_str(),
                                            ("k" + std::to_string(k)).c_str(), -1, file.c_str()));
    }
    std::vector<char> list(1 << 20);
    std::size_t nNames = 7;  // "group7" and its NUL
    for (int s = 0; s < 20000; ++s) nNames += 6 + std::to_string(s).size();
    EXPECT_EQ(nNames, GetPrivateProfileStringA(nullptr, nullptr, "", list.data(),
                                               static_cast<DWORD>(list.size()), file.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("Group12345", "K9", "new", file.c_str()));
    EXPECT_EQ(123452u, GetPrivateProfileIntA("Group12345", "K2", -1, file.c_str()));
    EXPECT_EQ(3u, GetPrivateProfileStringA("Group12345", "K9", "", list.data(), 8, file.c_str()));
}
