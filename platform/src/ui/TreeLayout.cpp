#include "TreeLayout.h"

#include <algorithm>

namespace afx::detail {

namespace {
// Gap between the images and the text, and around the text inside its
// selection rectangle.
constexpr int kLabelPadding = 2;
}  // namespace

bool TreeLayout::RootButtons() const {
    return (style & TVS_LINESATROOT) && (style & (TVS_HASBUTTONS | TVS_HASLINES));
}

int TreeLayout::VisibleCount() const {
    return itemHeight > 0 ? clientHeight / itemHeight : 0;
}

void TreeLayout::SetTopRow(int row) {
    m_top = row;
    Clamp();
}

void TreeLayout::SetScrollX(int x) {
    m_scrollX = x;
    Clamp();
}

void TreeLayout::Clamp() {
    const int rows = static_cast<int>(m_model.Rows().size());
    m_top = std::clamp(m_top, 0, std::max(0, rows - std::max(1, VisibleCount())));
    m_scrollX = std::clamp(m_scrollX, 0, std::max(0, ContentWidth() - clientWidth));
}

int TreeLayout::ContentWidth() const {
    int width = 0;
    const auto& rows = m_model.Rows();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        width = std::max(width, Parts(*rows[row], row).labelRight + m_scrollX);
    }
    return width;
}

void TreeLayout::EnsureVisible(int row) {
    if (row < 0) return;
    const int page = std::max(1, VisibleCount());
    if (row < m_top)
        m_top = row;
    else if (row >= m_top + page)
        m_top = row - page + 1;
    Clamp();
}

TreeRowParts TreeLayout::Parts(const TreeItem& item, int row) const {
    TreeRowParts p;
    p.top = (row - m_top) * itemHeight;
    p.bottom = p.top + itemHeight;
    const int level = m_model.DepthOf(item) + (RootButtons() ? 1 : 0);
    p.stateLeft = level * indent - m_scrollX;
    p.buttonLeft = p.stateLeft - indent;
    p.button = (style & TVS_HASBUTTONS) && level > 0 && item.HasButton();
    p.iconLeft = p.stateLeft + (item.StateImage() > 0 ? stateImageWidth : 0);
    p.labelLeft = p.iconLeft + imageWidth;
    const int text = TextWidth(item);
    p.labelRight = p.labelLeft + text + 2 * kLabelPadding;
    return p;
}

int TreeLayout::TextWidth(const TreeItem& item) const {
    if (item.m_widthFont != m_fontGeneration) {
        item.m_width = textWidth ? textWidth(item.m_text) : 0;
        item.m_widthFont = m_fontGeneration;
    }
    return item.m_width;
}

TreeItem* TreeLayout::HitTest(POINT pt, UINT& flags) const {
    flags = 0;
    if (pt.x < 0) flags |= TVHT_TOLEFT;
    if (pt.x >= clientWidth) flags |= TVHT_TORIGHT;
    if (pt.y < 0) flags |= TVHT_ABOVE;
    if (pt.y >= clientHeight) flags |= TVHT_BELOW;
    if (flags) return nullptr;
    flags = TVHT_NOWHERE;
    if (itemHeight <= 0) return nullptr;
    const auto& rows = m_model.Rows();
    const int row = m_top + pt.y / itemHeight;
    if (row >= static_cast<int>(rows.size())) return nullptr;
    TreeItem* item = rows[row];
    const TreeRowParts p = Parts(*item, row);
    if (pt.x < p.buttonLeft)
        flags = TVHT_ONITEMINDENT;
    else if (pt.x < p.stateLeft)
        flags = p.button ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
    else if (pt.x < p.iconLeft)
        flags = TVHT_ONITEMSTATEICON;
    else if (pt.x < p.labelLeft)
        flags = TVHT_ONITEMICON;
    else if (pt.x < p.labelRight)
        flags = TVHT_ONITEMLABEL;
    else
        flags = TVHT_ONITEMRIGHT;
    return item;
}

}  // namespace afx::detail
