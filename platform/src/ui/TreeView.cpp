#include "TreeView.h"

#include "ImageSet.h"
#include "Text.h"
#include "Window.h"
#include "WindowClass.h"
#include "core/CodePage.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace afx::detail {

namespace {

const WindowClassRegistrar kRegistrar({WC_TREEVIEWA, &TreeView::Proc,
                                       [](Window& window, QWidget* parent) -> QWidget* {
                                           return new TreeView(window, parent);
                                       },
                                       CS_DBLCLKS});

constexpr int kDefaultIndent = 19;
// The timer that turns a second click on the selected label into an edit.
constexpr UINT_PTR kEditTimer = 0x7E01;
constexpr int kButtonSize = 9;

std::string TextOf(LPCSTR text) {
    return text && text != LPSTR_TEXTCALLBACKA ? std::string(text) : std::string();
}

}  // namespace

TreeView::TreeView(Window& window, QWidget* parent) : ControlWidget(window, parent) {
    m_layout.indent = kDefaultIndent;
    m_layout.textWidth = [this](const std::string& text) {
        return QFontMetrics(font()).horizontalAdvance(ToQt(text));
    };
    UpdateMetrics();
}

LRESULT CALLBACK TreeView::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TreeView* view = Of<TreeView>(hwnd);
    if (!view) return DefWindowProc(hwnd, message, wParam, lParam);
    const LRESULT result = view->Message(message, wParam, lParam);
    // Looked up again: the message may have destroyed the control.
    if (TreeView* after = Of<TreeView>(hwnd))
        after->m_model.Verify({after->m_caret, after->m_drop, after->m_editItem});
    return result;
}

// ------------------------------------------------------------------ messages

LRESULT TreeView::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    m_layout.style = Style();  // the styles may have changed since the last message
    NoteFocusFreshness(message);
    switch (message) {
        case TVM_INSERTITEMA:
            return reinterpret_cast<LRESULT>(
                OnInsertItem(reinterpret_cast<const TVINSERTSTRUCTA*>(lParam)));
        case TVM_DELETEITEM:
            return OnDeleteItem(reinterpret_cast<HTREEITEM>(lParam));
        case TVM_EXPAND:
            return Expand(Item(reinterpret_cast<HTREEITEM>(lParam)), static_cast<UINT>(wParam),
                          false);
        case TVM_GETITEMRECT:
            return OnGetItemRect(wParam != 0, reinterpret_cast<RECT*>(lParam));
        case TVM_GETCOUNT:
            return m_model.Count();
        case TVM_GETINDENT:
            return m_layout.indent;
        case TVM_SETINDENT:
            OnSetIndent(static_cast<int>(wParam));
            return 0;
        case TVM_GETIMAGELIST:
            return reinterpret_cast<LRESULT>(wParam == TVSIL_STATE ? m_stateImages
                                                                   : m_normalImages);
        case TVM_SETIMAGELIST:
            return reinterpret_cast<LRESULT>(
                OnSetImageList(wParam, reinterpret_cast<HIMAGELIST>(lParam)));
        case TVM_GETNEXTITEM:
            return reinterpret_cast<LRESULT>(
                OnGetNextItem(static_cast<UINT>(wParam), reinterpret_cast<HTREEITEM>(lParam)));
        case TVM_SELECTITEM:
            return OnSelectItem(static_cast<UINT>(wParam & 0xFF),
                                reinterpret_cast<HTREEITEM>(lParam));
        case TVM_GETITEMA:
            return OnGetItem(reinterpret_cast<TVITEMA*>(lParam));
        case TVM_SETITEMA:
            return OnSetItem(reinterpret_cast<const TVITEMA*>(lParam));
        case TVM_GETITEMSTATE:
            return OnGetItemState(reinterpret_cast<HTREEITEM>(wParam), static_cast<UINT>(lParam));
        case TVM_EDITLABELA:
            return reinterpret_cast<LRESULT>(EditLabel(Item(reinterpret_cast<HTREEITEM>(lParam))));
        case TVM_GETEDITCONTROL:
            return reinterpret_cast<LRESULT>(m_edit);
        case TVM_ENDEDITLABELNOW:
            return OnEndEditLabelNow(wParam != 0);
        case TVM_GETVISIBLECOUNT:
            return m_layout.VisibleCount();
        case TVM_HITTEST:
            return reinterpret_cast<LRESULT>(OnHitTest(reinterpret_cast<TVHITTESTINFO*>(lParam)));
        case TVM_ENSUREVISIBLE:
            return OnEnsureVisible(reinterpret_cast<HTREEITEM>(lParam));
        case TVM_SETITEMHEIGHT:
            return OnSetItemHeight(static_cast<SHORT>(wParam));
        case TVM_GETITEMHEIGHT:
            return m_layout.itemHeight;

        case WM_LBUTTONDOWN:
            OnButtonDown(wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDBLCLK:
            OnDoubleClick(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_TIMER:
            return OnTimer(wParam, lParam);
        case WM_RBUTTONDOWN:
            OnRightButtonDown();
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam));
            return 0;
        case WM_DESTROY:
            return OnDestroy(wParam, lParam);
        default: {
            LRESULT result = 0;
            return CommonMessage(message, wParam, lParam, result)
                       ? result
                       : DefWindowProc(Hwnd(), message, wParam, lParam);
        }
    }
}

