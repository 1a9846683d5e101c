#include "toolbar/MenuInfo.h"

#include <MenuNode.h>

#include <algorithm>

#include "menu/ShortName.h"

IMPLEMENT_DYNAMIC(CMenuInfo, CObject)

// Lists are short (at most 20 groups, 30 screens a group): small node blocks.
CMenuInfo::CMenuInfo() : m_nKind(MENU_KIND_GROUP), m_listChild(10) {}

CMenuInfo::CMenuInfo(const CMenuNode& node) : CMenuInfo() {
    m_strName = node.m_strName;
    m_nKind = node.m_nKind;
    if (node.m_pScreen && node.m_nKind == MENU_KIND_SCREEN) {
        m_strScreenNo = node.m_pScreen->m_strScreenNo;
        m_strShortName = GetShortName(m_strScreenNo, m_strName);
    }
}

CMenuInfo::CMenuInfo(const CMenuInfo& src) : CMenuInfo() {
    *this = src;
}

CMenuInfo::~CMenuInfo() {
    DeleteAllChildren();
}

CMenuInfo& CMenuInfo::operator=(const CMenuInfo& src) {
    if (this == &src) return *this;
    m_strName = src.m_strName;
    m_nKind = src.m_nKind;
    m_strShortName = src.m_strShortName;
    m_strScreenNo = src.m_strScreenNo;
    for (POSITION pos = src.m_listChild.GetHeadPosition(); pos != nullptr;)
        m_listChild.AddTail(new CMenuInfo(*src.m_listChild.GetNext(pos)));
    return *this;
}

// Only a screen's record gets a screen number, which identifies it in a
// toolbar: any other node (a folder, a notice board) is refused like a
// duplicate rather than becoming a row without a number.
bool CMenuInfo::AddChildFromNode(const CMenuNode* pNode, int nAfter) {
    if (pNode == nullptr || !pNode->m_pScreen || pNode->m_nKind != MENU_NODE_SCREEN ||
        !IsUniqueChild(nullptr, pNode->m_pScreen->m_strScreenNo, 0))
        return false;
    InsertChild(new CMenuInfo(*pNode), nAfter);
    return true;
}

bool CMenuInfo::AddChild(CMenuInfo* pChild, int nAfter) {
    if (pChild == nullptr || pChild == this || !IsUniqueChild(nullptr, pChild->m_strScreenNo, 0))
        return false;
    InsertChild(pChild, nAfter);
    return true;
}

void CMenuInfo::DeleteChild(int nIndex) {
    delete DetachChild(nIndex);
}

CMenuInfo* CMenuInfo::GetChild(int nIndex) const {
    return m_listChild.GetAt(ChildPosition(nIndex));
}

CMenuInfo* CMenuInfo::DetachChild(int nIndex) {
    const POSITION pos = ChildPosition(nIndex);
    CMenuInfo* pChild = m_listChild.GetAt(pos);
    m_listChild.RemoveAt(pos);
    return pChild;
}

void CMenuInfo::MoveChildToTop(int nIndex) {
    m_listChild.AddHead(DetachChild(nIndex));
}

void CMenuInfo::MoveChildUp(int nIndex) {
    CMenuInfo* pChild = DetachChild(nIndex);
    const POSITION posBefore = m_listChild.FindIndex(nIndex - 1);
    if (posBefore != nullptr)
        m_listChild.InsertBefore(posBefore, pChild);
    else
        m_listChild.AddHead(pChild);
}

void CMenuInfo::MoveChildDown(int nIndex) {
    InsertChild(DetachChild(nIndex), nIndex);
}

void CMenuInfo::MoveChildToBottom(int nIndex) {
    m_listChild.AddTail(DetachChild(nIndex));
}

void CMenuInfo::DeleteAllChildren() {
    while (!m_listChild.IsEmpty()) delete m_listChild.RemoveHead();
}

// Each child of the run is put behind the anchor as soon as it is taken out,
// which gives the same order as collecting the run first: the anchor never
// moves and list positions stay valid while other nodes come and go. The run
// is not limited to a toolbar's 30 screens, so a group read from a longer
// file moves whole.
bool CMenuInfo::MoveChildren(int nFrom, int nTo, int nCount) {
    if (nFrom == nTo || nCount < 1) return false;
    const POSITION posAnchor = m_listChild.FindIndex(nTo);
    POSITION pos = m_listChild.FindIndex(nFrom);
    if (posAnchor == nullptr || pos == nullptr) return false;
    const INT_PTR nRun = std::min<INT_PTR>(nCount, m_listChild.GetCount() - nFrom);
    if (nTo > nFrom && nTo < nFrom + nRun) return false;
    for (INT_PTR i = 0; i < nRun; ++i) {
        const POSITION posTaken = pos;
        CMenuInfo* pChild = m_listChild.GetNext(pos);
        m_listChild.RemoveAt(posTaken);
        m_listChild.InsertAfter(posAnchor, pChild);
    }
    return true;
}

bool CMenuInfo::IsUniqueChild(const CMenuInfo* pExcept, const CString& strText, int nField) const {
    if (nField != 0 && nField != 1) return true;
    for (POSITION pos = m_listChild.GetHeadPosition(); pos != nullptr;) {
        const CMenuInfo* pChild = m_listChild.GetNext(pos);
        const CString& strField = nField == 0 ? pChild->m_strScreenNo : pChild->m_strName;
        if (pChild != pExcept && strField == strText) return false;
    }
    return true;
}

POSITION CMenuInfo::ChildPosition(int nIndex) const {
    const POSITION pos = m_listChild.FindIndex(nIndex);
    if (pos == nullptr) AfxThrowInvalidArgException();
    return pos;
}

void CMenuInfo::InsertChild(CMenuInfo* pChild, int nAfter) {
    const POSITION posAfter = m_listChild.FindIndex(nAfter);
    if (posAfter != nullptr)
        m_listChild.InsertAfter(posAfter, pChild);
    else
        m_listChild.AddTail(pChild);
}
