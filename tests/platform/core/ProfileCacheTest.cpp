#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "TempDir.h"

namespace {

std::string Read(const std::string& file, const char* key) {
    char buffer[32];
    GetPrivateProfileStringA("S", key, "-", buffer, sizeof buffer, file.c_str());
    return buffer;
}

}  // namespace

// Another program rewrites the file between our calls. Same-size rewrites
// within one timestamp tick look identical to stat(); every read must still
// see the new bytes.
TEST(ProfileCache, SeesEveryRewriteBehindItsBack) {
    TempDir dir;
    const std::string file = dir.Path("c.ini");
    for (int i = 0; i < 50; ++i) {
        const std::string value = std::to_string(i % 10);
        dir.Put("c.ini", "[S]\r\nk=" + value + "\r\n");
        ASSERT_EQ(value, Read(file, "k")) << "rewrite " << i;
    }
    // Replaced by a rename, deleted, created again.
    dir.Put("other.ini", "[S]\r\nk=renamed\r\n");
    ASSERT_EQ(0, std::rename(dir.Path("other.ini").c_str(), file.c_str()));
    EXPECT_EQ("renamed", Read(file, "k"));
    std::remove(file.c_str());
    EXPECT_EQ("-", Read(file, "k"));
    dir.Put("c.ini", "[S]\r\nk=back\r\n");
    EXPECT_EQ("back", Read(file, "k"));
}

TEST(ProfileCache, SettledEntriesStillSeeLaterChanges) {
    TempDir dir;
    const std::string file = dir.Path("c.ini");
    dir.Put("c.ini", "[S]\r\nk=1\r\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_EQ("1", Read(file, "k"));  // read long after the change: stat() is trusted from now on
    EXPECT_EQ("1", Read(file, "k"));
    dir.Put("c.ini", "[S]\r\nk=2\r\n");
    EXPECT_EQ("2", Read(file, "k"));
}

TEST(ProfileCache, WritesApplyToTheFileAsItIsOnDisk) {
    TempDir dir;
    const std::string file = dir.Path("c.ini");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "mine", "1", file.c_str()));
    dir.Put("c.ini", "[S]\r\ntheirs=2\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "mine", "3", file.c_str()));
    EXPECT_EQ("[S]\r\ntheirs=2\r\nmine=3\r\n", dir.Get("c.ini"));
    EXPECT_EQ("2", Read(file, "theirs"));
}

TEST(ProfileCache, SeesWritesThroughAnotherName) {
    TempDir dir;
    std::filesystem::create_directory(dir.Path("elsewhere"));
    dir.Put("c.ini", "[S]\r\nk=1\r\n");
    std::filesystem::create_hard_link(dir.Path("c.ini"), dir.Path("elsewhere/link.ini"));
    const std::string file = dir.Path("c.ini");
    EXPECT_EQ("1", Read(file, "k"));
    EXPECT_EQ("1", Read(file, "k"));
    dir.Put("elsewhere/link.ini", "[S]\r\nk=2\r\n");
    EXPECT_EQ("2", Read(file, "k"));
}