void TreeView::NoteFocusFreshness(UINT message) {
    // The window system gives the focus to a clicked tree before its press
    // arrives: the focus is fresh until the pointer or the keys do anything.
    if (message == WM_SETFOCUS) {
        m_freshFocus = true;
    } else if (message == WM_MOUSEMOVE || message == WM_KEYDOWN || message == WM_KEYUP) {
        m_freshFocus = false;
    }
}

bool TreeView::OnDeleteItem(HTREEITEM handle) {
    if (!handle || handle == TVI_ROOT) return Delete(nullptr);
    TreeItem* item = Item(handle);
    return item && Delete(item);
}

bool TreeView::OnGetItemRect(bool textOnly, RECT* rect) const {
    if (!rect) return false;
    // The item's handle arrives in the first bytes of the rectangle.
    HTREEITEM handle;
    std::memcpy(&handle, rect, sizeof handle);
    return ItemRect(Item(handle), textOnly, *rect);
}

void TreeView::OnSetIndent(int indent) {
    m_layout.indent = std::max(indent, 0);
    Changed();
}

HIMAGELIST TreeView::OnSetImageList(WPARAM which, HIMAGELIST images) {
    HIMAGELIST& slot = which == TVSIL_STATE ? m_stateImages : m_normalImages;
    HIMAGELIST old = std::exchange(slot, images);
    UpdateMetrics();
    Changed();
    return old;
}

HTREEITEM TreeView::OnGetNextItem(UINT code, HTREEITEM handle) {
    return Handle(m_model.Recent(Next(code, handle)));
}

bool TreeView::OnSelectItem(UINT code, HTREEITEM handle) {
    TreeItem* item = Item(handle);
    if (handle && !item) return false;
    switch (code) {
        case TVGN_CARET:
            return SelectCaret(item, TVC_UNKNOWN);
        case TVGN_DROPHILITE:
            SetDropHilite(item);
            return true;
        case TVGN_FIRSTVISIBLE:
            if (!item || m_model.RowOf(*item) < 0) return false;
            m_layout.SetTopRow(m_model.RowOf(*item));
            Changed();
            return true;
        default:
            return false;
    }
}

bool TreeView::OnSetItem(const TVITEMA* in) {
    TreeItem* item = in ? Item(in->hItem) : nullptr;
    if (!item) return false;
    Apply(*item, *in);
    Changed();
    return true;
}

UINT TreeView::OnGetItemState(HTREEITEM handle, UINT mask) const {
    const TreeItem* item = Item(handle);
    return item ? item->state & mask : 0;
}

bool TreeView::OnEndEditLabelNow(bool cancel) {
    if (!m_edit) return false;
    EndEdit(cancel);
    return true;
}

HTREEITEM TreeView::OnHitTest(TVHITTESTINFO* info) const {
    if (!info) return nullptr;
    info->hItem = Handle(m_layout.HitTest(info->pt, info->flags));
    return info->hItem;
}

bool TreeView::OnEnsureVisible(HTREEITEM handle) {
    TreeItem* item = Item(handle);
    if (!item) return false;
    Reveal(*item);
    return true;
}

int TreeView::OnSetItemHeight(int height) {
    const int old = m_layout.itemHeight;
    m_fixedItemHeight = height;
    UpdateMetrics();
    Changed();
    return old;
}

