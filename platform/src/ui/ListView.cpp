#include "ListView.h"

#include "Gdi.h"
#include "ImageSet.h"
#include "Text.h"
#include "Window.h"
#include "WindowClass.h"
#include "core/CodePage.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace afx::detail {

namespace {

const WindowClassRegistrar kListClass({WC_LISTVIEWA, &ListView::Proc,
                                       [](Window& window, QWidget* parent) -> QWidget* {
                                           return new ListView(window, parent);
                                       },
                                       CS_DBLCLKS});

// The header paints nothing of its own: the list draws the column titles
// beneath it, so the header window exists for the messages it answers.
class HeaderWidget : public Backed<QWidget> {
public:
    HeaderWidget(Window& window, QWidget* parent) : Backed<QWidget>(window, parent) {}
};

const WindowClassRegistrar kHeaderClass({WC_HEADERA, &ListView::HeaderProc,
                                         [](Window& window, QWidget* parent) -> QWidget* {
                                             return new HeaderWidget(window, parent);
                                         },
                                         0});

constexpr int kTextMargin = 6;  // between a cell's edge and its text

Qt::Alignment Alignment(int format) {
    return format == LVCFMT_RIGHT    ? Qt::AlignRight
           : format == LVCFMT_CENTER ? Qt::AlignHCenter
                                     : Qt::AlignLeft;
}

}  // namespace

ListView::ListView(Window& window, QWidget* parent) : ControlWidget(window, parent) {
    m_model.onStateChanged = [this](int row, UINT oldState, UINT newState) {
        NMLISTVIEW nm{};
        nm.iItem = row;
        nm.uChanged = LVIF_STATE;
        nm.uOldState = oldState;
        nm.uNewState = newState;
        if (const ListRow* r = m_model.Row(row)) nm.lParam = r->lParam;
        update();
        Notify(LVN_ITEMCHANGED, nm.hdr);
    };
    UpdateMetrics();
}

LRESULT CALLBACK ListView::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ListView* view = Of<ListView>(hwnd);
    if (!view) return DefWindowProc(hwnd, message, wParam, lParam);
    const LRESULT result = view->Message(message, wParam, lParam);
    // Looked up again: the message may have destroyed the control.
    if (ListView* after = Of<ListView>(hwnd)) after->m_model.Verify();
    return result;
}

LRESULT CALLBACK ListView::HeaderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ListView* list = Of<ListView>(GetParent(hwnd));
    if (list && message == HDM_GETITEMCOUNT) return list->m_model.ColumnCount();
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// ------------------------------------------------------------------ messages

