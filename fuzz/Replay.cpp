// The main of a fuzz target built without libFuzzer: runs the target once
// on each file named, and on each file of each folder named, so that the
// test suite replays the seed corpora and the findings kept beside them.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzInput.h"

namespace {

void Replay(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    int nFiles = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
                Replay(entry.path());
                ++nFiles;
            }
        } else {
            Replay(argv[i]);
            ++nFiles;
        }
    }
    std::printf("replayed %d files\n", nFiles);
    return nFiles > 0 ? 0 : 1;
}
