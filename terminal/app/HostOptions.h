// tabulo-host's command line.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace host {

struct HostOptions {
    std::string home;  // the terminal's directories live under it
    std::string user = "guest";
    short service = 0;
    std::string grade = "1";
    std::string screen;       // the current screen; may be empty
    std::string menuFile;     // empty: the built-in sample menu
    std::string mainDir;      // where the pop-up library is loaded from
    std::string script;       // run this script headlessly
    std::string screenshots;  // write pictures into this folder
    bool help = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name. Defaults that depend on the
// machine (home, main directory) are filled from the environment and the
// program's own location. Throws UsageError for a bad command line.
HostOptions ParseCommandLine(const std::vector<std::string>& args, const std::string& programDir);

std::string UsageText();

}  // namespace host
