#include "SampleData.h"

namespace host {
namespace sample {
// Generated from sample/ at build time (Embed.cmake).
extern const std::string_view sample_menu_txt, sample_Toolbar_ini, sample_ShortID_dat,
    sample_9101_FAF, sample_9102_FAF;
}  // namespace sample

std::span<const SampleFile> SampleFiles() {
    static const SampleFile files[] = {
        {"user", "Toolbar.ini", sample::sample_Toolbar_ini},
        {"user", "9101.FAF", sample::sample_9101_FAF},
        {"user", "9102.FAF", sample::sample_9102_FAF},
        {"data", "ShortID.dat", sample::sample_ShortID_dat},
    };
    return files;
}

std::string_view SampleMenu() {
    return sample::sample_menu_txt;
}

}  // namespace host