LRESULT ListView::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    m_model.singleSelection = (Style() & LVS_SINGLESEL) != 0;
    switch (message) {
        case LVM_INSERTCOLUMNA:
            return OnInsertColumn(index, reinterpret_cast<const LVCOLUMNA*>(lParam));
        case LVM_DELETECOLUMN:
            return OnDeleteColumn(index);
        case LVM_GETCOLUMNA:
            return OnGetColumn(index, reinterpret_cast<LVCOLUMNA*>(lParam));
        case LVM_SETCOLUMNA:
            return OnSetColumn(index, reinterpret_cast<const LVCOLUMNA*>(lParam));
        case LVM_GETCOLUMNWIDTH:
            return OnGetColumnWidth(index);
        case LVM_SETCOLUMNWIDTH:
            return OnSetColumnWidth(index, static_cast<SHORT>(LOWORD(lParam)));
        case LVM_GETHEADER:
            return reinterpret_cast<LRESULT>(m_header);

        case LVM_INSERTITEMA:
            return OnInsertItem(reinterpret_cast<const LVITEMA*>(lParam));
        case LVM_SETITEMA:
            return OnSetItem(reinterpret_cast<const LVITEMA*>(lParam));
        case LVM_GETITEMA:
            return OnGetItem(reinterpret_cast<LVITEMA*>(lParam));
        case LVM_GETITEMTEXTA:
            return OnGetItemText(index, reinterpret_cast<LVITEMA*>(lParam));
        case LVM_SETITEMTEXTA:
            return OnSetItemText(index, reinterpret_cast<const LVITEMA*>(lParam));
        case LVM_DELETEITEM:
            return OnDeleteItem(index);
        case LVM_DELETEALLITEMS:
            DeleteAllItems();
            return TRUE;
        case LVM_GETITEMCOUNT:
            return m_model.RowCount();
        case LVM_GETNEXTITEM:
            return m_model.NextRow(index, LOWORD(lParam));
        case LVM_SETITEMSTATE:
            return OnSetItemState(index, reinterpret_cast<const LVITEMA*>(lParam));
        case LVM_GETITEMSTATE:
            return m_model.State(index, static_cast<UINT>(lParam));
        case LVM_GETSELECTEDCOUNT:
            return m_model.SelectedCount();
        case LVM_GETSELECTIONMARK:
            return m_model.SelectionMark();
        case LVM_SETSELECTIONMARK:
            return m_model.SetSelectionMark(static_cast<int>(lParam));

        case LVM_GETITEMRECT:
            return OnGetItemRect(index, reinterpret_cast<RECT*>(lParam));
        case LVM_GETITEMPOSITION:
            return OnGetItemPosition(index, reinterpret_cast<POINT*>(lParam));
        case LVM_HITTEST:
        case LVM_SUBITEMHITTEST:
            return OnHitTest(reinterpret_cast<LVHITTESTINFO*>(lParam),
                             message == LVM_SUBITEMHITTEST);
        case LVM_ENSUREVISIBLE:
            return OnEnsureVisible(index, lParam != 0);
        case LVM_SCROLL:
            return OnScroll(index, static_cast<int>(lParam));
        case LVM_REDRAWITEMS:
            update();
            return TRUE;
        case LVM_GETTOPINDEX:
            return m_model.TopIndex();
        case LVM_GETCOUNTPERPAGE:
            return m_model.CountPerPage();
        case LVM_GETEDITCONTROL:
            return 0;
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            return m_extendedStyle;
        case LVM_SETEXTENDEDLISTVIEWSTYLE:
            return OnSetExtendedStyle(static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
        case LVM_GETIMAGELIST:
            return reinterpret_cast<LRESULT>(wParam == LVSIL_STATE ? m_stateImages : m_smallImages);
        case LVM_SETIMAGELIST:
            return OnSetImageList(wParam, reinterpret_cast<HIMAGELIST>(lParam));

        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown(wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)},
                         message == WM_LBUTTONDBLCLK);
            return 0;
        case WM_RBUTTONDOWN:
            OnRightButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam));
            return 0;
        case WM_CREATE:
            return OnCreate(wParam, lParam);
        case WM_WINDOWPOSCHANGED:
            return OnWindowPosChanged(wParam, lParam);
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

// ------------------------------------------------------------------ columns

int ListView::OnInsertColumn(int index, const LVCOLUMNA* in) {
    if (!in) return -1;
    ListColumn column;
    if (in->mask & LVCF_WIDTH) column.width = std::max(0, in->cx);
    if (in->mask & LVCF_FMT) column.format = in->fmt & LVCFMT_JUSTIFYMASK;
    if ((in->mask & LVCF_TEXT) && in->pszText) column.text = in->pszText;
    const int at = m_model.InsertColumn(index, std::move(column));
    Changed();
    return at;
}

bool ListView::OnDeleteColumn(int index) {
    const bool done = m_model.DeleteColumn(index);
    Changed();
    return done;
}

bool ListView::OnGetColumn(int index, LVCOLUMNA* out) {
    ListColumn* column = m_model.Column(index);
    if (!out || !column) return false;
    if (out->mask & LVCF_WIDTH) out->cx = column->width;
    if (out->mask & LVCF_FMT) out->fmt = column->format;
    if (out->mask & LVCF_TEXT) CopyToBuffer(column->text, out->pszText, out->cchTextMax);
    if (out->mask & LVCF_SUBITEM) out->iSubItem = index;
    return true;
}

bool ListView::OnSetColumn(int index, const LVCOLUMNA* in) {
    ListColumn* column = m_model.Column(index);
    if (!in || !column) return false;
    if (in->mask & LVCF_WIDTH) column->width = std::max(0, in->cx);
    if (in->mask & LVCF_FMT) column->format = in->fmt & LVCFMT_JUSTIFYMASK;
    if ((in->mask & LVCF_TEXT) && in->pszText) column->text = in->pszText;
    Changed();
    return true;
}

