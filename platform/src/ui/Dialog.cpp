#include "DialogManager.h"
#include "Framework.h"
#include "Resources.h"
#include "Window.h"
#include "afxwin.h"

namespace {

const afx::detail::DialogTemplateData* FindTemplate(UINT id, HINSTANCE* instance) {
    *instance = AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_DIALOG);
    return afx::detail::FindDialogTemplate(*instance, id);
}

}  // namespace

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr) DestroyWindow();
}

BOOL CDialog::CreateFromTemplate(CWnd* pOwner) {
    HINSTANCE instance = nullptr;
    const afx::detail::DialogTemplateData* dialogTemplate = FindTemplate(m_nIDTemplate, &instance);
    if (dialogTemplate == nullptr) return FALSE;
    afx::detail::SetCreatingWindow(this);
    const HWND hWnd = afx::detail::CreateDialogFromTemplate(
        *dialogTemplate, instance, pOwner != nullptr ? pOwner->m_hWnd : nullptr);
    afx::detail::SetCreatingWindow(nullptr);
    return hWnd != nullptr ? TRUE : FALSE;
}

INT_PTR CDialog::DoModal() {
    HINSTANCE instance = nullptr;
    if (FindTemplate(m_nIDTemplate, &instance) == nullptr) return -1;
    // The owner is the parent's top-level window, or the active window; it
    // takes no input while the dialog runs.
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd->GetTopLevelParent()
                                          : CWnd::FromHandle(::GetActiveWindow());
    const HWND hWndOwner = owner != nullptr ? owner->m_hWnd : nullptr;
    const bool enableOwner = hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner);
    if (enableOwner) ::EnableWindow(hWndOwner, FALSE);
    INT_PTR result = -1;
    if (CreateFromTemplate(owner)) {
        result = afx::detail::RunModalLoop(m_hWnd);
        if (m_hWnd != nullptr) ::ShowWindow(m_hWnd, SW_HIDE);
    }
    if (enableOwner) ::EnableWindow(hWndOwner, TRUE);
    // The owner is active again, with the focus where it was.
    if (hWndOwner != nullptr) ::SetActiveWindow(hWndOwner);
    if (m_hWnd != nullptr) DestroyWindow();
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(pParentWnd);
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    Default();
    CRect before;
    GetWindowRect(before);
    const BOOL result = OnInitDialog();
    // A dialog that its initialisation did not place is centred over its
    // owner when that owner waits for it (or over the screen when it has none).
    CRect after;
    if (::IsWindow(m_hWnd) && (GetStyle() & (WS_VISIBLE | WS_CHILD)) == 0) {
        GetWindowRect(after);
        const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
        if (after.TopLeft() == before.TopLeft() &&
            (owner == nullptr || !::IsWindowEnabled(owner))) {
            CenterWindow();
        }
    }
    return result;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    const bool key = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    return key || mouse ? IsDialogMessage(pMsg) : FALSE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::NextDlgCtrl() const {
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
    SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID) {
    SendMessage(DM_SETDEFID, nID);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    ::MapDialogRect(m_hWnd, lpRect);
}
