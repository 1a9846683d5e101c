#include "menu/NumberedNames.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace {

// Every name of the list answer; the buffer grows until the list fits, which
// it does by the file's size at the latest.
std::vector<char> NameList(LPCSTR pszSection, LPCSTR pszFile) {
    std::vector<char> names(4096);
    while (::GetPrivateProfileStringA(pszSection, nullptr, "", names.data(),
                                      static_cast<DWORD>(names.size()),
                                      pszFile) == names.size() - 2) {
        names.resize(names.size() * 2);
    }
    return names;
}

}  // namespace

std::vector<int> NumberedNames(LPCSTR pszSection, LPCSTR pszFile, int nFirst, int nLast) {
    std::vector<int> numbers;
    if (nFirst > nLast) return numbers;
    const std::vector<char> names = NameList(pszSection, pszFile);
    for (const char* pszName = names.data(); *pszName; pszName += std::strlen(pszName) + 1) {
        std::string_view name(pszName);
        while (!name.empty() && (name.front() == ' ' || name.front() == '\t'))
            name.remove_prefix(1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
        int n = 0;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), n);
        if (error == std::errc() && end == name.data() + name.size() && n >= nFirst && n <= nLast)
            numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}
