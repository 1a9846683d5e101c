#include <afxtesting.h>
#include <windows.h>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <filesystem>
#include <string>

#include "TempDir.h"

namespace {

std::size_t FileCount(const TempDir& dir) {
    const auto entries = std::filesystem::directory_iterator(std::filesystem::path(dir.Path("")));
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

}  // namespace

TEST(ProfileWrite, BackslashesSeparateDirectories) {
    TempDir dir;
    std::filesystem::create_directory(dir.Path("sub"));
    std::string windowsStyle = dir.Path("sub") + "\\ToolBar_u.ini";
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", windowsStyle.c_str()));
    EXPECT_EQ("[S]\r\nk=v\r\n", dir.Get("sub/ToolBar_u.ini"));
    EXPECT_TRUE(DeleteFileA(windowsStyle.c_str()));
    EXPECT_FALSE(DeleteFileA(windowsStyle.c_str()));
    EXPECT_FALSE(dir.Get("sub/ToolBar_u.ini"));
}

TEST(ProfileWrite, MoveFileExReplacesOnlyWhenAsked) {
    TempDir dir;
    dir.Put("new.ini", "[S]\r\nk=new\r\n");
    dir.Put("old.ini", "[S]\r\nk=old\r\n");
    const std::string from = dir.Path("new.ini"), to = dir.Path("old.ini");
    char buffer[8];
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer,
                             to.c_str());  // cache the old file
    EXPECT_FALSE(MoveFileExA(from.c_str(), to.c_str(), 0));
    EXPECT_EQ("[S]\r\nk=old\r\n", dir.Get("old.ini"));
    EXPECT_TRUE(
        MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_FALSE(dir.Get("new.ini"));
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, to.c_str());
    EXPECT_STREQ("new", buffer);
    EXPECT_FALSE(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING));
}

// A copy is the source's bytes under the new name, seen by the next profile
// read of that name although it was read before.
TEST(ProfileWrite, CopyFileCopiesBytesAndKeepsATargetOnlyWhenAsked) {
    TempDir dir;
    const std::string bytes = "[S]\r\nk=\xb0\xa1\r\n" + std::string(100000, 'x');
    dir.Put("from.ini", bytes);
    dir.Put("to.ini", "[S]\r\nk=old\r\n");
    const std::string from = dir.Path("from.ini"), to = dir.Path("to.ini");
    char buffer[8];
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, to.c_str());
    EXPECT_FALSE(CopyFileA(from.c_str(), to.c_str(), TRUE));
    EXPECT_EQ("[S]\r\nk=old\r\n", dir.Get("to.ini"));
    EXPECT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE));
    EXPECT_EQ(bytes, dir.Get("to.ini"));
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, to.c_str());
    EXPECT_STREQ("\xb0\xa1", buffer);
    EXPECT_FALSE(CopyFileA(dir.Path("missing.ini").c_str(), dir.Path("new.ini").c_str(), FALSE));
    EXPECT_FALSE(dir.Get("new.ini"));
    EXPECT_FALSE(CopyFileA(dir.Path("").c_str(), dir.Path("new.ini").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));  // a folder is no file

    const std::string windowsStyle = dir.Path("") + "\\from.ini";
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL), GetFileAttributesA(windowsStyle.c_str()));
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY),
              GetFileAttributesA(dir.Path("").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(dir.Path("missing.ini").c_str()));
}

TEST(ProfileSeams, TheNthWriteFailsAndLeavesTheFileUntouched) {
    TempDir dir;
    const std::string file = dir.Path("s.ini");
    afx::testing::FailProfileWrite(2);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "a", "1", file.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("S", "a", "1", file.c_str()));  // no change: not counted
    EXPECT_FALSE(WritePrivateProfileStringA("S", "b", "2", file.c_str()));
    EXPECT_EQ("[S]\r\na=1\r\n", dir.Get("s.ini"));
    EXPECT_EQ(1u, FileCount(dir));
    char buffer[8];
    EXPECT_EQ(1u, GetPrivateProfileStringA("S", "b", "-", buffer, sizeof buffer, file.c_str()));
    EXPECT_TRUE(WritePrivateProfileStringA("S", "b", "2", file.c_str()));
    EXPECT_EQ("[S]\r\na=1\r\nb=2\r\n", dir.Get("s.ini"));
}

