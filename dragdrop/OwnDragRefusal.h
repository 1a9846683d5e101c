// The one refusal the drop targets share: while a control drags with
// self-drops off, its own window (as it stood when the drag began) refuses
// the drop.
#pragma once

#include <afxwin.h>

template <class TCtrl>
BOOL IsOwnDragRefused(const TCtrl& ctrl, CPoint point) {
    if (ctrl.m_bAllowSelfDrop || !ctrl.IsDragging()) return FALSE;
    ctrl.ClientToScreen(&point);
    return ctrl.GetDragStartRect().PtInRect(point);
}
