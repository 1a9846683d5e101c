#include "HostOptions.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace host {
namespace {

std::string DefaultHome() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::string(data) + "/tabulo-host";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/tabulo-host";
}

short ParseService(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        value < std::numeric_limits<short>::min() || value > std::numeric_limits<short>::max())
        throw UsageError("--service needs a whole number, not '" + text + "'");
    return static_cast<short>(value);
}

// A user name names a folder under HOME/users, so it is a name and never a
// path: nothing that climbs, crosses a separator or hides in control bytes.
void CheckUserName(const std::string& user) {
    const bool control = std::any_of(user.begin(), user.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (user == "." || user == ".." || user.find_first_of("/\\") != std::string::npos || control)
        throw UsageError("--user needs a user name: no '/', '\\', '.', '..' or control characters");
}

}  // namespace

HostOptions ParseCommandLine(const std::vector<std::string>& args, const std::string& programDir) {
    HostOptions options;
    struct Valued {
        const char* name;
        std::string* target;
    };
    std::string service;
    const Valued valued[] = {
        {"--home", &options.home},
        {"--user", &options.user},
        {"--service", &service},
        {"--grade", &options.grade},
        {"--screen", &options.screen},
        {"--menu", &options.menuFile},
        {"--main-dir", &options.mainDir},
        {"--script", &options.script},
        {"--screenshots", &options.screenshots},
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        const size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const Valued* option = nullptr;
        for (const Valued& candidate : valued)
            if (name == candidate.name) option = &candidate;
        if (!option) throw UsageError("unknown option '" + arg + "'");
        if (eq != std::string::npos) {
            *option->target = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            *option->target = args[++i];
        } else {
            throw UsageError(name + " needs a value");
        }
        if (option->target->empty() && option->target != &options.screen)
            throw UsageError(name + " needs a value");
    }
    if (!options.script.empty() && !options.screenshots.empty())
        throw UsageError("--script and --screenshots cannot be combined");
    CheckUserName(options.user);
    if (!service.empty()) options.service = ParseService(service);
    if (options.home.empty()) options.home = DefaultHome();
    if (options.mainDir.empty()) options.mainDir = programDir;
    return options;
}

std::string UsageText() {
    return R"(usage: tabulo-host [--home DIR] [--user ID] [--service N] [--grade G]
                   [--screen NO] [--menu FILE] [--main-dir DIR]
                   [--script FILE | --screenshots DIR] [--help]

The stand-in terminal: loads libTabulo.so and opens its "Toolbar Settings"
and "Register link menu" dialogs on a sample securities menu.

  --home DIR         the terminal's directories (default $XDG_DATA_HOME/tabulo-host);
                     missing sample files are written there on start
  --user ID          user identifier (default guest)
  --service N        service identifier (default 0; 1 hands saved files to
                     the pop-up library)
  --grade G          menu grade (default 1)
  --screen NO        the current screen, preselected in both dialogs
  --menu FILE        the terminal's menu in the host's menu file format, at
                     most 64 MiB (default: the built-in sample menu)
  --main-dir DIR     where the pop-up library is loaded from (default: the
                     directory of tabulo-host)
  --script FILE      play a script on the dialogs without a display, print
                     what they show on standard output, exit 0 when it ran
                     to its end and 1 at its first error (the line is named
                     on standard error); the language, its output and its
                     errors: terminal/app/script/README.md in the sources
  --screenshots DIR  open the window and each dialog offscreen, write PNG
                     files into DIR and exit; also what happens without a
                     display
  --help             this text
)";
}

}  // namespace host