TEST(ProfileSeamsDeathTest, DyingBeforeTheRenameKeepsTheOldFile) {
    // The dying child must share this test's directory: fork, do not re-run.
    GTEST_FLAG_SET(death_test_style, "fast");
    TempDir dir;
    const std::string old = "[Toolbar]\r\nCount=2\r\n01=a\r\n02=b\r\n";
    dir.Put("t.ini", old);
    const std::string file = dir.Path("t.ini");
    EXPECT_EXIT(
        {
            afx::testing::DieAtProfileWrite(3, 7);
            WritePrivateProfileStringA("Toolbar", "Count", "3", file.c_str());
            WritePrivateProfileStringA("Toolbar", "03", "c", file.c_str());
            WritePrivateProfileStringA("Toolbar", "04", "d", file.c_str());
        },
        testing::ExitedWithCode(7), "");
    std::string bytes = old;
    bytes.replace(bytes.find("Count=2"), 7, "Count=3");
    EXPECT_EQ(bytes + "03=c\r\n", dir.Get("t.ini")) << "the file is the one before the fatal write";
}

// A file that exists but cannot be read is neither empty nor missing: reads
// give the default and say why, writes fail the same way and leave it alone.
TEST(ProfileFaults, UnreadableFilesSayWhyAndAreNeverWritten) {
    TempDir dir;
    dir.Put("u.ini", "[S]\r\nk=v\r\n");
    const std::string file = dir.Path("u.ini");
    char buffer[8];
    const struct {
        int nErrno;
        DWORD dwError;
    } cases[] = {{EACCES, ERROR_ACCESS_DENIED}, {EIO, ERROR_IO_DEVICE}, {0, ERROR_SUCCESS}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nErrno);
        afx::testing::FailFileRead(file.c_str(), c.nErrno);
        GetPrivateProfileStringA("S", "k", "-", buffer, sizeof buffer, file.c_str());
        EXPECT_EQ(GetLastError(), c.dwError);
        EXPECT_STREQ(buffer, c.nErrno ? "-" : "v");
        EXPECT_EQ(WritePrivateProfileStringA("S", "n", "1", file.c_str()), c.nErrno == 0);
        if (c.nErrno) {
            EXPECT_EQ(GetLastError(), c.dwError);
        }
    }
    EXPECT_EQ("[S]\r\nk=v\r\nn=1\r\n", dir.Get("u.ini"));
    // The system's text for such an error, as a message box shows it, or why there is none.
    char text[64];
    const DWORD dwFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    EXPECT_EQ(19u, FormatMessageA(dwFlags, nullptr, ERROR_ACCESS_DENIED, 0, text, 64, nullptr));
    EXPECT_STREQ("Access is denied.\r\n", text);
    EXPECT_EQ(0u, FormatMessageA(dwFlags, nullptr, ERROR_ACCESS_DENIED, 0, text, 19, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(0u, FormatMessageA(dwFlags, nullptr, 4711, 0, text, 64, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MR_MID_NOT_FOUND));
    GetPrivateProfileStringA("S", "k", "-", buffer, sizeof buffer, dir.Path("none.ini").c_str());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

// A full disk fails a write, a failing sync fails the replace: either way the
// file keeps its bytes and nothing is left beside it.
TEST(ProfileFaults, AFullDiskOrAFailedSyncPublishesNothing) {
    TempDir dir;
    dir.Put("f.ini", "[S]\r\nk=old\r\n");
    const std::string file = dir.Path("f.ini");
    afx::testing::FailFileWrite(1, ENOSPC);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "new", file.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    char draft[MAX_PATH];
    ASSERT_NE(GetTempFileNameA(dir.Path("").c_str(), "tbl", 0, draft), 0u);
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "new", draft));
    afx::testing::FailFileSync(1, EIO);
    EXPECT_FALSE(
        ReplaceFileA(file.c_str(), draft, nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_IO_DEVICE));
    EXPECT_EQ("[S]\r\nk=old\r\n", dir.Get("f.ini"));
    EXPECT_TRUE(DeleteFileA(draft));
    EXPECT_EQ(1u, FileCount(dir));
}

