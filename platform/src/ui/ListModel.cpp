#include "ListModel.h"

#include <afx.h>

#include "DebugChecks.h"

#include <algorithm>
#include <utility>

namespace afx::detail {

int ListModel::InsertColumn(int index, ListColumn column) {
    index = std::clamp(index, 0, ColumnCount());
    m_columns.insert(m_columns.begin() + index, std::move(column));
    return index;
}

bool ListModel::DeleteColumn(int index) {
    if (index < 0 || index >= ColumnCount()) return false;
    m_columns.erase(m_columns.begin() + index);
    for (ListRow& row : m_rows) {
        if (index < static_cast<int>(row.texts.size())) row.texts.erase(row.texts.begin() + index);
    }
    ClampScroll();
    return true;
}

ListColumn* ListModel::Column(int index) {
    return index >= 0 && index < ColumnCount() ? &m_columns[index] : nullptr;
}

int ListModel::ColumnsWidth() const {
    int width = 0;
    for (const ListColumn& column : m_columns) width += column.width;
    return width;
}

int ListModel::InsertRow(int index, ListRow row) {
    index = std::clamp(index, 0, RowCount());
    UINT state = std::exchange(row.state, 0);
    m_rows.insert(m_rows.begin() + index, std::move(row));
    if (m_mark >= index) ++m_mark;
    // The new row's own state follows the same rules as a later change (one
    // focused row, one selected row in a single-selection list).
    if (state) ChangeState(index, state, ~0u);
    return index;
}

bool ListModel::DeleteRow(int index) {
    if (index < 0 || index >= RowCount()) return false;
    m_rows.erase(m_rows.begin() + index);
    // A deleted mark stays at its index while that still names a row.
    if (m_mark > index)
        --m_mark;
    else if (m_mark == index)
        m_mark = std::min(m_mark, RowCount() - 1);
    ClampScroll();
    return true;
}

void ListModel::DeleteAllRows() {
    m_rows.clear();
    m_mark = -1;
    m_top = 0;
}

ListRow* ListModel::Row(int index) {
    return index >= 0 && index < RowCount() ? &m_rows[index] : nullptr;
}

std::string ListModel::Text(int row, int subItem) const {
    if (row < 0 || row >= RowCount() || subItem < 0) return {};
    const auto& texts = m_rows[row].texts;
    return subItem < static_cast<int>(texts.size()) ? texts[subItem] : std::string();
}

bool ListModel::SetText(int index, int subItem, std::string text) {
    ListRow* target = Row(index);
    if (!target || subItem < 0 || subItem >= std::max(1, ColumnCount())) return false;
    if (subItem >= static_cast<int>(target->texts.size())) target->texts.resize(subItem + 1);
    target->texts[subItem] = std::move(text);
    return true;
}

bool ListModel::SetState(int index, UINT state, UINT mask) {
    if (index == -1) {
        for (int i = 0; i < RowCount(); ++i) ChangeState(i, state, mask);
        return true;
    }
    if (index < 0 || index >= RowCount()) return false;
    ChangeState(index, state, mask);
    return true;
}

void ListModel::ChangeState(int index, UINT state, UINT mask) {
    UINT old = m_rows[index].state;
    UINT now = (old & ~mask) | (state & mask);
    if (now == old) return;
    if ((now & ~old) & LVIS_FOCUSED) {
        for (int i = 0; i < RowCount(); ++i) {
            if (i != index) ChangeState(i, 0, LVIS_FOCUSED);
        }
    }
    if (((now & ~old) & LVIS_SELECTED) && singleSelection) {
        for (int i = 0; i < RowCount(); ++i) {
            if (i != index) ChangeState(i, 0, LVIS_SELECTED);
        }
    }
    m_rows[index].state = now;
    if (((now & ~old) & LVIS_SELECTED) && m_mark == -1) m_mark = index;
    if (onStateChanged) onStateChanged(index, old, now);
}

UINT ListModel::State(int index, UINT mask) const {
    return index >= 0 && index < RowCount() ? m_rows[index].state & mask : 0;
}

int ListModel::SelectedCount() const {
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.end(), [](const ListRow& row) {
        return (row.state & LVIS_SELECTED) != 0;
    }));
}

int ListModel::NextRow(int start, UINT flags) const {
    const UINT wanted = flags & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
    // Above and below walk the rows one by one in report view; the other
    // directions name no further row there.
    const int step = (flags & LVNI_ABOVE) ? -1 : 1;
    if (flags & (LVNI_TOLEFT | LVNI_TORIGHT)) return -1;
    for (int i = start + step; i >= 0 && i < RowCount(); i += step) {
        if ((m_rows[i].state & wanted) == wanted) return i;
    }
    return -1;
}

int ListModel::SetSelectionMark(int mark) {
    int old = m_mark;
    m_mark = mark >= -1 && mark < RowCount() ? mark : -1;
    return old;
}

