// OLE drag and drop: drop targets, data sources and the data object a drop target receives.
#pragma once

#include "afxwin.h"
#include "oleidl.h"

// What a drag carries. The drags of this framework carry no data: a drop target learns what
// is dragged from the controls themselves, so the object only stands for the drag.
class COleDataObject {
public:
    COleDataObject() = default;
};

// The source side of a drag decides when it drops or is cancelled and which cursor it shows;
// only the framework's default one exists (pass NULL): the left button's release drops,
// Escape and the right button cancel, and the cursor shows copy, move, link or no-drop.
class COleDropSource;

// A window's drop target. Register it for a window; the drag loop then calls it with that
// window and the cursor in the window's client coordinates. The target stays registered until
// Revoke, its destruction or the window's destruction.
class COleDropTarget : public CCmdTarget {
public:
    COleDropTarget() = default;
    ~COleDropTarget() override;

    // FALSE for a window that is not one or already has a drop target, and for a target that
    // already serves a window.
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    // The default target accepts nothing.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                        CPoint point);
    // Called first at a drop; (DROPEFFECT)-1, the default, hands the drop to OnDrop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // Called before OnDragEnter and OnDragOver; an answer with DROPEFFECT_SCROLL stands in
    // for theirs. The default never scrolls.
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

protected:
    HWND m_hWnd = nullptr;  // the window this target serves
};

class COleDataSource : public CCmdTarget {
public:
    // Runs a drag and returns the effect of its drop, DROPEFFECT_NONE when it was cancelled,
    // refused or never began. With a start rectangle (screen coordinates) the drag begins
    // when the cursor leaves it or the drag delay (200 ms) has passed with the button down;
    // without one, at the first move.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);
};
