// Plays the call scripts in profile-cases/ through the profile functions and
// compares every answer with NAME.expected: the one Windows gives, or where
// Windows leaves it open, the one that keeps every byte it can. A script
// line is a call with TAB-separated fields, NULL for a null pointer and the
// escapes \r \n \t \\ \xHH in strings:
//   W file section key value    WritePrivateProfileStringA   -> W <BOOL>
//   S file section key def size GetPrivateProfileStringA     -> S <count> <buffer 0..count+2>
//   I file section key def      GetPrivateProfileIntA        -> I <result>
//   D file                      DeleteFileA                  -> D <BOOL>
//   F file                      the file's bytes             -> F <bytes> or F MISSING
//   P file bytes                the file written raw         -> P ok
// Lines starting with '#' are copied as they are.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TempDir.h"

namespace {

struct Field {
    bool bNull;
    std::string text;
    const char* Get() const { return bNull ? nullptr : text.c_str(); }
};

Field Unescape(const std::string& field) {
    if (field == "NULL") return {true, {}};
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 >= field.size()) {
            out += field[i];
            continue;
        }
        const char c = field[++i];
        if (c == 'x' && i + 2 < field.size()) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return {false, out};
}

std::string Escape(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r' || b == '\n' || b == '\t' || b == '\\') {
            out += b == '\r' ? "\\r" : b == '\n' ? "\\n" : b == '\t' ? "\\t" : "\\\\";
        } else if (b < 0x20 || b >= 0x80 || (b == ' ' && i + 1 == bytes.size())) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", b);
            out += hex;
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

std::string Play(const std::vector<std::string>& call, const TempDir& dir) {
    std::vector<Field> f;
    for (const std::string& field : call) f.push_back(Unescape(field));
    const std::string file = f.size() > 1 && !f[1].bNull ? dir.Path(f[1].text) : std::string();
    const char* pszFile = f.size() > 1 && !f[1].bNull ? file.c_str() : nullptr;
    const std::string& op = call[0];
    if (op == "W" && f.size() == 5)
        return "W " + std::to_string(
                          WritePrivateProfileStringA(f[2].Get(), f[3].Get(), f[4].Get(), pszFile));
    if (op == "S" && f.size() == 6) {
        const DWORD nSize = std::stoul(f[5].text);
        std::string buffer(nSize + 16, '\xCC');
        const DWORD n = GetPrivateProfileStringA(f[2].Get(), f[3].Get(), f[4].Get(), buffer.data(),
                                                 nSize, pszFile);
        const bool bOverrun = buffer.find_first_not_of('\xCC', nSize) != std::string::npos;
        return "S " + std::to_string(n) + " " +
               Escape(std::string_view(buffer).substr(0, std::min<std::size_t>(n + 3, nSize))) +
               (bOverrun ? " OVERRUN" : "");
    }
    if (op == "I" && f.size() == 5)
        return "I " + std::to_string(GetPrivateProfileIntA(f[2].Get(), f[3].Get(),
                                                           std::stoi(f[4].text), pszFile));
    if (op == "D" && f.size() == 2) return "D " + std::to_string(DeleteFileA(pszFile));
    if (op == "F" && f.size() == 2) {
        const auto bytes = dir.Get(f[1].text);
        return bytes ? "F " + Escape(*bytes) : "F MISSING";
    }
    if (op == "P" && f.size() == 3) {
        dir.Put(f[1].text, f[2].text);
        return "P ok";
    }
    return "E bad line";
}

std::string PlayScript(const std::filesystem::path& script) {
    TempDir dir;
    std::ifstream in(script, std::ios::binary);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        if (line[0] == '#') {
            out += line + "\n";
            continue;
        }
        std::vector<std::string> call;
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            call.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        out += Play(call, dir) + "\n";
    }
    return out;
}

}  // namespace

TEST(ProfileCases, EveryScriptGetsWindowsAnswers) {
    int nScripts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PROFILE_CASES_DIR)) {
        if (entry.path().extension() != ".txt") continue;
        ++nScripts;
        std::ifstream expected(std::filesystem::path(entry.path()).replace_extension(".expected"),
                               std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(expected), {}),
                  PlayScript(entry.path()))
            << entry.path().filename();
    }
    EXPECT_GT(nScripts, 0);
}
