#include "afxwin.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

namespace {

const AFX_MSGMAP_ENTRY* SearchMaps(const AFX_MSGMAP* map, UINT nMessage, UINT nCode, UINT nID) {
    for (; map != nullptr; map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (entry->nMessage == nMessage && entry->nCode == nCode && nID >= entry->nID &&
                nID <= entry->nLastID) {
                return entry;
            }
        }
    }
    return nullptr;
}

}  // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
    const AFX_MSGMAP* map = GetMessageMap();
    if (nCode != 0 || nID != 0) return SearchMaps(map, nMessage, nCode, nID);
    // Every message sent to a window is looked up here, and the maps never
    // change, so the answer for a map and a message is remembered.
    struct Slot {
        const AFX_MSGMAP* map;
        UINT message;
        const AFX_MSGMAP_ENTRY* entry;
    };
    thread_local Slot cache[256] = {};
    Slot& slot = cache[(reinterpret_cast<uintptr_t>(map) >> 4 ^ nMessage) & 255];
    if (slot.map != map || slot.message != nMessage)
        slot = {map, nMessage, SearchMaps(map, nMessage, 0, 0)};
    return slot.entry;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    const UINT message =
        HIWORD(static_cast<UINT>(nCode)) == 0 ? WM_COMMAND : HIWORD(static_cast<UINT>(nCode));
    const UINT code = LOWORD(static_cast<UINT>(nCode));
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, code, nID);
    if (entry == nullptr) return FALSE;
    if (pHandlerInfo != nullptr) return TRUE;
    LRESULT unused = 0;
    if (message == WM_NOTIFY || message == WM_NOTIFY + WM_REFLECT_BASE) {
        auto* notify = static_cast<AFX_NOTIFY*>(pExtra);
        LRESULT* pResult =
            notify != nullptr && notify->pResult != nullptr ? notify->pResult : &unused;
        return entry->pfn(this, message, 0,
                          reinterpret_cast<LPARAM>(notify != nullptr ? notify->pNMHDR : nullptr),
                          pResult);
    }
    return entry->pfn(this, message, 0, 0, &unused);
}
