// Where the rows of a tree-view control and the parts of each row lie in its
// client area: indentation, expand button, state image, image and label.
// Hit testing, item rectangles and painting all read the same numbers.
#pragma once

#include "TreeModel.h"

#include <functional>
#include <string>

namespace afx::detail {

struct TreeRowParts {
    int top = 0;
    int bottom = 0;
    int buttonLeft = 0;  // the button column is [buttonLeft, stateLeft)
    int stateLeft = 0;
    int iconLeft = 0;
    int labelLeft = 0;
    int labelRight = 0;
    bool button = false;  // an expand button is drawn in the button column
};

class TreeLayout {
public:
    explicit TreeLayout(const TreeModel& model) : m_model(model) {}

    // Style and metrics, set by the control.
    DWORD style = 0;
    int itemHeight = 16;
    int indent = 19;
    int stateImageWidth = 0;  // 0 without a state image list
    int imageWidth = 0;       // 0 without a normal image list
    int clientWidth = 0;
    int clientHeight = 0;
    std::function<int(const std::string&)> textWidth;
    // The font changed: every label is measured again when next laid out.
    void ForgetTextWidths() { ++m_fontGeneration; }

    int TopRow() const { return m_top; }
    int ScrollX() const { return m_scrollX; }
    // Rows that fit wholly in the client area (TVM_GETVISIBLECOUNT).
    int VisibleCount() const;
    void SetTopRow(int row);
    void SetScrollX(int x);
    void Clamp();
    int ContentWidth() const;
    // Scrolls the fewest rows that bring the row wholly into view.
    void EnsureVisible(int row);

    TreeRowParts Parts(const TreeItem& item, int row) const;
    // TVM_HITTEST: the item under the point and the TVHT_* flags.
    TreeItem* HitTest(POINT pt, UINT& flags) const;

private:
    bool RootButtons() const;
    int TextWidth(const TreeItem& item) const;

    const TreeModel& m_model;
    unsigned m_fontGeneration = 1;
    int m_top = 0;
    int m_scrollX = 0;
};

}  // namespace afx::detail
