// The terminal's menu: a tree of nodes, folders holding screens and further
// folders, and the index that finds a screen's node by its screen number.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <memory>
#include <vector>

// Kind bytes of a node.
constexpr BYTE MENU_NODE_SCREEN = 1;
constexpr BYTE MENU_NODE_FOLDER = 16;

// What a screen node knows of the screen it opens.
struct CScreenRecord {
    CString m_strScreenNo;    // the screen's identifier, e.g. "0101"
    CString m_strSecondCode;  // the screen's inner transaction code
    short m_nScreenType = 0;
};

class CMenuNode {
public:
    CMenuNode();
    CMenuNode(const CMenuNode& src);
    CMenuNode(CMenuNode&& src) noexcept;
    ~CMenuNode();

    // Both replace this node's data and children with a copy of the source's
    // whole subtree; the copy shares nothing with the source.
    CMenuNode& operator=(const CMenuNode& src);
    CMenuNode& operator=(CMenuNode&& src) noexcept;

    // Children in menu order; a child belongs to its parent.
    int GetChildCount() const;
    CMenuNode* GetChild(int nIndex) const;  // null when the index names no child
    CMenuNode* AddChild();                  // appends an empty node and returns it

    CString m_strName;
    BYTE m_nKind = MENU_NODE_FOLDER;
    DWORD m_dwShow = 1;                        // zero keeps the node out of the menu trees
    std::unique_ptr<CScreenRecord> m_pScreen;  // null for folders and separators

private:
    void CopyFields(const CMenuNode& src);  // the node's own data, not its children

    std::vector<std::unique_ptr<CMenuNode>> m_children;
};

// The terminal's screen index: screen number (compared with letter case) to
// the screen's CMenuNode*, which the terminal's menu tree owns.
typedef CMapStringToPtr CScreenIndex;