// Drafts get names of their own and are written in place; a replace keeps
// the file's mode and, through a link, the link; a write through a link too.
TEST(Drafts, AreWrittenInPlaceAndReplaceKeepingModeAndLink) {
    TempDir dir;
    std::filesystem::create_directory(dir.Path("real"));
    dir.Put("real/t.ini", "[S]\r\nk=old\r\n");
    const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                      std::filesystem::perms::group_read;
    std::filesystem::permissions(dir.Path("real/t.ini"), mode);
    std::filesystem::create_symlink(dir.Path("real/t.ini"), dir.Path("t.ini"));
    const std::string file = dir.Path("t.ini");
    char first[MAX_PATH], second[MAX_PATH], named[MAX_PATH];
    ASSERT_NE(GetTempFileNameA(dir.Path("").c_str(), "tblx", 0, first), 0u);
    ASSERT_NE(GetTempFileNameA(dir.Path("").c_str(), "tbl", 0, second), 0u);
    EXPECT_STRNE(first, second);
    // A given number names the file without making it; the prefix is three characters at most.
    EXPECT_EQ(GetTempFileNameA("C:\\dir\\", "ab", 0x1abcd, named), 0xabcdu);
    EXPECT_STREQ(named, "C:\\dir\\abABCD.TMP");
    EXPECT_EQ(GetTempFileNameA("C:\\dir", "abcd", 0x10, named), 0x10u);
    EXPECT_STREQ(named, "C:\\dir\\abc10.TMP");
    struct stat before {
    }, after{};
    stat(first, &before);
    for (const char* key : {"a", "b", "c"})
        EXPECT_TRUE(WritePrivateProfileStringA("S", key, "1", first));
    stat(first, &after);
    EXPECT_EQ(before.st_ino, after.st_ino) << "no rename per write";
    EXPECT_TRUE(
        ReplaceFileA(file.c_str(), first, nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr));
    EXPECT_TRUE(WritePrivateProfileStringA("S", "d", "1", file.c_str()));
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ("[S]\r\na=1\r\nb=1\r\nc=1\r\nd=1\r\n", dir.Get("real/t.ini"));
    EXPECT_EQ(std::filesystem::status(file).permissions(), mode);
    EXPECT_TRUE(DeleteFileA(second));
    EXPECT_FALSE(
        ReplaceFileA(dir.Path("none.ini").c_str(), file.c_str(), nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

// What saves of ended processes left goes with the next draft made there;
// a draft of a living process stays.
TEST(Drafts, StaleOnesOfEndedProcessesGo) {
    TempDir dir;
    char mine[MAX_PATH], next[MAX_PATH];
    ASSERT_NE(GetTempFileNameA(dir.Path("").c_str(), "tbl", 0, mine), 0u);
    const pid_t pid = fork();
    if (pid == 0) {
        char theirs[MAX_PATH];
        GetTempFileNameA(dir.Path("").c_str(), "tbl", 0, theirs);
        WritePrivateProfileStringA("S", "k", "v", theirs);
        _exit(0);
    }
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    dir.Put("x.ini.~99999.1", "half");
    dir.Put("other.TMP", "not ours");
    EXPECT_EQ(4u, FileCount(dir));
    ASSERT_NE(GetTempFileNameA(dir.Path("").c_str(), "tbl", 0, next), 0u);
    EXPECT_EQ(3u, FileCount(dir)) << "mine, other.TMP and the new one";
    EXPECT_TRUE(dir.Get("other.TMP"));
    EXPECT_TRUE(DeleteFileA(mine));
    EXPECT_TRUE(DeleteFileA(next));
}
