// The row and column store of the list-view control in report view: texts,
// item states, the selection mark, the scroll position and the geometry of
// rows that hit testing and item rectangles use.
#pragma once

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace afx::detail {

struct ListColumn {
    int width = 0;
    int format = LVCFMT_LEFT;
    std::string text;
};

struct ListRow {
    std::vector<std::string> texts;  // by sub-item; missing ones read as empty
    UINT state = 0;
    int image = 0;
    LPARAM lParam = 0;
};

class ListModel {
public:
    // Runs after every change of a row's state, with the states before and after.
    std::function<void(int row, UINT oldState, UINT newState)> onStateChanged;

    // ---- columns
    int InsertColumn(int index, ListColumn column);
    bool DeleteColumn(int index);
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    ListColumn* Column(int index);
    int ColumnsWidth() const;

    // ---- rows
    int InsertRow(int index, ListRow row);
    bool DeleteRow(int index);
    void DeleteAllRows();
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    ListRow* Row(int index);
    std::string Text(int row, int subItem) const;
    bool SetText(int row, int subItem, std::string text);

    // ---- states
    // Sets the masked bits of one row, or of every row for index -1. Focus is
    // unique, a single-selection list keeps one selected row, and the first
    // row selected while there is no selection mark becomes the mark.
    bool SetState(int index, UINT state, UINT mask);
    UINT State(int index, UINT mask) const;
    int SelectedCount() const;
    int NextRow(int start, UINT flags) const;
    int SelectionMark() const { return m_mark; }
    int SetSelectionMark(int mark);
    bool singleSelection = false;

    // Selection by a mouse press on a row, as the control does it: a plain
    // press selects only that row, Ctrl toggles it, Shift selects the range
    // from the mark; the pressed row takes the focus, and the mark moves
    // except for Shift. A press on no row (-1) clears the selection.
    void Click(int index, bool ctrl, bool shift);

    // ---- geometry (client coordinates)
    int itemHeight = 16;
    int headerHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    bool fullRowSelect = false;
    int stateImageWidth = 0;  // 0 without a state image list
    int imageWidth = 0;       // 0 without a small image list

    int TopIndex() const { return m_top; }
    int ScrollX() const { return m_scrollX; }
    int CountPerPage() const;
    // Scrolls by whole rows (dy in pixels, rounded to rows as the control
    // does) and by pixels horizontally; the position stays in range.
    void Scroll(int dx, int dy);
    void SetTopIndex(int top);
    bool EnsureVisible(int index, bool partialOk);
    RECT ItemRect(int index, int code) const;
    RECT SubItemRect(int index, int subItem) const;
    // LVHITTESTINFO semantics: the row and sub-item under the point and the
    // LVHT_* flags. Without full-row select only the first column's label
    // names a row, unless every column counts (LVM_SUBITEMHITTEST).
    void HitTest(LVHITTESTINFO& info, bool everyColumn = false) const;

    // In a debug build, stops the program unless the selection mark names a
    // row or none and the top row is within the rows and, in a list not too
    // long to walk, at most one row has the focus (and, in a single-selection
    // list, the selection) and no row holds texts for columns that do not
    // exist.
    void Verify() const;

private:
    void ClampScroll();
    void ChangeState(int index, UINT state, UINT mask);

    std::vector<ListColumn> m_columns;
    std::vector<ListRow> m_rows;
    int m_mark = -1;
    int m_top = 0;
    int m_scrollX = 0;
};

}  // namespace afx::detail