int ListView::OnGetColumnWidth(int index) {
    const ListColumn* column = m_model.Column(index);
    return column ? column->width : 0;
}

bool ListView::OnSetColumnWidth(int index, int width) {
    ListColumn* column = m_model.Column(index);
    if (!column) return false;
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
        const QFontMetrics metrics(font());
        width = width == LVSCW_AUTOSIZE_USEHEADER
                    ? metrics.horizontalAdvance(ToQt(column->text)) + 2 * kTextMargin
                    : 0;
        for (int row = 0; row < m_model.RowCount(); ++row) {
            width = std::max(
                width, metrics.horizontalAdvance(ToQt(m_model.Text(row, index))) + 2 * kTextMargin);
        }
    }
    column->width = std::max(0, width);
    Changed();
    return true;
}

// ------------------------------------------------------------------ view

bool ListView::OnGetItemRect(int index, RECT* rect) {
    if (!rect || !m_model.Row(index)) return false;
    *rect = m_model.ItemRect(index, rect->left);
    return true;
}

bool ListView::OnGetItemPosition(int index, POINT* pt) {
    if (!pt || !m_model.Row(index)) return false;
    const RECT bounds = m_model.ItemRect(index, LVIR_BOUNDS);
    *pt = POINT{bounds.left, bounds.top};
    return true;
}

int ListView::OnHitTest(LVHITTESTINFO* info, bool subItems) {
    if (!info) return -1;
    m_model.HitTest(*info, subItems);
    if (!subItems) info->iSubItem = 0;
    return info->iItem;
}

bool ListView::OnEnsureVisible(int index, bool partialOk) {
    const bool done = m_model.EnsureVisible(index, partialOk);
    Changed();
    return done;
}

bool ListView::OnScroll(int dx, int dy) {
    m_model.Scroll(dx, dy);
    Changed();
    return true;
}

DWORD ListView::OnSetExtendedStyle(DWORD mask, DWORD style) {
    const DWORD old = m_extendedStyle;
    if (!mask) mask = 0xFFFFFFFFu;
    m_extendedStyle = (old & ~mask) | (style & mask);
    m_model.fullRowSelect = (m_extendedStyle & LVS_EX_FULLROWSELECT) != 0;
    update();
    return old;
}

LRESULT ListView::OnSetImageList(WPARAM which, HIMAGELIST images) {
    HIMAGELIST& slot = which == LVSIL_STATE ? m_stateImages : m_smallImages;
    HIMAGELIST old = std::exchange(slot, images);
    UpdateMetrics();
    Changed();
    return reinterpret_cast<LRESULT>(old);
}

// ------------------------------------------------------------------ lifetime

LRESULT ListView::OnCreate(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProc(Hwnd(), WM_CREATE, wParam, lParam);
    CreateHeader();
    MeasureItems();
    return result;
}

LRESULT ListView::OnWindowPosChanged(WPARAM wParam, LPARAM lParam) {
    // The owner of an owner-drawn list is asked for the row height
    // again whenever the window is moved, sized or its frame changes.
    MeasureItems();
    return DefWindowProc(Hwnd(), WM_WINDOWPOSCHANGED, wParam, lParam);
}

LRESULT ListView::OnDestroy(WPARAM wParam, LPARAM lParam) {
    DeleteAllItems();
    return DefWindowProc(Hwnd(), WM_DESTROY, wParam, lParam);
}

// ------------------------------------------------------------------ items

int ListView::OnInsertItem(const LVITEMA* item) {
    if (!item) return -1;
    const LVITEMA& in = *item;
    if (in.iSubItem != 0) return -1;
    ListRow row;
    if (in.mask & LVIF_TEXT) row.texts.push_back(in.pszText ? std::string(in.pszText) : "");
    if (in.mask & LVIF_IMAGE) row.image = in.iImage;
    if (in.mask & LVIF_PARAM) row.lParam = in.lParam;
    if (in.mask & LVIF_STATE) row.state = in.state & in.stateMask;
    const int at = m_model.InsertRow(in.iItem, std::move(row));
    Changed();
    NotifyItem(LVN_INSERTITEM, at, 0, POINT{0, 0});
    return at;
}

