#include <windows.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "core/Path.h"

namespace {

// "dir/Name.dll" and "dir/Name" name "dir/libName.so"; any other extension
// is taken as the file's real name.
std::string SharedLibraryPath(const std::string& path) {
    const std::size_t nNameBegin = path.rfind('/') + 1;  // 0 without a directory
    std::string name = path.substr(nNameBegin);
    const std::size_t nDot = name.rfind('.');
    if (nDot != std::string::npos) {
        std::string extension = name.substr(nDot);
        for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (extension != ".dll") return path;
        name.erase(nDot);
    }
    return path.substr(0, nNameBegin) + "lib" + name + ".so";
}

std::string ExecutableDirectory() {
    std::string exe(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", exe.data(), exe.size());
    if (n <= 0) return {};
    exe.resize(static_cast<std::size_t>(n));
    return exe.substr(0, exe.rfind('/') + 1);
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
    if (lpLibFileName == nullptr || *lpLibFileName == '\0') return nullptr;
    const std::string path = SharedLibraryPath(afx::detail::NativePath(lpLibFileName));
    void* handle = nullptr;
    // As on Windows, a bare name is looked for beside the program first.
    if (path.find('/') == std::string::npos) {
        const std::string besideProgram = ExecutableDirectory() + path;
        if (access(besideProgram.c_str(), F_OK) == 0)
            handle = dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (handle == nullptr) handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (hModule == nullptr || lpProcName == nullptr) return nullptr;
    // Through an integer: a direct cast between object and function pointers is not portable C++.
    return reinterpret_cast<FARPROC>(reinterpret_cast<std::uintptr_t>(dlsym(hModule, lpProcName)));
}

BOOL FreeLibrary(HMODULE hLibModule) {
    return hLibModule != nullptr && dlclose(hLibModule) == 0;
}
