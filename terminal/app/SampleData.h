// The sample terminal data built into tabulo-host (terminal/app/sample), in
// UTF-8 as the files in the source tree hold it.
#pragma once

#include <span>
#include <string_view>

namespace host {

struct SampleFile {
    const char* dir;  // below the home directory
    const char* name;
    std::string_view text;
};

// The profile files a fresh home directory receives.
std::span<const SampleFile> SampleFiles();

// The menu, in the host's menu file format.
std::string_view SampleMenu();

}  // namespace host
