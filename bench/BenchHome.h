// Large terminals for the benchmarks: a menu file in the host's format with
// a given number of screens, and a home directory whose toolbar, favorites
// and link files are all full.
#pragma once

#include <string>

namespace bench {

// Every generated screen is named so that one of these finds nearly all of
// them and the other none.
constexpr const char* kManyHitsText = "view";
constexpr const char* kNoHitsText = "xyzzy";
constexpr const char* kUser = "bench";

struct BenchHome {
    std::string root;      // the home directory (HOME of tabulo-host)
    std::string menuFile;  // the menu file, beside the home's directories
    int nScreens = 0;
};

// The menu: first-level folders, each holding folders 2 to 4 deep whose
// last level holds at most 30 screens; Korean and Latin names, separators at
// every level, a few hidden nodes and screen types 1, 3 and 9. The same
// count always gives the same files.
std::string MenuText(int nScreens);

// Writes the menu file and the home below `root` (which is emptied first):
// the default toolbar file (10 toolbars of 30 screens), the user's toolbar
// file (20 groups of 30 screens), favorites files 9101 to 9110 of 100
// screens each and the user's link menu of 10 entries, all of screens of
// the menu.
BenchHome MakeHome(const std::string& root, int nScreens);

// The screen number of the n-th screen of a generated menu (4 characters).
std::string ScreenNo(int n);

}  // namespace bench
