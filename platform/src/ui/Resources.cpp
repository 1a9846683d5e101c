#include "Resources.h"

#include <dlfcn.h>

#include <map>
#include <tuple>

#include "afxcodepage.h"
#include "afxresource.h"
#include "afxwin.h"

namespace afx::detail {
namespace {

using Key = std::tuple<HINSTANCE, ULONG_PTR, UINT>;

struct Registry {
    std::map<Key, DialogTemplateData> dialogs;
    std::map<Key, std::vector<unsigned char>> bitmaps;
};

Registry& Resources() {
    static Registry registry;
    return registry;
}

Key KeyOf(HINSTANCE module, LPCTSTR type, UINT id) {
    return Key{module, reinterpret_cast<ULONG_PTR>(type), id};
}

RECT DialogRect(short x, short y, short cx, short cy) {
    return RECT{x, y, x + cx, y + cy};
}

}  // namespace

bool HasResource(HINSTANCE module, LPCTSTR type, UINT id) {
    const Key key = KeyOf(module, type, id);
    return Resources().dialogs.count(key) != 0 || Resources().bitmaps.count(key) != 0;
}

const DialogTemplateData* FindDialogTemplate(HINSTANCE module, UINT id) {
    auto& dialogs = Resources().dialogs;
    auto it = dialogs.find(KeyOf(module, RT_DIALOG, id));
    return it == dialogs.end() ? nullptr : &it->second;
}

const std::vector<unsigned char>* FindBitmap(HINSTANCE module, UINT id) {
    auto& bitmaps = Resources().bitmaps;
    auto it = bitmaps.find(KeyOf(module, RT_BITMAP, id));
    return it == bitmaps.end() ? nullptr : &it->second;
}

}  // namespace afx::detail

namespace afx {

HINSTANCE ModuleOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0) return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

void RegisterDialogTemplate(HINSTANCE module, const DialogTemplate& t) {
    detail::DialogTemplateData data{t.id,
                                    Utf8ToCp949(t.caption != nullptr ? t.caption : ""),
                                    t.style,
                                    t.exStyle,
                                    t.fontName != nullptr ? t.fontName : "",
                                    t.pointSize,
                                    detail::DialogRect(t.x, t.y, t.cx, t.cy),
                                    {}};
    for (const DialogControl& c : t.controls) {
        data.items.push_back(detail::DialogItemData{c.id, c.className != nullptr ? c.className : "",
                                                    Utf8ToCp949(c.text != nullptr ? c.text : ""),
                                                    c.style, c.exStyle,
                                                    detail::DialogRect(c.x, c.y, c.cx, c.cy)});
    }
    detail::Resources().dialogs.insert_or_assign(detail::KeyOf(module, RT_DIALOG, t.id),
                                                 std::move(data));
}

void RegisterBitmap(HINSTANCE module, UINT id, std::span<const unsigned char> imageFile) {
    detail::Resources().bitmaps.insert_or_assign(
        detail::KeyOf(module, RT_BITMAP, id),
        std::vector<unsigned char>(imageFile.begin(), imageFile.end()));
}

void UnregisterResource(HINSTANCE module, LPCTSTR type, UINT id) {
    const detail::Key key = detail::KeyOf(module, type, id);
    detail::Resources().dialogs.erase(key);
    detail::Resources().bitmaps.erase(key);
}

ResourceRegistrar::ResourceRegistrar(const DialogTemplate& dialogTemplate)
    : m_module(ModuleOf(this)), m_type(RT_DIALOG), m_id(dialogTemplate.id) {
    RegisterDialogTemplate(m_module, dialogTemplate);
}

ResourceRegistrar::ResourceRegistrar(UINT bitmapId, std::span<const unsigned char> imageFile)
    : m_module(ModuleOf(this)), m_type(RT_BITMAP), m_id(bitmapId) {
    RegisterBitmap(m_module, bitmapId, imageFile);
}

ResourceRegistrar::~ResourceRegistrar() {
    UnregisterResource(m_module, m_type, m_id);
}

}  // namespace afx
