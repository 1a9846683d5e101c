// tabulo-host as a person starts it: without a display it writes pictures of
// its window and both dialogs; bad command lines and files stop it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class HostProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir /= ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir.parent_path()); }

    // Runs tabulo-host in m_dir without a display; returns its exit status.
    int Run(const std::string& arguments) {
        const std::string program =
            (fs::read_symlink("/proc/self/exe").parent_path() / "tabulo-host").string();
        const std::string command = "cd '" + m_dir.string() +
                                    "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                    program + "' --home home " + arguments + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Read(const std::string& name) {
        std::ifstream in(m_dir / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The process id keeps test runs of other builds on the machine apart.
    fs::path m_dir = fs::temp_directory_path() / ("tabulo-host-" + std::to_string(::getpid()));
};

TEST_F(HostProgramTest, WithoutADisplayItWritesPicturesOfTheWindowAndBothDialogs) {
    const struct {
        const char* arguments;
        const char* folder;
    } cases[] = {{"", "tabulo-host-screenshots"}, {"--screenshots shots", "shots"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        ASSERT_EQ(Run(c.arguments), 0) << Read("err.txt");
        for (const char* picture : {"host.png", "toolbar-settings.png", "link-menu.png"}) {
            const std::string bytes = Read(std::string(c.folder) + "/" + picture);
            EXPECT_GT(bytes.size(), 1000u) << picture;
            EXPECT_EQ(bytes.substr(0, 4), "\x89PNG") << picture;
        }
    }
    EXPECT_TRUE(fs::is_regular_file(m_dir / "home/user/Toolbar.ini"));
}

// Help, a home whose files are kept, and what the host is fed from outside: bad options, a missing
// menu file (a malformed one is the recorded session bad-menu), a script that is no script, a user
// name that is a path, a file of HOME that is a link leading out of it.
TEST_F(HostProgramTest, HelpsAndRefusesBadInputAndWhatWouldReachBeyondItsHome) {
    std::ofstream(m_dir / "utf16.script", std::ios::binary) << std::string("\xFF\xFEn\0o\0", 6);
    std::ofstream(m_dir / "outside.txt") << "secret";
    fs::create_directories(m_dir / "home/user");
    std::ofstream(m_dir / "home/user/9101.FAF") << "kept";
    fs::create_symlink(m_dir / "outside.txt", m_dir / "home/user/out.ini");
    fs::create_symlink("Toolbar.ini", m_dir / "home/user/in.ini");
    std::ofstream(m_dir / "cat.script") << "cat user/in.ini\ncat user/out.ini\n";
    const struct {
        const char* arguments;
        int status;
        const char* err;  // its beginning, or that of the output with status 0
    } cases[] = {
        {"--help", 0, "usage: tabulo-host"},
        {"--service x", 2, "tabulo-host: --service needs a whole number, not 'x'\n"},
        {"--menu missing.txt", 1, "tabulo-host: missing.txt: cannot read the menu file\n"},
        {"--script /dev/zero", 1, "/dev/zero: the script is longer than 1048576 bytes\n"},
        {"--script utf16.script", 1,
         "utf16.script:1: the script is UTF-16 text; scripts are UTF-8\n"},
        {"--user ../../x --script cat.script", 2, "tabulo-host: --user needs a user name"},
        {"--script cat.script", 1, "cat.script:2: cat: user/out.ini leads out of HOME\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(Run(c.arguments), c.status);
        const std::string shown = Read(c.status ? "err.txt" : "out.txt");
        EXPECT_EQ(shown.rfind(c.err, 0), 0u) << shown;
    }
    EXPECT_FALSE(fs::exists(m_dir / "x"));
    // Missing sample files are written and existing files kept (the samples'
    // bytes are the recorded session cat-files); the user's own files appear
    // only when the module saves them.
    EXPECT_EQ(Read("home/user/9101.FAF"), "kept");
    EXPECT_TRUE(fs::is_empty(m_dir / "home/users/guest"));
    EXPECT_EQ(Read("out.txt").rfind("file user/in.ini [", 0), 0u) << Read("out.txt");
}

}  // namespace