bool ListView::OnSetItem(const LVITEMA* item) {
    if (!item) return false;
    const LVITEMA& in = *item;
    ListRow* row = m_model.Row(in.iItem);
    if (!row) return false;
    if ((in.mask & LVIF_TEXT) &&
        !m_model.SetText(in.iItem, in.iSubItem, in.pszText ? std::string(in.pszText) : "")) {
        return false;
    }
    if (in.iSubItem == 0) {
        if (in.mask & LVIF_IMAGE) row->image = in.iImage;
        if (in.mask & LVIF_PARAM) row->lParam = in.lParam;
        if (in.mask & LVIF_STATE) m_model.SetState(in.iItem, in.state, in.stateMask);
    }
    update();
    return true;
}

bool ListView::OnGetItem(LVITEMA* item) const {
    if (!item) return false;
    LVITEMA& out = *item;
    const ListRow* row = const_cast<ListModel&>(m_model).Row(out.iItem);
    if (!row) return false;
    if (out.mask & LVIF_TEXT)
        CopyToBuffer(m_model.Text(out.iItem, out.iSubItem), out.pszText, out.cchTextMax);
    if (out.mask & LVIF_IMAGE) out.iImage = row->image;
    if (out.mask & LVIF_PARAM) out.lParam = row->lParam;
    if (out.mask & LVIF_STATE) out.state = row->state & out.stateMask;
    return true;
}

int ListView::OnGetItemText(int index, LVITEMA* out) const {
    if (!out) return 0;
    return static_cast<int>(
        CopyToBuffer(m_model.Text(index, out->iSubItem), out->pszText, out->cchTextMax));
}

bool ListView::OnSetItemText(int index, const LVITEMA* in) {
    if (!in) return false;
    const bool done = m_model.SetText(index, in->iSubItem,
                                      in->pszText ? std::string(in->pszText) : std::string());
    update();
    return done;
}

bool ListView::OnSetItemState(int index, const LVITEMA* in) {
    return in && m_model.SetState(index, in->state, in->stateMask);
}

bool ListView::OnDeleteItem(int index) {
    if (!m_model.Row(index)) return false;
    NotifyItem(LVN_DELETEITEM, index, 0, POINT{0, 0});
    const bool done = m_model.DeleteRow(index);
    Changed();
    return done;
}

void ListView::DeleteAllItems() {
    if (m_model.RowCount() == 0) return;
    // A parent that answers LVN_DELETEALLITEMS with TRUE hears of no single row.
    NMLISTVIEW all{};
    all.iItem = -1;
    if (!Notify(LVN_DELETEALLITEMS, all.hdr)) {
        for (int row = 0; row < m_model.RowCount(); ++row) {
            NotifyItem(LVN_DELETEITEM, row, 0, POINT{0, 0});
        }
    }
    m_model.DeleteAllRows();
    Changed();
}

void ListView::NotifyItem(UINT code, int index, int subItem, POINT pt) {
    NMITEMACTIVATE nm{};
    nm.iItem = index;
    nm.iSubItem = subItem;
    nm.ptAction = pt;
    if (const ListRow* row = m_model.Row(index)) nm.lParam = row->lParam;
    if (GetKeyState(VK_SHIFT) < 0) nm.uKeyFlags |= 0x0004;    // LVKF_SHIFT
    if (GetKeyState(VK_CONTROL) < 0) nm.uKeyFlags |= 0x0002;  // LVKF_CONTROL
    Notify(code, nm.hdr);
}

// ------------------------------------------------------------------ input

void ListView::OnRightButtonDown(POINT pt) {
    SetFocus(Hwnd());
    LVHITTESTINFO hit{pt, 0, -1, 0};
    m_model.HitTest(hit);
    if (hit.iItem >= 0 && !m_model.State(hit.iItem, LVIS_SELECTED)) {
        m_model.Click(hit.iItem, false, false);
    }
    NotifyItem(NM_RCLICK, hit.iItem, hit.iSubItem, hit.pt);
}

