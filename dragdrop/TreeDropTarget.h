// The drop side of a CDDTreeCtrl: highlights the item under the cursor,
// expands folders, scrolls at the edges and tells the tree's dialog what was
// dropped where.
#pragma once

#include <afxole.h>

class CDDTreeCtrl;

class CTreeDropTarget : public COleDropTarget {
public:
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                           CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                          CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;

private:
    // The tree whose drag is running, looked up at the drop; NULL for a drag
    // that started in a list.
    CWnd* m_pSourceWnd = nullptr;
    // The tree this target serves; the window the framework passes is always it.
    CDDTreeCtrl* m_pTargetTree = nullptr;
};
