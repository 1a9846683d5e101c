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
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);

    int InsertItem(const LVITEMA& in);
    bool SetItem(const LVITEMA& in);
    bool GetItem(LVITEMA& out) const;
    int GetItemText(int index, LVITEMA& out) const;
    bool DeleteItem(int index);
    void DeleteAllItems();
    void NotifyItem(UINT code, int index, int subItem, POINT pt);

    void OnButtonDown(WPARAM keys, POINT pt, bool doubleClick);
    void OnKeyDown(UINT key);
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
