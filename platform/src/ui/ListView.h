// The list-view control ("SysListView32") in report view: its window
// procedure implements the LVM_* messages and the mouse and keyboard
// selection over ListModel, and its widget paints the header, the rows, grid
// lines, images, selection and drop highlight. Its header is a child window of
// class "SysHeader32" that answers for the columns.
#pragma once

#include "ControlWidget.h"
#include "ListModel.h"

namespace afx::detail {

class ListView : public ControlWidget {
public:
    ListView(Window& window, QWidget* parent);

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HeaderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void paintEvent(QPaintEvent* event) override;
    void SetClientSize(int width, int height) override;
    ScrollRanges Ranges() const override;
    void Scrolled(Qt::Orientation orientation, int value) override;

private:
    // Dispatches each message to the member below that answers it.
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);

    // The answers to the LVM_* messages, named after them; a null structure
    // answers the message's failure value.
    int OnInsertColumn(int index, const LVCOLUMNA* in);
    bool OnDeleteColumn(int index);
    bool OnGetColumn(int index, LVCOLUMNA* out);
    bool OnSetColumn(int index, const LVCOLUMNA* in);
    int OnGetColumnWidth(int index);
    bool OnSetColumnWidth(int index, int width);
    int OnInsertItem(const LVITEMA* item);
    bool OnSetItem(const LVITEMA* item);
    bool OnGetItem(LVITEMA* item) const;
    int OnGetItemText(int index, LVITEMA* out) const;
    bool OnSetItemText(int index, const LVITEMA* in);
    bool OnSetItemState(int index, const LVITEMA* in);
    bool OnDeleteItem(int index);
    bool OnGetItemRect(int index, RECT* rect);
    bool OnGetItemPosition(int index, POINT* pt);
    int OnHitTest(LVHITTESTINFO* info, bool subItems);
    bool OnEnsureVisible(int index, bool partialOk);
    bool OnScroll(int dx, int dy);
    DWORD OnSetExtendedStyle(DWORD mask, DWORD style);  // a zero mask means every bit
    LRESULT OnSetImageList(WPARAM which, HIMAGELIST images);

    // The answers to the window messages.
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    void OnButtonDown(WPARAM keys, POINT pt, bool doubleClick);
    void OnRightButtonDown(POINT pt);
    void OnKeyDown(UINT key);

    void DeleteAllItems();
    void NotifyItem(UINT code, int index, int subItem, POINT pt);
    void MeasureItems();
    void CreateHeader();
    void Changed() override;
    void UpdateMetrics() override;
    void PaintRow(QPainter& painter, int index);
    void PaintFocusWithoutItem(QPainter& painter);
    bool DrawByOwner(QPainter& painter, int index);

    ListModel m_model;
    DWORD m_extendedStyle = 0;
    HIMAGELIST m_smallImages = nullptr;
    HIMAGELIST m_stateImages = nullptr;
    HWND m_header = nullptr;
    int m_ownerDrawHeight = 0;  // from WM_MEASUREITEM; 0 before the owner answered
};

}  // namespace afx::detail
