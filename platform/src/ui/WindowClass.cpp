#include "WindowClass.h"

#include <QString>

#include <map>

namespace afx::detail {
namespace {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return QString::compare(QString::fromLatin1(a), QString::fromLatin1(b),
                                Qt::CaseInsensitive) < 0;
    }
};

std::map<std::string, WindowClass, NoCaseLess>& Classes() {
    static std::map<std::string, WindowClass, NoCaseLess> classes;
    return classes;
}

}  // namespace

void RegisterWindowClass(WindowClass windowClass) {
    std::string name = windowClass.name;
    Classes().insert_or_assign(std::move(name), std::move(windowClass));
}

const WindowClass* FindWindowClass(const std::string& name) {
    auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : &it->second;
}

}  // namespace afx::detail
