#include "Acts.h"

#include <afxautomation.h>

#include <cstddef>
#include <utility>

namespace automation {
namespace {

void SelectRows(HWND dialog, const Spot& spot, UINT keys) {
    for (std::size_t i = 0; i < spot.rows.size(); ++i) {
        Spot row = spot;
        row.rows = {spot.rows[i]};
        const Press press = Find(dialog, row);
        afx::Click(press.window, press.point, i > 0 ? MK_CONTROL : keys);
    }
}

afx::DragStep MoveTo(const Press& press) {
    POINT point = press.point;
    ::ClientToScreen(press.window, &point);
    return afx::DragStep::MoveTo(point);
}

}  // namespace

void Click(HWND dialog, const Spot& spot, UINT keys) {
    Enabled(dialog, spot.control);
    if (spot.where == Spot::Where::Rows) {
        SelectRows(dialog, spot, keys);
        return;
    }
    const Press press = Find(dialog, spot);
    afx::Click(press.window, press.point, keys);
}

void DoubleClick(HWND dialog, const Spot& spot) {
    Enabled(dialog, spot.control);
    const Press press = Find(dialog, spot);
    afx::DoubleClick(press.window, press.point);
}

// Each place is passed over as a person passes over it: the move into a
// control only enters it, and a person moving on over it is what a drag-over
// answers, so the cursor stirs there once. The drag enters its source too
// only with its first move.
bool Drag(const Press& from, const std::vector<Press>& via, const Press& to, bool cancel) {
    std::vector<afx::DragStep> path;
    HWND previous = nullptr;
    auto pass = [&](const Press& press) {
        path.push_back(MoveTo(press));
        if (press.window != previous) path.push_back(MoveTo(press));
        previous = press.window;
    };
    for (const Press& press : via) pass(press);
    pass(to);
    path.push_back(cancel ? afx::DragStep::Escape() : afx::DragStep::Release());
    return afx::DragFrom(from.window, from.point, std::move(path));
}

// The targets are brought into view before the source, so that the press
// lands where the source shows; every point is then read where it shows,
// and a drag whose places the controls cannot show at once fails, as a
// person could not reach them either. A press that starts no drag is what a
// person would see too: nothing happens.
bool Drag(HWND dialog, const Spot& from, const std::vector<Spot>& via, const Spot& to,
          bool cancel) {
    Enabled(dialog, from.control);
    for (const Spot& spot : via) Reveal(dialog, spot);
    Reveal(dialog, to);
    if (from.where == Spot::Where::Rows)
        SelectRows(dialog, from, 0);
    else
        Reveal(dialog, from);
    const Press source = PointOf(dialog, from);
    std::vector<Press> passed;
    for (const Spot& spot : via) passed.push_back(PointOf(dialog, spot));
    const Press target = PointOf(dialog, to);
    return Drag(source, passed, target, cancel);
}

void TypeOver(HWND edit, LPCSTR text) {
    ::SendMessage(edit, EM_SETSEL, 0, -1);
    afx::TypeText(text);
}

}  // namespace automation
