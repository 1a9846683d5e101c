#include "HomeDir.h"

#include <afxcodepage.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "SampleData.h"

namespace host {
namespace fs = std::filesystem;

std::string ToProfileText(std::string_view utf8) {
    std::string crlf;
    crlf.reserve(utf8.size() + utf8.size() / 16);
    for (char c : utf8) {
        if (c == '\n' && (crlf.empty() || crlf.back() != '\r')) crlf += '\r';
        crlf += c;
    }
    return afx::Utf8ToCp949(crlf);
}

void HomeDir::Prepare(const std::string& userId) const {
    for (const std::string& dir : {UserDir(), DataDir(), BaseDir() + "/" + userId}) {
        std::error_code error;
        fs::create_directories(dir, error);
        if (!fs::is_directory(dir)) throw std::runtime_error("cannot create the directory " + dir);
    }
    for (const SampleFile& file : SampleFiles()) {
        const fs::path path = fs::path(m_strRoot) / file.dir / file.name;
        if (fs::exists(path)) continue;
        std::ofstream(path, std::ios::binary) << ToProfileText(file.text);
    }
}

}  // namespace host