void ListView::OnButtonDown(WPARAM keys, POINT pt, bool doubleClick) {
    HWND hwnd = Hwnd();
    SetFocus(hwnd);
    LVHITTESTINFO hit{pt, 0, -1, 0};
    m_model.HitTest(hit);
    const bool ctrl = (keys & MK_CONTROL) != 0, shift = (keys & MK_SHIFT) != 0;
    if (doubleClick || hit.iItem < 0) {
        m_model.Click(hit.iItem, ctrl, shift);
        NotifyItem(doubleClick ? NM_DBLCLK : NM_CLICK, hit.iItem, hit.iSubItem, pt);
        return;
    }
    // A press on a row of a selection keeps the selection for a drag of all
    // its rows; only a release without a drag narrows it to the pressed row.
    const bool keepSelection = !ctrl && !shift && m_model.State(hit.iItem, LVIS_SELECTED);
    if (keepSelection) {
        m_model.SetState(hit.iItem, LVIS_FOCUSED, LVIS_FOCUSED);
        m_model.SetSelectionMark(hit.iItem);
    } else {
        m_model.Click(hit.iItem, ctrl, shift);
    }
    POINT screen = pt;
    ClientToScreen(hwnd, &screen);
    const bool drag = DragDetect(hwnd, screen);
    if (!IsWindow(hwnd) || !m_model.Row(hit.iItem)) return;
    if (drag) {
        NotifyItem(LVN_BEGINDRAG, hit.iItem, 0, pt);
        return;
    }
    if (keepSelection) m_model.Click(hit.iItem, false, false);
    NotifyItem(NM_CLICK, hit.iItem, hit.iSubItem, pt);
}

void ListView::OnKeyDown(UINT key) {
    NMLVKEYDOWN down{};
    down.wVKey = static_cast<WORD>(key);
    Notify(LVN_KEYDOWN, down.hdr);
    const int count = m_model.RowCount();
    if (count == 0) return;
    const int focus = m_model.NextRow(-1, LVNI_FOCUSED);
    const int page = std::max(1, m_model.CountPerPage() - 1);
    int to = -1;
    switch (key) {
        case VK_UP:
            to = focus < 0 ? 0 : focus - 1;
            break;
        case VK_DOWN:
            to = focus + 1;
            break;
        case VK_PRIOR:
            to = focus - page;
            break;
        case VK_NEXT:
            to = focus < 0 ? page : focus + page;
            break;
        case VK_HOME:
            to = 0;
            break;
        case VK_END:
            to = count - 1;
            break;
        case VK_SPACE:
            if (focus >= 0) m_model.Click(focus, GetKeyState(VK_CONTROL) < 0, false);
            return;
        default:
            return;
    }
    to = std::clamp(to, 0, count - 1);
    if (GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0) {
        m_model.SetState(to, LVIS_FOCUSED, LVIS_FOCUSED);
    } else {
        m_model.Click(to, false, GetKeyState(VK_SHIFT) < 0);
    }
    m_model.EnsureVisible(to, false);
    Changed();
}

// ------------------------------------------------------------------ layout and painting

void ListView::CreateHeader() {
    if (m_header || (Style() & LVS_NOCOLUMNHEADER)) return;
    m_header = CreateWindowEx(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE, 0, 0, ClientWidth(),
                              m_model.headerHeight, Hwnd(), nullptr, nullptr, nullptr);
}

void ListView::MeasureItems() {
    if (!(Style() & LVS_OWNERDRAWFIXED)) return;
    HWND parent = GetParent(Hwnd());
    if (!parent) return;
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTVIEW;
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID(Hwnd()));
    // The owner is offered the height the list would choose for its font
    // and images, not the one it answered last time.
    m_ownerDrawHeight = 0;
    UpdateMetrics();
    measure.itemHeight = static_cast<UINT>(m_model.itemHeight);
    SendMessage(parent, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    m_ownerDrawHeight = static_cast<int>(measure.itemHeight);
    UpdateMetrics();
    Changed();
}

void ListView::UpdateMetrics() {
    const QFontMetrics metrics(font());
    const ImageMetrics images = MeasureImages(m_stateImages, m_smallImages);
    m_model.stateImageWidth = images.stateWidth;
    m_model.imageWidth = images.imageWidth;
    m_model.itemHeight = m_ownerDrawHeight > 0 ? m_ownerDrawHeight
                                               : std::max(metrics.height() + 2, images.height + 1);
    m_model.headerHeight = (Style() & LVS_NOCOLUMNHEADER) ? 0 : metrics.height() + 8;
}

