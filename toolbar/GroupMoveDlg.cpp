#include "GroupMoveDlg.h"

#include "GroupName.h"
#include "menutree/TreePictures.h"
#include "res/resource.h"

// Enter and Cancel keep the framework's handling: Enter ends the dialog with
// IDOK before OK could note a name.
BEGIN_MESSAGE_MAP(CGroupMoveDlg, CVoDialog)
ON_BN_CLICKED(IDC_GROUP_MOVE_OK, &CGroupMoveDlg::OnGroupOk)
END_MESSAGE_MAP()

CGroupMoveDlg::CGroupMoveDlg() : CVoDialog(IDD_GROUP_MOVE) {}

CGroupMoveDlg::~CGroupMoveDlg() {
    if (m_stateImages.GetSafeHandle()) m_stateImages.DeleteImageList();
}

void CGroupMoveDlg::DoDataExchange(CDataExchange* pDX) {
    CVoDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GROUP_MOVE_TREE, m_treeGroups);
}

// The groups stand in one flat level, each with the folder picture; the last
// group whose name matches the one given is selected.
BOOL CGroupMoveDlg::OnInitDialog() {
    CVoDialog::OnInitDialog();
    CreateTreeImages(m_stateImages);
    m_treeGroups.SetImageList(&m_stateImages, TVSIL_STATE);

    HTREEITEM hPreselect = nullptr;
    for (POSITION pos = m_rootCopy.m_listChild.GetHeadPosition(); pos;) {
        CMenuInfo* pGroup = m_rootCopy.m_listChild.GetNext(pos);
        const HTREEITEM hItem = InsertFolderItem(m_treeGroups, TVI_ROOT, pGroup->m_strName, false,
                                                 reinterpret_cast<LPARAM>(pGroup));
        if (IsSameGroupName(pGroup->m_strName, m_strGroupName)) hPreselect = hItem;
    }
    if (hPreselect) m_treeGroups.SelectItem(hPreselect);
    m_strGroupName.Empty();
    return TRUE;
}

void CGroupMoveDlg::OnGroupOk() {
    if (const HTREEITEM hItem = m_treeGroups.GetSelectedItem()) {
        m_strGroupName = m_treeGroups.GetItemText(hItem);
    }
    OnOK();
}