LRESULT TreeView::OnTimer(WPARAM id, LPARAM lParam) {
    if (id != kEditTimer) return DefWindowProc(Hwnd(), WM_TIMER, id, lParam);
    if (TreeItem* item = std::exchange(m_clickEditItem, nullptr)) {
        KillTimer(Hwnd(), kEditTimer);
        if (item == m_caret && !m_edit && m_model.Find(item)) EditLabel(item);
    }
    return 0;
}

void TreeView::OnRightButtonDown() {
    NMHDR header{};
    Notify(NM_RCLICK, header);
}

LRESULT TreeView::OnDestroy(WPARAM wParam, LPARAM lParam) {
    CancelClickEdit();
    // The parent hears of every item, as when they are deleted one by one.
    if (m_edit) EndEdit(true);
    Delete(nullptr);
    return DefWindowProc(Hwnd(), WM_DESTROY, wParam, lParam);
}

// ------------------------------------------------------------------ items

void TreeView::Fill(TVITEMA& out, const TreeItem* item, UINT mask) const {
    out.mask = mask;
    out.hItem = Handle(item);
    out.state = item ? item->state : 0;
    out.stateMask = item ? 0xFFFFFFFFu : 0;
    out.lParam = item ? item->lParam : 0;
    out.iImage = item ? item->image : 0;
    out.iSelectedImage = item ? item->selectedImage : 0;
    out.cChildren = item ? item->ChildrenFlag() : 0;
}

HTREEITEM TreeView::OnInsertItem(const TVINSERTSTRUCTA* in) {
    if (!in) return nullptr;
    const TVINSERTSTRUCTA& insert = *in;
    TreeItem* parent = nullptr;
    if (insert.hParent && insert.hParent != TVI_ROOT) {
        parent = Item(insert.hParent);
        if (!parent) return nullptr;
    }
    TreeItem* after = m_model.LastChildOf(parent);
    if (insert.hInsertAfter == TVI_FIRST) {
        after = nullptr;
    } else if (insert.hInsertAfter != TVI_LAST && insert.hInsertAfter != TVI_SORT) {
        // An item that is not a child of the parent inserts last, as Windows does.
        TreeItem* sibling = Item(insert.hInsertAfter);
        if (sibling && m_model.ParentOf(*sibling) == parent) after = sibling;
    }
    TreeItem* item = m_model.Insert(parent, after);
    Apply(*item, insert.item);
    // Out of sight the item changes no row and no scroll range; only its
    // folder's button may appear.
    if (m_model.RowOf(*item) < 0) {
        update();
    } else {
        Changed();
    }
    return Handle(item);
}

void TreeView::Apply(TreeItem& item, const TVITEMA& in) {
    if (in.mask & TVIF_TEXT) item.SetText(TextOf(in.pszText));
    if (in.mask & TVIF_IMAGE) item.image = in.iImage;
    if (in.mask & TVIF_SELECTEDIMAGE) item.selectedImage = in.iSelectedImage;
    if (in.mask & TVIF_PARAM) item.lParam = in.lParam;
    if (in.mask & TVIF_CHILDREN) {
        item.kids = in.cChildren == I_CHILDRENCALLBACK ? TreeItem::Kids::Callback
                    : in.cChildren > 0                 ? TreeItem::Kids::Yes
                    : in.cChildren == 0                ? TreeItem::Kids::No
                                                       : TreeItem::Kids::Compute;
    }
    if (in.mask & TVIF_STATE) {
        // The bits are the caller's to set, the highlights included, which
        // then show without making the item the caret or the drop target.
        const bool wasExpanded = item.Expanded();
        item.state = (item.state & ~in.stateMask) | (in.state & in.stateMask);
        if (item.Expanded() != wasExpanded) m_model.InvalidateRows();
    }
}

bool TreeView::OnGetItem(TVITEMA* query) const {
    if (!query) return false;
    TVITEMA& out = *query;
    const TreeItem* item = Item(out.hItem);
    if (!item) return false;
    if (out.mask & TVIF_TEXT) CopyToBuffer(item->Text(), out.pszText, out.cchTextMax);
    if (out.mask & TVIF_IMAGE) out.iImage = item->image;
    if (out.mask & TVIF_SELECTEDIMAGE) out.iSelectedImage = item->selectedImage;
    if (out.mask & TVIF_PARAM) out.lParam = item->lParam;
    if (out.mask & TVIF_CHILDREN) out.cChildren = item->ChildrenFlag();
    if (out.mask & TVIF_STATE) out.state = item->state & out.stateMask;
    return true;
}