void ListView::Changed() {
    SyncScrollBars();
    if (m_header) {
        MoveWindow(m_header, 0, 0, ClientWidth(), m_model.headerHeight, FALSE);
    }
    update();
}

void ListView::SetClientSize(int width, int height) {
    m_model.clientWidth = width;
    m_model.clientHeight = height;
    m_model.Scroll(0, 0);
}

ControlWidget::ScrollRanges ListView::Ranges() const {
    ScrollRanges r;
    r.vPage = std::max(1, m_model.CountPerPage());
    r.vMax = std::max(0, m_model.RowCount() - m_model.CountPerPage());
    r.vValue = m_model.TopIndex();
    r.hPage = std::max(1, ClientWidth());
    r.hMax = std::max(0, m_model.ColumnsWidth() - ClientWidth());
    r.hValue = m_model.ScrollX();
    return r;
}

void ListView::Scrolled(Qt::Orientation orientation, int value) {
    if (orientation == Qt::Vertical)
        m_model.SetTopIndex(value);
    else
        m_model.Scroll(value - m_model.ScrollX(), 0);
    update();
}

bool ListView::DrawByOwner(QPainter& painter, int index) {
    HWND parent = GetParent(Hwnd());
    if (!parent) return false;
    const ListRow& row = *m_model.Row(index);
    DeviceContext dc(&painter);
    dc.font = reinterpret_cast<HFONT>(SendMessage(Hwnd(), WM_GETFONT, 0, 0));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_LISTVIEW;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(Hwnd()));
    draw.itemID = static_cast<UINT>(index);
    draw.itemAction = ODA_DRAWENTIRE;
    if (row.state & LVIS_SELECTED) draw.itemState |= ODS_SELECTED;
    if (hasFocus() && (row.state & LVIS_FOCUSED)) draw.itemState |= ODS_FOCUS;
    draw.hwndItem = Hwnd();
    draw.hDC = dc.Handle();
    draw.rcItem = m_model.ItemRect(index, LVIR_BOUNDS);
    draw.itemData = static_cast<ULONG_PTR>(row.lParam);
    painter.save();
    SendMessage(parent, WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
    painter.restore();
    return true;
}

