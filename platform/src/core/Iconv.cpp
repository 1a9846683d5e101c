#include "core/Iconv.h"

#include <cerrno>

namespace afx::detail {

namespace {
const iconv_t kInvalid = reinterpret_cast<iconv_t>(-1);
}

Iconv::Iconv(const char* pszTo, const char* pszFrom) : m_cd(iconv_open(pszTo, pszFrom)) {}

Iconv::~Iconv() {
    if (m_cd != kInvalid) iconv_close(m_cd);
}

std::size_t Iconv::Convert(std::string_view input, std::string& out) {
    if (m_cd == kInvalid) return 0;
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char* pIn = const_cast<char*>(input.data());  // iconv's signature; it does not write
    std::size_t nInLeft = input.size();
    char chunk[256];
    while (nInLeft > 0) {
        char* pOut = chunk;
        std::size_t nOutLeft = sizeof chunk;
        const std::size_t rc = iconv(m_cd, &pIn, &nInLeft, &pOut, &nOutLeft);
        out.append(chunk, sizeof chunk - nOutLeft);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return input.size() - nInLeft;
}

}  // namespace afx::detail