void ListModel::Click(int index, bool ctrl, bool shift) {
    if (index < 0 || index >= RowCount()) {
        if (!ctrl && !shift) SetState(-1, 0, LVIS_SELECTED);
        return;
    }
    if (shift && !singleSelection) {
        const int anchor = m_mark >= 0 ? m_mark : index;
        const int lo = std::min(anchor, index), hi = std::max(anchor, index);
        for (int i = 0; i < RowCount(); ++i) {
            if (i >= lo && i <= hi)
                ChangeState(i, LVIS_SELECTED, LVIS_SELECTED);
            else if (!ctrl)
                ChangeState(i, 0, LVIS_SELECTED);
        }
        ChangeState(index, LVIS_FOCUSED, LVIS_FOCUSED);
        if (m_mark < 0) m_mark = index;
        return;
    }
    if (ctrl) {
        ChangeState(index, (m_rows[index].state ^ LVIS_SELECTED) | LVIS_FOCUSED,
                    LVIS_SELECTED | LVIS_FOCUSED);
    } else {
        for (int i = 0; i < RowCount(); ++i) {
            if (i != index) ChangeState(i, 0, LVIS_SELECTED);
        }
        ChangeState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    m_mark = index;
}

int ListModel::CountPerPage() const {
    return itemHeight > 0 ? std::max(0, (clientHeight - headerHeight) / itemHeight) : 0;
}

void ListModel::ClampScroll() {
    m_top = std::clamp(m_top, 0, std::max(0, RowCount() - CountPerPage()));
    m_scrollX = std::clamp(m_scrollX, 0, std::max(0, ColumnsWidth() - clientWidth));
}

void ListModel::Scroll(int dx, int dy) {
    const int half = itemHeight / 2;
    const int lines = dy >= 0 ? (dy + half) / itemHeight : -((-dy + half) / itemHeight);
    m_top += lines;
    m_scrollX += dx;
    ClampScroll();
}

void ListModel::SetTopIndex(int top) {
    m_top = top;
    ClampScroll();
}

bool ListModel::EnsureVisible(int index, bool partialOk) {
    if (index < 0 || index >= RowCount()) return false;
    const int page = std::max(1, CountPerPage());
    const bool partlyShown =
        index == m_top + page && headerHeight + (page * itemHeight) < clientHeight;
    if (index < m_top)
        m_top = index;
    else if (index >= m_top + page && !(partialOk && partlyShown))
        m_top = index - page + 1;
    ClampScroll();
    return true;
}

RECT ListModel::ItemRect(int index, int code) const {
    const LONG top = headerHeight + (index - m_top) * itemHeight;
    const LONG left = -m_scrollX;
    const LONG column0 = m_columns.empty() ? 0 : m_columns[0].width;
    RECT rect{left, top, left + ColumnsWidth(), top + itemHeight};
    switch (code) {
        case LVIR_ICON:
            rect.left = left + stateImageWidth;
            rect.right = rect.left + imageWidth;
            break;
        case LVIR_LABEL:
            rect.left = left + stateImageWidth + imageWidth;
            rect.right = std::max(rect.left, left + column0);
            break;
        case LVIR_SELECTBOUNDS:
            if (!fullRowSelect) rect.right = left + column0;
            rect.left = left + stateImageWidth;
            break;
        default:
            break;
    }
    return rect;
}

RECT ListModel::SubItemRect(int index, int subItem) const {
    RECT rect = ItemRect(index, LVIR_BOUNDS);
    for (int i = 0; i < subItem && i < ColumnCount(); ++i) rect.left += m_columns[i].width;
    rect.right =
        rect.left + (subItem >= 0 && subItem < ColumnCount() ? m_columns[subItem].width : 0);
    return rect;
}

void ListModel::HitTest(LVHITTESTINFO& info, bool everyColumn) const {
    const LONG x = info.pt.x, y = info.pt.y;
    info.iItem = -1;
    info.iSubItem = -1;
    info.flags = 0;
    if (x < 0) info.flags |= LVHT_TOLEFT;
    if (x >= clientWidth) info.flags |= LVHT_TORIGHT;
    if (y < 0) info.flags |= LVHT_ABOVE;
    if (y >= clientHeight) info.flags |= LVHT_BELOW;
    if (info.flags) return;
    info.flags = LVHT_NOWHERE;
    if (y < headerHeight || itemHeight <= 0) return;
    const int index = m_top + (y - headerHeight) / itemHeight;
    if (index >= RowCount()) return;

    int left = -m_scrollX;
    for (int i = 0; i < ColumnCount(); ++i) {
        if (x >= left && x < left + m_columns[i].width) info.iSubItem = i;
        left += m_columns[i].width;
    }
    const int rowLeft = -m_scrollX;
    const int hitRight = fullRowSelect || everyColumn ? left : ItemRect(index, LVIR_LABEL).right;
    if (x < rowLeft || x >= hitRight) return;
    info.iItem = index;
    if (x < rowLeft + stateImageWidth)
        info.flags = LVHT_ONITEMSTATEICON;
    else if (x < rowLeft + stateImageWidth + imageWidth)
        info.flags = LVHT_ONITEMICON;
    else
        info.flags = LVHT_ONITEMLABEL;
}

void ListModel::Verify() const {
    if constexpr (!kDebugChecks) return;
    ASSERT(m_mark >= -1 && m_mark < RowCount());
    ASSERT(m_top >= 0 && m_top <= RowCount());
    ASSERT(m_scrollX >= 0);
    if (m_rows.size() > kDebugWalkLimit) return;
    int focused = 0;
    for (const ListRow& row : m_rows) {
        focused += (row.state & LVIS_FOCUSED) != 0;
        ASSERT(row.texts.size() <= static_cast<std::size_t>(std::max(1, ColumnCount())));
    }
    ASSERT(focused <= 1);
    ASSERT(!singleSelection || SelectedCount() <= 1);
}

}  // namespace afx::detail