void ListView::PaintRow(QPainter& painter, int index) {
    // An owner-drawn list leaves every row to its owner, as the control does.
    if ((Style() & LVS_OWNERDRAWFIXED) && DrawByOwner(painter, index)) return;
    const ListRow& row = *m_model.Row(index);
    const RECT bounds = m_model.ItemRect(index, LVIR_BOUNDS);
    const DWORD style = Style();
    const bool focused = hasFocus();
    const int height = bounds.bottom - bounds.top;
    const int mid = (bounds.top + bounds.bottom) / 2;

    // The selection and the drop highlight share the selection colour; an
    // unfocused selection shows only with LVS_SHOWSELALWAYS, in the inactive
    // colour. Without full-row selection only the first column is marked.
    const bool selected = (row.state & LVIS_SELECTED) != 0;
    const bool active = (row.state & LVIS_DROPHILITED) || (selected && focused);
    const bool inactive = !active && selected && (style & LVS_SHOWSELALWAYS);
    const RECT marked = m_model.ItemRect(index, LVIR_SELECTBOUNDS);
    const QRect markRect(marked.left, bounds.top, marked.right - marked.left, height);
    if (active)
        painter.fillRect(markRect, SysColour(COLOR_HIGHLIGHT));
    else if (inactive)
        painter.fillRect(markRect, SysColour(COLOR_BTNFACE));

    int x = bounds.left;
    if (const ImageSet* list = ImageSet::FromHandle(m_stateImages)) {
        const int image = static_cast<int>((row.state & LVIS_STATEIMAGEMASK) >> 12);
        if (image > 0) list->Draw(painter, image, {x, mid - list->Height() / 2});
        x += list->Width();
    }
    if (const ImageSet* list = ImageSet::FromHandle(m_smallImages)) {
        list->Draw(painter, row.image, {x, mid - list->Height() / 2});
        x += list->Width();
    }
    int left = bounds.left;
    for (int column = 0; column < m_model.ColumnCount(); ++column) {
        const ListColumn& c = *m_model.Column(column);
        const int textLeft = column == 0 ? x + 2 : left + kTextMargin;
        const QRect cell(textLeft, bounds.top,
                         std::max(0, left + c.width - kTextMargin / 2 - textLeft), height);
        const bool highlighted = active && (column == 0 || m_model.fullRowSelect);
        painter.setPen(SysColour(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        painter.drawText(cell, Alignment(c.format) | Qt::AlignVCenter,
                         QFontMetrics(font()).elidedText(ToQt(m_model.Text(index, column)),
                                                         Qt::ElideRight, cell.width()));
        left += c.width;
    }
    if (m_extendedStyle & LVS_EX_GRIDLINES) {
        painter.setPen(SysColour(COLOR_BTNFACE));
        painter.drawLine(bounds.left, bounds.bottom - 1, bounds.right - 1, bounds.bottom - 1);
    }
    if (focused && (row.state & LVIS_FOCUSED)) {
        painter.setPen(QPen(SysColour(COLOR_WINDOWTEXT), 1, Qt::DotLine));
        painter.drawRect(markRect.adjusted(0, 0, -1, -1));
    }
}

// A focused list with no focused row shows the focus where the keys start:
// on the first visible row, or where the first row would stand in an empty
// list, so a person sees where the keyboard is.
void ListView::PaintFocusWithoutItem(QPainter& painter) {
    QRect cue(-m_model.ScrollX(), m_model.headerHeight, m_model.ColumnsWidth(), m_model.itemHeight);
    if (m_model.RowCount() > 0) {
        if (Style() & LVS_OWNERDRAWFIXED) return;  // the owner draws the rows' focus
        const RECT r = m_model.ItemRect(m_model.TopIndex(), LVIR_SELECTBOUNDS);
        cue = QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    if (cue.width() <= 0) cue.setWidth(ClientWidth());
    painter.setPen(QPen(SysColour(COLOR_WINDOWTEXT), 1, Qt::DotLine));
    painter.drawRect(cue.adjusted(0, 0, -1, -1));
}

void ListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SysColour(COLOR_WINDOW));
    const int width = ClientWidth(), height = ClientHeight();
    const int header = m_model.headerHeight;
    painter.setClipRect(0, header, width, std::max(0, height - header));
    const int last = std::min(m_model.RowCount(), m_model.TopIndex() + m_model.CountPerPage() + 1);
    for (int index = m_model.TopIndex(); index < last; ++index) PaintRow(painter, index);
    if (hasFocus() && m_model.NextRow(-1, LVNI_FOCUSED) < 0) PaintFocusWithoutItem(painter);
    if (m_extendedStyle & LVS_EX_GRIDLINES) {
        painter.setPen(SysColour(COLOR_BTNFACE));
        int x = -m_model.ScrollX();
        for (int column = 0; column < m_model.ColumnCount(); ++column) {
            x += m_model.Column(column)->width;
            painter.drawLine(x - 1, header, x - 1, height);
        }
    }
    if (header > 0) {
        painter.setClipRect(0, 0, width, header);
        painter.fillRect(0, 0, width, header, SysColour(COLOR_BTNFACE));
        int x = -m_model.ScrollX();
        for (int column = 0; column < m_model.ColumnCount(); ++column) {
            const ListColumn& c = *m_model.Column(column);
            painter.setPen(SysColour(COLOR_BTNSHADOW));
            painter.drawLine(x + c.width - 1, 2, x + c.width - 1, header - 3);
            painter.setPen(SysColour(COLOR_BTNTEXT));
            // A title that needs the margins gets them: the titles of the
            // dialogs' narrow columns show whole, as they were laid out to.
            const QString title = ToQt(c.text);
            const int spare = c.width - QFontMetrics(font()).horizontalAdvance(title);
            const int margin = std::clamp(spare / 2, 0, kTextMargin);
            painter.drawText(QRect(x + margin, 0, std::max(0, c.width - 2 * margin), header),
                             Alignment(c.format) | Qt::AlignVCenter, title);
            x += c.width;
        }
        painter.setPen(SysColour(COLOR_BTNSHADOW));
        painter.drawLine(0, header - 1, width, header - 1);
    }
}

}  // namespace afx::detail
