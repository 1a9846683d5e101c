// tabulo-host's command line.

#include <gtest/gtest.h>

#include <cstdlib>

#include "HostOptions.h"

namespace {

using host::ParseCommandLine;

std::string Describe(const std::vector<std::string>& args) {
    const host::HostOptions o = ParseCommandLine(args, "/opt/bin");
    return o.home + "|" + o.user + "|" + std::to_string(o.service) + "|" + o.grade + "|" +
           o.screen + "|" + o.menuFile + "|" + o.mainDir + "|" + o.script + "|" + o.screenshots +
           (o.help ? "|help" : "");
}

TEST(HostOptions, EveryOptionTakesItsValueSeparatelyOrAfterAnEqualsSign) {
    setenv("XDG_DATA_HOME", "/data/xdg", 1);
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "/data/xdg/tabulo-host|guest|0|1|||/opt/bin||"},
        {{"--home", "/h", "--user=kim.01", "--service", "1", "--grade", "1A", "--screen=0101",
          "--menu", "m.txt", "--main-dir", "/m", "--screenshots", "/s", "--help"},
         "/h|kim.01|1|1A|0101|m.txt|/m||/s|help"},
        {{"--screen", "", "--script", "s.txt", "-h", "--service=-32768"},
         "/data/xdg/tabulo-host|guest|-32768|1|||/opt/bin|s.txt||help"},
    };
    for (const auto& [args, described] : cases) EXPECT_EQ(Describe(args), described);
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/home/kim", 1);
    EXPECT_EQ(ParseCommandLine({}, "/b").home, "/home/kim/.local/share/tabulo-host");
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
        {{"--user=a/b"}, kNotAName},
        {{"--user", "a\\b"}, kNotAName},
        {{"--user", ".."}, kNotAName},
        {{"--user", "."}, kNotAName},
        {{"--user", "kim\n01"}, kNotAName},
        {{"--user", "kim\x7F"}, kNotAName},

        {{"--service", "x"}, "--service needs a whole number, not 'x'"},
        {{"--service", "32768"}, "--service needs a whole number, not '32768'"},
    };
    for (const auto& [args, reason] : cases) {
        SCOPED_TRACE(reason);
        try {
            ParseCommandLine(args, "/b");
            ADD_FAILURE() << "accepted";
        } catch (const host::UsageError& error) {
            EXPECT_STREQ(error.what(), reason);
        }
    }
}

}  // namespace
