// A conversion descriptor of iconv, owned.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace afx::detail {

class Iconv {
public:
    Iconv(const char* pszTo, const char* pszFrom);
    ~Iconv();
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Appends the conversion of input to out as far as it goes. Returns the
    // number of input bytes consumed: all of them, or the offset of the first
    // sequence that is invalid, incomplete or has no equivalent (also 0 when
    // the converter could not be opened).
    std::size_t Convert(std::string_view input, std::string& out);

private:
    iconv_t m_cd;
};

}  // namespace afx::detail
