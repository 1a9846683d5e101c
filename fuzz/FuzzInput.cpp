#include "FuzzInput.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fuzz {
namespace {

const std::filesystem::path& Directory() {
    static const std::filesystem::path directory = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tabulo-fuzz-XXXXXX");
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary directory");
        return std::filesystem::path(pattern);
    }();
    return directory;
}

struct RemoveDirectory {
    ~RemoveDirectory() {
        std::error_code error;
        std::filesystem::remove_all(Directory(), error);
    }
};

}  // namespace

std::string WriteFile(std::string_view name, std::string_view bytes) {
    static RemoveDirectory cleanUp;
    const std::filesystem::path path = Directory() / std::string(name);
    const std::filesystem::path draft = Directory() / (std::string(name) + ".draft");
    std::ofstream(draft, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::filesystem::rename(draft, path);
    return path.string();
}

void Fail(const char* pszExpectation, const char* pszFile, int nLine) {
    std::fprintf(stderr, "%s:%d: expected %s\n", pszFile, nLine, pszExpectation);
    std::abort();
}

}  // namespace fuzz
