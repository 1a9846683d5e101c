// The profile functions on a file of any bytes: the names it holds, a value
// and a number under each of the first of them, then writes that add, change
// and remove entries, each of which must read back as written.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzInput.h"

namespace {

// The names of a list answer (sections, or keys of a section), at most nMax.
std::vector<std::string> Names(LPCSTR pszSection, const std::string& file, std::size_t nMax) {
    std::vector<char> buffer(4096);
    const DWORD nCopied = GetPrivateProfileStringA(pszSection, nullptr, "", buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), file.c_str());
    FUZZ_EXPECT(nCopied < buffer.size());
    std::vector<std::string> names;
    for (const char* p = buffer.data(); *p && names.size() < nMax; p += names.back().size() + 1)
        names.emplace_back(p);
    return names;
}

std::string Read(LPCSTR pszSection, LPCSTR pszKey, const std::string& file, DWORD nSize = 256) {
    std::vector<char> buffer(nSize);
    const DWORD nCopied =
        GetPrivateProfileStringA(pszSection, pszKey, "<none>", buffer.data(), nSize, file.c_str());
    FUZZ_EXPECT(nCopied < nSize && buffer[nCopied] == '\0');
    return std::string(buffer.data(), nCopied);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::WriteFile("profile.ini", fuzz::Bytes(data, size));
    for (const std::string& section : Names(nullptr, file, 4)) {
        for (const std::string& key : Names(section.c_str(), file, 4)) {
            Read(section.c_str(), key.c_str(), file);
            Read(section.c_str(), key.c_str(), file, 3);
            GetPrivateProfileIntA(section.c_str(), key.c_str(), -1, file.c_str());
        }
    }
    // A key the file holds twice shows its second value once the first is gone.
    const bool bHadKey = Read("Fuzz", "Key", file) != "<none>";
    FUZZ_EXPECT(WritePrivateProfileStringA("Fuzz", "Key", "Value", file.c_str()));
    FUZZ_EXPECT(Read("Fuzz", "Key", file) == "Value");
    FUZZ_EXPECT(WritePrivateProfileStringA("Fuzz", "Key", nullptr, file.c_str()));
    FUZZ_EXPECT(bHadKey || Read("Fuzz", "Key", file) == "<none>");
    FUZZ_EXPECT(WritePrivateProfileStringA("LIST", "ItemCnt", "07", file.c_str()));
    FUZZ_EXPECT(GetPrivateProfileIntA("list", "itemcnt", 0, file.c_str()) == 7);
    const std::vector<std::string> sections = Names(nullptr, file, 1);
    if (!sections.empty()) {
        const std::string& first = sections.front();
        WritePrivateProfileStringA(first.c_str(), "Added", "1", file.c_str());
        WritePrivateProfileStringA(first.c_str(), nullptr, nullptr, file.c_str());
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return 0;
}
