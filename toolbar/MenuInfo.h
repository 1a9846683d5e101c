// The record of the toolbar editor: the root of the group tree, a toolbar
// group, or a screen shortcut in a group. A record owns its children.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

class CListCtrl;
class CMenuNode;

// Kind codes; a record built from a host node keeps the node's kind byte.
constexpr BYTE MENU_KIND_SCREEN = 1;
constexpr BYTE MENU_KIND_ROOT = 15;
constexpr BYTE MENU_KIND_GROUP = 16;

class CMenuInfo : public CObject {
    DECLARE_DYNAMIC(CMenuInfo)

public:
    CMenuInfo();
    // Name and kind from the node; a screen node (kind 1 with a screen
    // record) also gives the screen number and the short name. The node's
    // children are not taken over.
    explicit CMenuInfo(const CMenuNode& node);
    CMenuInfo(const CMenuInfo& src);
    ~CMenuInfo() override;

    // Copies the source's texts and kind and appends a deep copy of each of
    // its children; children this record already has stay in front of them.
    CMenuInfo& operator=(const CMenuInfo& src);

    // Both insert directly after the child at nAfter, or at the end when
    // nAfter names no child, and refuse a screen number already present.
    // A refused record stays with the caller.
    bool AddChildFromNode(const CMenuNode* pNode, int nAfter);
    bool AddChild(CMenuInfo* pChild, int nAfter);

    // An index that names no child throws CInvalidArgException.
    void DeleteChild(int nIndex);
    CMenuInfo* GetChild(int nIndex) const;
    CMenuInfo* DetachChild(int nIndex);  // the caller owns the record it gets
    void MoveChildToTop(int nIndex);
    void MoveChildUp(int nIndex);
    void MoveChildDown(int nIndex);
    void MoveChildToBottom(int nIndex);

    void DeleteAllChildren();

    // Takes up to nCount children from nFrom on and puts them behind the
    // child at nTo, the last taken nearest to it (so a run arrives reversed).
    // Refuses, changing nothing, when nFrom equals nTo, when either names no
    // child, when nCount is below 1 or when the anchor lies in the run.
    bool MoveChildren(int nFrom, int nTo, int nCount);

    // False when a child other than pExcept holds exactly strText in field
    // 0 (screen number) or 1 (name); any other field is always unique.
    bool IsUniqueChild(const CMenuInfo* pExcept, const CString& strText, int nField) const;

    // Appends one row per child: screen number, name, short name.
    void FillListCtrl(CListCtrl& list) const;

    CString m_strScreenNo;
    CString m_strName;
    BYTE m_nKind;
    CString m_strShortName;
    CTypedPtrList<CObList, CMenuInfo*> m_listChild;

private:
    POSITION ChildPosition(int nIndex) const;
    void InsertChild(CMenuInfo* pChild, int nAfter);
};