bool TreeView::Delete(TreeItem* item) {
    if (m_edit && (!item || m_editItem == item || m_model.IsDescendant(*m_editItem, *item))) {
        EndEdit(true);
    }
    // A deleted selection passes to the next sibling, else the parent, else
    // the previous sibling; the new item is selected once the deletion is over.
    TreeItem* successor = nullptr;
    if (item && m_caret && (m_caret == item || m_model.IsDescendant(*m_caret, *item))) {
        successor = item->next                ? item->next
                    : m_model.ParentOf(*item) ? m_model.ParentOf(*item)
                                              : item->prev;
    }
    auto notify = [this](TreeItem& gone) {
        if (&gone == m_caret) m_caret = nullptr;
        if (&gone == m_drop) m_drop = nullptr;
        NMTREEVIEWA nm{};
        Fill(nm.itemOld, &gone, TVIF_HANDLE | TVIF_PARAM);
        Notify(TVN_DELETEITEMA, nm.hdr);
    };
    item ? m_model.Remove(item, notify) : m_model.RemoveAll(notify);
    Changed();
    if (!m_caret && successor && m_model.Find(successor)) SelectCaret(successor, TVC_UNKNOWN);
    return true;
}

TreeItem* TreeView::Next(UINT code, HTREEITEM handle) const {
    TreeItem* item = Item(handle);
    switch (code) {
        case TVGN_ROOT:
            return m_model.FirstRoot();
        case TVGN_CARET:
            return m_caret;
        case TVGN_DROPHILITE:
            return m_drop;
        case TVGN_FIRSTVISIBLE: {
            const auto& rows = m_model.Rows();
            return m_layout.TopRow() < static_cast<int>(rows.size()) ? rows[m_layout.TopRow()]
                                                                     : nullptr;
        }
        case TVGN_LASTVISIBLE:
            return m_model.LastVisible();
        case TVGN_CHILD:
            if (!handle || handle == TVI_ROOT) return m_model.FirstRoot();
            return item ? item->firstChild : nullptr;
        default:
            break;
    }
    if (!item) return nullptr;
    switch (code) {
        case TVGN_NEXT:
            return item->next;
        case TVGN_PREVIOUS:
            return item->prev;
        case TVGN_PARENT:
            return m_model.ParentOf(*item);
        case TVGN_NEXTVISIBLE:
            return TreeModel::NextVisible(*item);
        case TVGN_PREVIOUSVISIBLE:
            return m_model.PreviousVisible(*item);
        default:
            return nullptr;
    }
}

