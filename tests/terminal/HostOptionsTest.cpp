// tabulo-host's command line.

#include <gtest/gtest.h>

#include <cstdlib>

#include "HostOptions.h"

namespace {

using host::ParseCommandLine;
using host::UsageError;

TEST(HostOptions, DefaultsComeFromTheEnvironmentAndTheProgram) {
    setenv("XDG_DATA_HOME", "/data/xdg", 1);
    const host::HostOptions options = ParseCommandLine({}, "/opt/bin");
    EXPECT_EQ(options.home, "/data/xdg/tabulo-host");
    EXPECT_EQ(options.user, "guest");
    EXPECT_EQ(options.service, 0);
    EXPECT_EQ(options.grade, "1");
    EXPECT_EQ(options.screen, "");
    EXPECT_EQ(options.menuFile, "");
    EXPECT_EQ(options.mainDir, "/opt/bin");
    EXPECT_EQ(options.script, "");
    EXPECT_EQ(options.screenshots, "");
    EXPECT_FALSE(options.help);

    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/home/kim", 1);
    EXPECT_EQ(ParseCommandLine({}, "/opt/bin").home, "/home/kim/.local/share/tabulo-host");
}

TEST(HostOptions, EveryOptionTakesItsValueSeparatelyOrAfterAnEqualsSign) {
    const host::HostOptions options = ParseCommandLine(
        {"--home", "/h", "--user=kim.01", "--service", "1", "--grade", "1A", "--screen=0101",
         "--menu", "m.txt", "--main-dir", "/m", "--screenshots", "/s", "--help"},
        "/opt/bin");
    EXPECT_EQ(options.home, "/h");
    EXPECT_EQ(options.user, "kim.01");
    EXPECT_EQ(options.service, 1);
    EXPECT_EQ(options.grade, "1A");
    EXPECT_EQ(options.screen, "0101");
    EXPECT_EQ(options.menuFile, "m.txt");
    EXPECT_EQ(options.mainDir, "/m");
    EXPECT_EQ(options.screenshots, "/s");
    EXPECT_TRUE(options.help);
    EXPECT_EQ(ParseCommandLine({"--screen", ""}, "/b").screen, "");
    EXPECT_EQ(ParseCommandLine({"--script", "s.txt"}, "/b").script, "s.txt");
}

TEST(HostOptions, BadCommandLinesAreRefusedWithAReason) {
    constexpr const char* kNotAName =
        "--user needs a user name: no '/', '\\', '.', '..' or control characters";
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--colour", "red"}, "unknown option '--colour'"},
        {{"--script", "s.txt", "--screenshots", "d"},
         "--script and --screenshots cannot be combined"},
        {{"--script="}, "--script needs a value"},
        {{"--home"}, "--home needs a value"},
        {{"--user="}, "--user needs a value"},
        {{"--user", "../../x"}, kNotAName},
        {{"--user=a/b"}, kNotAName},
        {{"--user", "a\\b"}, kNotAName},
        {{"--user", ".."}, kNotAName},
        {{"--user", "."}, kNotAName},
        {{"--user", "kim\n01"}, kNotAName},
        {{"--user", "kim\x7F"}, kNotAName},
        {{"--service", "x"}, "--service needs a whole number, not 'x'"},
        {{"--service", "70000"}, "--service needs a whole number, not '70000'"},
    };
    for (const auto& [args, reason] : cases) {
        SCOPED_TRACE(reason);
        try {
            ParseCommandLine(args, "/b");
            ADD_FAILURE() << "accepted";
        } catch (const UsageError& error) {
            EXPECT_STREQ(error.what(), reason);
        }
    }
}

}  // namespace
