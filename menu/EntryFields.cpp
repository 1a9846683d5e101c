#include "menu/EntryFields.h"

#include <string_view>

std::optional<std::array<CString, 3>> SplitEntryFields(const CString& strValue) {
    const std::string_view value(strValue.GetString(),
                                 static_cast<std::size_t>(strValue.GetLength()));
    const std::size_t nFirst = value.find(',');
    const std::size_t nSecond =
        nFirst == std::string_view::npos ? nFirst : value.find(',', nFirst + 1);
    if (nSecond == std::string_view::npos) return std::nullopt;
    const auto field = [&](std::size_t nFrom, std::size_t nTo) {
        return CString(value.data() + nFrom, static_cast<int>(nTo - nFrom));
    };
    return std::array<CString, 3>{field(0, nFirst), field(nFirst + 1, nSecond),
                                  field(nSecond + 1, value.size())};
}