bool TreeView::Expand(TreeItem* item, UINT code, bool byUser) {
    if (!item || item->ChildrenFlag() == 0) return false;
    UINT action = code & TVE_TOGGLE;
    if (action == TVE_TOGGLE) action = item->Expanded() ? TVE_COLLAPSE : TVE_EXPAND;
    if (action == TVE_EXPAND && item->Expanded()) return true;
    if (action == TVE_COLLAPSE && !item->Expanded()) return false;
    if (action != TVE_EXPAND && action != TVE_COLLAPSE) return false;

    // Once expanded, an item hears no more of TVM_EXPAND; the user always notifies.
    const bool notifying = byUser || !(item->state & TVIS_EXPANDEDONCE);
    if (notifying) {
        NMTREEVIEWA nm{};
        nm.action = action;
        Fill(nm.itemNew, item, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
        if (Notify(TVN_ITEMEXPANDINGA, nm.hdr) || !m_model.Find(item)) return false;
    }
    if (action == TVE_EXPAND) {
        item->state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
    } else {
        item->state &= ~TVIS_EXPANDED;
        if (code & TVE_COLLAPSERESET) {
            item->state &= ~TVIS_EXPANDEDONCE;
            while (item->firstChild) Delete(item->firstChild);
        }
    }
    m_model.InvalidateRows();
    Changed();
    if (action == TVE_COLLAPSE && m_caret && m_model.IsDescendant(*m_caret, *item)) {
        SelectCaret(item, TVC_UNKNOWN);
    }
    if (byUser && action == TVE_EXPAND && item->lastChild) {
        // Show as many of the new rows as fit, without losing the item itself.
        m_layout.EnsureVisible(m_model.RowOf(*item->lastChild));
        m_layout.EnsureVisible(m_model.RowOf(*item));
        Changed();
    }
    if (notifying && m_model.Find(item)) {
        NMTREEVIEWA nm{};
        nm.action = action;
        Fill(nm.itemNew, item, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
        Notify(TVN_ITEMEXPANDEDA, nm.hdr);
    }
    return true;
}

// The nearest folder opens first, as the control does: a folder opened below
// closed ones adds no rows yet, so opening a long line of them costs one
// count of the rows, not one per folder.
void TreeView::Reveal(TreeItem& item) {
    for (TreeItem* at = m_model.ParentOf(item); at;) {
        if (!at->Expanded()) Expand(at, TVE_EXPAND, true);
        // A handler of the expansion may have deleted the folder, or the item.
        if (!m_model.Find(at)) return;
        at = m_model.ParentOf(*at);
    }
    if (!m_model.Find(&item)) return;
    m_layout.EnsureVisible(m_model.RowOf(item));
    Changed();
}

bool TreeView::SelectCaret(TreeItem* item, UINT action) {
    if (item == m_caret) {
        if (item) Reveal(*item);
        return true;
    }
    NMTREEVIEWA nm{};
    nm.action = action;
    Fill(nm.itemOld, m_caret, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
    Fill(nm.itemNew, item, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
    if (Notify(TVN_SELCHANGINGA, nm.hdr)) return false;
    if (item && !m_model.Find(item)) return false;
    TreeItem* old = m_caret && m_model.Find(m_caret) ? m_caret : nullptr;
    if (old) old->state &= ~TVIS_SELECTED;
    m_caret = item;
    if (item) {
        item->state |= TVIS_SELECTED;
        Reveal(*item);
    }
    update();
    Fill(nm.itemOld, old, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
    Fill(nm.itemNew, m_caret, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
    Notify(TVN_SELCHANGEDA, nm.hdr);
    return true;
}

void TreeView::SetDropHilite(TreeItem* item) {
    if (m_drop) m_drop->state &= ~TVIS_DROPHILITED;
    m_drop = item;
    if (m_drop) m_drop->state |= TVIS_DROPHILITED;
    update();
}

bool TreeView::ItemRect(TreeItem* item, bool textOnly, RECT& rect) const {
    const int row = item ? m_model.RowOf(*item) : -1;
    if (row < 0) return false;
    const TreeRowParts p = m_layout.Parts(*item, row);
    rect = textOnly ? RECT{p.labelLeft, p.top, p.labelRight, p.bottom}
                    : RECT{0, p.top, ClientWidth(), p.bottom};
    return true;
}

// ------------------------------------------------------------------ label editing

HWND TreeView::EditLabel(TreeItem* item) {
    if (m_edit) EndEdit(false);
    if (!item || !(Style() & TVS_EDITLABELS) || !m_model.Find(item)) return nullptr;
    SelectCaret(item, TVC_UNKNOWN);
    if (!m_model.Find(item)) return nullptr;
    RECT label{};
    ItemRect(item, true, label);
    const int width = std::max<int>(label.right - label.left + 40, 60);
    // The edit exists before TVN_BEGINLABELEDIT, so the parent can limit it.
    HWND edit = CreateWindowEx(0, "Edit", item->Text().c_str(),
                               WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, label.left - 2, label.top,
                               std::min(width, std::max(60, ClientWidth() - label.left + 2)),
                               label.bottom - label.top, Hwnd(), nullptr, nullptr, nullptr);
    if (!edit) return nullptr;
    SendMessage(edit, WM_SETFONT, SendMessage(Hwnd(), WM_GETFONT, 0, 0), FALSE);
    m_edit = edit;
    m_editItem = item;
    s_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TreeView::EditProc)));

    NMTVDISPINFOA info{};
    Fill(info.item, item, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_TEXT);
    std::string text = item->Text();
    info.item.pszText = text.data();
    info.item.cchTextMax = static_cast<int>(text.size()) + 1;
    if (Notify(TVN_BEGINLABELEDITA, info.hdr) || m_edit != edit || !m_model.Find(item)) {
        if (m_edit == edit) {
            m_edit = nullptr;
            m_editItem = nullptr;
            DestroyWindow(edit);
        }
        return nullptr;
    }
    ShowWindow(edit, SW_SHOW);
    SendMessage(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return edit;
}

void TreeView::EndEdit(bool cancel) {
    HWND edit = std::exchange(m_edit, nullptr);
    TreeItem* item = std::exchange(m_editItem, nullptr);
    if (!edit) return;
    std::string text(static_cast<size_t>(GetWindowTextLength(edit)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowText(edit, text.data(), static_cast<int>(text.size()))));
    const bool hadFocus = GetFocus() == edit;
    if (m_model.Find(item)) {
        NMTVDISPINFOA info{};
        Fill(info.item, item, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_TEXT);
        info.item.pszText = cancel ? nullptr : text.data();
        info.item.cchTextMax = cancel ? 0 : static_cast<int>(text.size()) + 1;
        if (Notify(TVN_ENDLABELEDITA, info.hdr) && !cancel && m_model.Find(item)) {
            item->SetText(text);
        }
    }
    if (IsWindow(edit)) DestroyWindow(edit);
    if (hadFocus && IsWindow(Hwnd())) SetFocus(Hwnd());
    Changed();
}

LRESULT CALLBACK TreeView::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TreeView* view = Of<TreeView>(GetParent(hwnd));
    // An edit that no longer edits (it is being destroyed) gets the Edit
    // class's own handling only.
    if (!view || view->m_edit != hwnd)
        return CallWindowProc(s_editProc, hwnd, message, wParam, lParam);
    const WNDPROC base = s_editProc;
    switch (message) {
        case WM_GETDLGCODE:
            // Enter and Escape end the edit, so the dialog must not take them.
            return DLGC_WANTALLKEYS | CallWindowProc(base, hwnd, message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
                view->EndEdit(wParam == VK_ESCAPE);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == '\r' || wParam == 0x1B) return 0;
            break;
        case WM_KILLFOCUS: {
            const LRESULT result = CallWindowProc(base, hwnd, message, wParam, lParam);
            // Losing the focus to anything but the edit itself accepts the text.
            if (view->m_edit == hwnd) view->EndEdit(false);
            return result;
        }
        default:
            break;
    }
    return CallWindowProc(base, hwnd, message, wParam, lParam);
}

// ------------------------------------------------------------------ input

void TreeView::CancelClickEdit() {
    if (std::exchange(m_clickEditItem, nullptr) != nullptr) KillTimer(Hwnd(), kEditTimer);
}

void TreeView::OnButtonDown(WPARAM, POINT pt) {
    CancelClickEdit();
    // Only a click in a tree that already had the focus edits: the click
    // that brings a person back to the tree, or out of an edit, does not.
    const bool hadFocus = GetFocus() == Hwnd() && !std::exchange(m_freshFocus, false);
    if (m_edit) EndEdit(false);
    SetFocus(Hwnd());
    UINT flags = 0;
    TreeItem* item = m_layout.HitTest(pt, flags);
    const bool clickEdit = hadFocus && item && item == m_caret && (flags & TVHT_ONITEMLABEL) &&
                           (Style() & TVS_EDITLABELS);
    if (item && (flags & TVHT_ONITEMBUTTON)) {
        Expand(item, TVE_TOGGLE, true);
        return;
    }
    const bool onItem = item && ((flags & TVHT_ONITEM) ||
                                 ((Style() & TVS_FULLROWSELECT) && (flags & TVHT_ONITEMRIGHT)));
    if (onItem && !(Style() & TVS_DISABLEDRAGDROP)) {
        HWND hwnd = Hwnd();
        POINT screen = pt;
        ClientToScreen(hwnd, &screen);
        const bool drag = DragDetect(hwnd, screen);
        // The wait for the drag runs messages; the tree or the item may be gone.
        if (!IsWindow(hwnd) || !m_model.Find(item)) return;
        if (drag) {
            NMTREEVIEWA nm{};
            nm.action = TVC_BYMOUSE;
            Fill(nm.itemNew, item, TVIF_HANDLE | TVIF_STATE | TVIF_PARAM);
            nm.ptDrag = pt;
            Notify(TVN_BEGINDRAGA, nm.hdr);
            return;
        }
    }
    // The parent hears of the click while the old item is still selected.
    NMHDR header{};
    if (Notify(NM_CLICK, header)) return;
    if (onItem && m_model.Find(item)) SelectCaret(item, TVC_BYMOUSE);
    // A second click on the selected label edits it once the time for a
    // double click has passed without one.
    if (clickEdit && item == m_caret && !m_edit) {
        m_clickEditItem = item;
        SetTimer(Hwnd(), kEditTimer, GetDoubleClickTime(), nullptr);
    }
}

void TreeView::OnDoubleClick(POINT pt) {
    CancelClickEdit();
    UINT flags = 0;
    TreeItem* item = m_layout.HitTest(pt, flags);
    if (item && (flags & TVHT_ONITEMBUTTON)) {
        Expand(item, TVE_TOGGLE, true);
        return;
    }
    NMHDR header{};
    if (Notify(NM_DBLCLK, header)) return;
    if (item && (flags & TVHT_ONITEM) && m_model.Find(item)) Expand(item, TVE_TOGGLE, true);
}

void TreeView::OnKeyDown(UINT key) {
    CancelClickEdit();
    NMTVKEYDOWN down{};
    down.wVKey = static_cast<WORD>(key);
    Notify(TVN_KEYDOWN, down.hdr);  // its answer only matters for incremental search
    const auto& rows = m_model.Rows();
    if (rows.empty()) return;
    const int row = m_caret ? m_model.RowOf(*m_caret) : -1;
    const int last = static_cast<int>(rows.size()) - 1;
    const int page = std::max(1, m_layout.VisibleCount() - 1);
    auto go = [&](int to) { SelectCaret(rows[std::clamp(to, 0, last)], TVC_BYKEYBOARD); };
    switch (key) {
        case VK_UP:
            go(row < 0 ? 0 : row - 1);
            break;
        case VK_DOWN:
            go(row + 1);
            break;
        case VK_PRIOR:
            go(row - page);
            break;
        case VK_NEXT:
            go(row < 0 ? page : row + page);
            break;
        case VK_HOME:
            go(0);
            break;
        case VK_END:
            go(last);
            break;
        case VK_LEFT:
        case VK_BACK:
            if (!m_caret)
                go(0);
            else if (key == VK_LEFT && m_caret->Expanded() && m_caret->firstChild)
                Expand(m_caret, TVE_COLLAPSE, true);
            else if (TreeItem* parent = m_model.ParentOf(*m_caret))
                SelectCaret(parent, TVC_BYKEYBOARD);
            break;
        case VK_RIGHT:
            if (!m_caret)
                go(0);
            else if (!m_caret->Expanded())
                Expand(m_caret, TVE_EXPAND, true);
            else if (m_caret->firstChild)
                SelectCaret(m_caret->firstChild, TVC_BYKEYBOARD);
            break;
        case VK_F2:
            if (m_caret) EditLabel(m_caret);
            break;
        case VK_RETURN: {
            NMHDR header{};
            Notify(NM_RETURN, header);
            break;
        }
        default:
            break;
    }
}

// ------------------------------------------------------------------ layout and painting

void TreeView::UpdateMetrics() {
    const ImageMetrics images = MeasureImages(m_stateImages, m_normalImages);
    m_layout.ForgetTextWidths();
    m_layout.stateImageWidth = images.stateWidth;
    m_layout.imageWidth = images.imageWidth;
    if (m_fixedItemHeight > 0) {
        m_layout.itemHeight = m_fixedItemHeight;
    } else {
        // As the control does: room for the text or the images, made even.
        int height = std::max(QFontMetrics(font()).height() + 3, images.height);
        m_layout.itemHeight = height + (height & 1);
    }
}

void TreeView::Changed() {
    m_model.Rows();
    SyncScrollBars();
    update();
}

void TreeView::SetClientSize(int width, int height) {
    m_layout.clientWidth = width;
    m_layout.clientHeight = height;
    m_layout.Clamp();
}

ControlWidget::ScrollRanges TreeView::Ranges() const {
    ScrollRanges r;
    const int rows = static_cast<int>(m_model.Rows().size());
    r.vPage = std::max(1, m_layout.VisibleCount());
    r.vMax = std::max(0, rows - r.vPage);
    r.vValue = m_layout.TopRow();
    r.hPage = std::max(1, ClientWidth());
    r.hMax = std::max(0, m_layout.ContentWidth() - ClientWidth());
    r.hValue = m_layout.ScrollX();
    return r;
}

void TreeView::Scrolled(Qt::Orientation orientation, int value) {
    orientation == Qt::Vertical ? m_layout.SetTopRow(value) : m_layout.SetScrollX(value);
    update();
}

void TreeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SysColour(COLOR_WINDOW));
    painter.setClipRect(0, 0, ClientWidth(), ClientHeight());
    const DWORD style = m_layout.style = Style();
    const bool focused = hasFocus() || (m_edit && GetFocus() == m_edit);
    const auto& rows = m_model.Rows();
    const int indent = m_layout.indent;
    const int rootLevel = (style & TVS_LINESATROOT) ? 1 : 0;
    QPen linePen(SysColour(COLOR_GRAYTEXT), 1, Qt::DotLine);
    const int end = std::min<int>(static_cast<int>(rows.size()),
                                  m_layout.TopRow() + m_layout.VisibleCount() + 1);
    for (int row = m_layout.TopRow(); row < end; ++row) {
        const TreeItem& item = *rows[row];
        const TreeRowParts p = m_layout.Parts(item, row);
        const int mid = (p.top + p.bottom) / 2;
        const int level = m_model.DepthOf(item) + rootLevel;

        if ((style & TVS_HASLINES) && level > 0) {
            painter.setPen(linePen);
            const int x = p.buttonLeft + indent / 2;
            const bool above = item.prev || m_model.ParentOf(item);
            painter.drawLine(x, above ? p.top : mid, x, item.next ? p.bottom : mid);
            painter.drawLine(x, mid, p.stateLeft - 1, mid);
            // The ancestors' lines pass through this row to their next siblings.
            int ancestorX = x, ancestorLevel = level;
            for (const TreeItem* a = m_model.ParentOf(item); a && --ancestorLevel > 0;
                 a = m_model.ParentOf(*a)) {
                ancestorX -= indent;
                if (a->next) painter.drawLine(ancestorX, p.top, ancestorX, p.bottom);
            }
        }
        if (p.button) {
            const int x = p.buttonLeft + indent / 2 - kButtonSize / 2;
            const int y = mid - kButtonSize / 2;
            painter.setPen(SysColour(COLOR_BTNSHADOW));
            painter.setBrush(SysColour(COLOR_WINDOW));
            painter.drawRect(x, y, kButtonSize - 1, kButtonSize - 1);
            painter.setPen(SysColour(COLOR_WINDOWTEXT));
            painter.drawLine(x + 2, mid, x + kButtonSize - 3, mid);
            if (!item.Expanded()) {
                painter.drawLine(x + kButtonSize / 2, y + 2, x + kButtonSize / 2,
                                 y + kButtonSize - 3);
            }
            painter.setBrush(Qt::NoBrush);
        }
        if (const ImageSet* list = ImageSet::FromHandle(m_stateImages);
            list && item.StateImage() > 0) {
            list->Draw(painter, item.StateImage(), {p.stateLeft, mid - list->Height() / 2});
        }
        if (const ImageSet* list = ImageSet::FromHandle(m_normalImages)) {
            const int image = (item.state & TVIS_SELECTED) ? item.selectedImage : item.image;
            list->Draw(painter, image, {p.iconLeft, mid - list->Height() / 2});
        }
        // The drop target takes the highlight from the selection while a drag
        // is over the tree; an unfocused selection shows only with
        // TVS_SHOWSELALWAYS, in the inactive colour.
        const bool selected = (item.state & TVIS_SELECTED) && !m_drop;
        const QRect label(p.labelLeft, p.top, p.labelRight - p.labelLeft, p.bottom - p.top);
        QColor text = SysColour(COLOR_WINDOWTEXT);
        if ((item.state & TVIS_DROPHILITED) || (selected && focused)) {
            painter.fillRect(label, SysColour(COLOR_HIGHLIGHT));
            text = SysColour(COLOR_HIGHLIGHTTEXT);
        } else if (selected && (style & TVS_SHOWSELALWAYS)) {
            painter.fillRect(label, SysColour(COLOR_BTNFACE));
        }
        painter.setPen(text);
        painter.drawText(label.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         ToQt(item.Text()));
        // With nothing selected the focus shows on the first visible item,
        // which the keys start from, without selecting it.
        const bool caret = &item == m_caret || (!m_caret && row == m_layout.TopRow());
        if (caret && focused && !m_edit) {
            painter.setPen(QPen(SysColour(COLOR_WINDOWTEXT), 1, Qt::DotLine));
            painter.drawRect(label.adjusted(0, 0, -1, -1));
        }
    }
}

}  // namespace afx::detail
