// What the fuzz targets share: the input laid down as a real file for the
// code that reads files by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// The bytes as the file "name" in a directory of this process's own; each
// call replaces the file by a new one, so that the profile cache sees a
// change even when size and time stay the same.
std::string WriteFile(std::string_view name, std::string_view bytes);

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Ends the run as a finding, naming the expectation that does not hold.
[[noreturn]] void Fail(const char* pszExpectation, const char* pszFile, int nLine);

}  // namespace fuzz

#define FUZZ_EXPECT(condition) ((condition) ? (void)0 : fuzz::Fail(#condition, __FILE__, __LINE__))

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
