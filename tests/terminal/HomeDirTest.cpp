// tabulo-host's home directory: layout, first-run sample files in the
// terminal's encoding, and files that are never overwritten.

#include <afxcodepage.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "HomeDir.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class HomeDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root =
            fs::temp_directory_path() /
            ("tabulo-home-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }
    fs::path m_root;
};

TEST_F(HomeDirTest, FirstRunCreatesTheDirectoriesAndTheSampleFilesOnly) {
    const host::HomeDir home(m_root.string());
    home.Prepare("kim01");
    for (const char* dir : {"user", "data", "users/kim01"})
        EXPECT_TRUE(fs::is_directory(m_root / dir)) << dir;
    for (const char* file :
         {"user/Toolbar.ini", "user/9101.FAF", "user/9102.FAF", "data/ShortID.dat"})
        EXPECT_TRUE(fs::is_regular_file(m_root / file)) << file;
    // The user's own files appear only when the module saves them.
    EXPECT_FALSE(fs::exists(m_root / "user/ToolBar_kim01.ini"));
    EXPECT_TRUE(fs::is_empty(m_root / "users/kim01"));
}

TEST_F(HomeDirTest, SampleFilesAreProfileFilesInTheTerminalsEncoding) {
    const host::HomeDir home(m_root.string());
    home.Prepare("guest");
    const std::string toolbar = (m_root / "user/Toolbar.ini").string();
    const std::string bytes = ReadFile(toolbar);
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
    EXPECT_NE(bytes.find(afx::Utf8ToCp949("주소바")), std::string::npos);
    EXPECT_EQ(bytes.find("주소바"), std::string::npos);  // not UTF-8

    EXPECT_GE(GetPrivateProfileIntA("LIST", "ItemCnt", 0, toolbar.c_str()), 6u);
    char value[64] = {};
    GetPrivateProfileStringA("0101", "SNAME", "", value, sizeof value,
                             (m_root / "data/ShortID.dat").c_str());
    EXPECT_EQ(afx::Cp949ToUtf8(value), "현재가");
    EXPECT_GT(GetPrivateProfileIntA("TOTCOUNT", "CNT", 0, (m_root / "user/9101.FAF").c_str()), 0u);
    EXPECT_GT(GetPrivateProfileIntA("TOTCOUNT", "CNT", 0, (m_root / "user/9102.FAF").c_str()), 0u);
}

TEST_F(HomeDirTest, ExistingFilesAreKept) {
    fs::create_directories(m_root / "user");
    std::ofstream(m_root / "user/Toolbar.ini") << "[LIST]\r\nItemCnt=00\r\n";
    const host::HomeDir home(m_root.string());
    home.Prepare("guest");
    home.Prepare("guest");
    EXPECT_EQ(ReadFile(m_root / "user/Toolbar.ini"), "[LIST]\r\nItemCnt=00\r\n");
}

TEST(ProfileText, LineEndsBecomeCrLfAndTextCp949) {
    EXPECT_EQ(host::ToProfileText("[a]\nb=현\r\n"), "[a]\r\nb=\xC7\xF6\r\n");
}

}  // namespace
