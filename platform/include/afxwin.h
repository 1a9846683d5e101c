// The framework's window layer: geometry, GDI wrappers, command targets and
// message maps, windows, dialogs, the basic controls, data exchange, module
// state and message boxes.
#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

#include "afx.h"
#include "afxcoll.h"
#include "windows.h"

class CWnd;
class CDC;

// ---------------------------------------------------------------------------
// Geometry.

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    CPoint(POINT initPt) : POINT(initPt) {}  // NOLINT: implicit, as in the framework
    explicit CPoint(LPARAM dwPoint) : POINT{GET_X_LPARAM(dwPoint), GET_Y_LPARAM(dwPoint)} {}
    void Offset(int xOffset, int yOffset) {
        x += xOffset;
        y += yOffset;
    }
    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
    friend CPoint operator+(const CPoint& a, const POINT& b) { return {a.x + b.x, a.y + b.y}; }
    friend CPoint operator-(const CPoint& a, const POINT& b) { return {a.x - b.x, a.y - b.y}; }
};

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
    CSize(SIZE initSize) : SIZE(initSize) {}  // NOLINT: implicit, as in the framework
    friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& srcRect) : RECT(srcRect) {}   // NOLINT: implicit, as in the framework
    CRect(LPCRECT lpSrcRect) : RECT(*lpSrcRect) {}  // NOLINT: implicit, as in the framework
    CRect(POINT point, SIZE size) : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return {Width(), Height()}; }
    CPoint TopLeft() const { return {left, top}; }
    CPoint BottomRight() const { return {right, bottom}; }
    CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void SetRectEmpty() { *this = CRect(); }
    void InflateRect(int x, int y) {
        left -= x;
        top -= y;
        right += x;
        bottom += y;
    }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void OffsetRect(int x, int y) {
        left += x;
        right += x;
        top += y;
        bottom += y;
    }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void NormalizeRect() {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) {
        return ::IntersectRect(this, lpRect1, lpRect2);
    }
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::UnionRect(this, lpRect1, lpRect2); }

    operator LPRECT() { return this; }         // NOLINT: implicit, as in the framework
    operator LPCRECT() const { return this; }  // NOLINT: implicit, as in the framework
    friend bool operator==(const CRect& a, const CRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// ---------------------------------------------------------------------------
// GDI objects and device contexts. A wrapper owns its handle and deletes it
// when it is destroyed; FromHandle gives a temporary wrapper that owns nothing.

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    operator HGDIOBJ() const { return m_hObject; }  // NOLINT: implicit, as in the framework
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;

    HGDIOBJ m_hObject = nullptr;
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);
    BOOL CreateSolidBrush(COLORREF crColor);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
    static CBrush* FromHandle(HBRUSH hBrush);
};

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
    static CPen* FromHandle(HPEN hPen);
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    // nPointSize is in tenths of a point, at the system's 96 dots per inch.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const { return GetObject(sizeof(LOGFONT), pLogFont); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT
    static CFont* FromHandle(HFONT hFont);
};

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    // Loads a bitmap resource through the resource chain.
    BOOL LoadBitmap(UINT nIDResource);
    int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
    static CBitmap* FromHandle(HBITMAP hBitmap);
};

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)
public:
    CDC() = default;
    ~CDC() override = default;
    operator HDC() const { return m_hDC; }  // NOLINT: implicit, as in the framework
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC hDC);
    BOOL Attach(HDC hDC);
    HDC Detach();

    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    CFont* SelectObject(CFont* pFont);
    CBrush* SelectObject(CBrush* pBrush);
    CPen* SelectObject(CPen* pPen);
    CGdiObject* SelectStockObject(int nIndex);

    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FillRect(LPCRECT lpRect, CBrush* pBrush) { ::FillRect(m_hDC, lpRect, *pBrush); }
    void FrameRect(LPCRECT lpRect, CBrush* pBrush) { ::FrameRect(m_hDC, lpRect, *pBrush); }
    void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
    BOOL Rectangle(LPCRECT lpRect) {
        return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
        return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
    }
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
        return DrawText(str, str.GetLength(), lpRect, nFormat);
    }
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
        return ::TextOutA(m_hDC, x, y, lpszString, nCount);
    }
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
        return ::GetTextMetricsA(m_hDC, lpMetrics);
    }

    HDC m_hDC = nullptr;
};

// ---------------------------------------------------------------------------
// Command targets and message maps.
//
// A message map entry names a message (with a notification code and a
// control id range for commands and notifications) and a dispatcher that
// cracks the message's parameters and calls the handler with the framework's
// signature. The handler's member pointer is a template argument of the
// dispatcher, so a map holds no casts between member pointer types.

class CCmdTarget;

typedef BOOL (*AFX_PMSG)(CCmdTarget* pTarget, UINT nMessage, WPARAM wParam, LPARAM lParam,
                         LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Reflected messages come back to the child control at this offset.
#define WM_REFLECT_BASE 0xBC00
#define CN_COMMAND 0

#define afx_msg

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {            \
        return GetThisMessageMap();                                \
    }                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {              \
        typedef theClass ThisClass;                                \
        typedef baseClass TheBaseClass;                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                         \
    { 0, 0, 0, 0, nullptr }                                                                       \
    }                                                                                             \
    ;                                                                                             \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                           \
    }

#define AFX_MSG_ENTRY(message, code, id, lastId, signature, memberFxn) \
    {(message), (code), (id), (lastId), &::afx::msg::Dispatch<static_cast<signature>(memberFxn)>},
#define AFX_WM_ENTRY(message, signature, memberFxn) \
    AFX_MSG_ENTRY(message, 0, 0, 0, signature, memberFxn)

#define ON_COMMAND(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), void (ThisClass::*)(), memberFxn)
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                    \
    AFX_MSG_ENTRY(WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), void (ThisClass::*)(), \
                  memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                               \
    AFX_MSG_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, void(ThisClass::*)(), \
                  memberFxn)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                  \
    AFX_MSG_ENTRY(WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), \
                  void (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                              \
    AFX_MSG_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, \
                  void(ThisClass::*)(NMHDR*, LRESULT*), memberFxn)
// The handler returns TRUE to keep the notification from the parent.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                           \
    AFX_MSG_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, \
                  BOOL(ThisClass::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_MESSAGE(message, memberFxn) \
    AFX_WM_ENTRY(message, LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn)

#define ON_WM_CREATE() \
    AFX_WM_ENTRY(WM_CREATE, int (ThisClass::*)(LPCREATESTRUCT), &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, void (ThisClass::*)(), &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, void (ThisClass::*)(), &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, void (ThisClass::*)(), &ThisClass::OnClose)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, void (ThisClass::*)(), &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() \
    AFX_WM_ENTRY(WM_ERASEBKGND, BOOL (ThisClass::*)(CDC*), &ThisClass::OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, void (ThisClass::*)(UINT, int, int), &ThisClass::OnSize)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, void (ThisClass::*)(UINT_PTR), &ThisClass::OnTimer)
#define ON_WM_CTLCOLOR() \
    AFX_WM_ENTRY(WM_CTLCOLOR, HBRUSH (ThisClass::*)(CDC*, CWnd*, UINT), &ThisClass::OnCtlColor)
#define ON_WM_DRAWITEM() \
    AFX_WM_ENTRY(WM_DRAWITEM, void (ThisClass::*)(int, LPDRAWITEMSTRUCT), &ThisClass::OnDrawItem)
#define ON_WM_MEASUREITEM()                                                     \
    AFX_WM_ENTRY(WM_MEASUREITEM, void (ThisClass::*)(int, LPMEASUREITEMSTRUCT), \
                 &ThisClass::OnMeasureItem)
// An owner-drawn control answers its owner's WM_MEASUREITEM itself.
#define ON_WM_MEASUREITEM_REFLECT()                                                         \
    AFX_WM_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, void(ThisClass::*)(LPMEASUREITEMSTRUCT), \
                 &ThisClass::MeasureItem)
#define ON_WM_GETDLGCODE() \
    AFX_WM_ENTRY(WM_GETDLGCODE, UINT (ThisClass::*)(), &ThisClass::OnGetDlgCode)
#define ON_WM_SETFOCUS() \
    AFX_WM_ENTRY(WM_SETFOCUS, void (ThisClass::*)(CWnd*), &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() \
    AFX_WM_ENTRY(WM_KILLFOCUS, void (ThisClass::*)(CWnd*), &ThisClass::OnKillFocus)
#define AFX_WM_MOUSE_ENTRY(message, fn) \
    AFX_WM_ENTRY(message, void (ThisClass::*)(UINT, CPoint), &ThisClass::fn)
#define ON_WM_MOUSEMOVE() AFX_WM_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define AFX_WM_KEY_ENTRY(message, fn) \
    AFX_WM_ENTRY(message, void (ThisClass::*)(UINT, UINT, UINT), &ThisClass::fn)
#define ON_WM_KEYDOWN() AFX_WM_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_KEY_ENTRY(WM_CHAR, OnChar)

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Routes a command or notification to this object's map chain. nCode
    // carries the notification code in its low word and, for anything but
    // WM_COMMAND, the message in its high word; pExtra is an AFX_NOTIFY for
    // notifications. With pHandlerInfo set it only tells whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry of the map chain, class then bases, that takes the message.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

// ---------------------------------------------------------------------------
// Windows.

class CDataExchange;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }  // NOLINT: implicit, as in the framework
    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }

    // The handle map: the object attached to a window, or a temporary one.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation and destruction.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                          DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    BOOL IsDialogMessage(LPMSG lpMsg);
    static const MSG* GetCurrentMessage();

    // Relations and ids.
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    BOOL IsChild(const CWnd* pWnd) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    // Centres the window over its owner (or the screen).
    void CenterWindow(CWnd* pAlternateOwner = nullptr);

    // Styles and state.
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;

    // Text.
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;

    // Geometry and painting.
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    int GetScrollPos(int nBar) const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

    // Focus, capture, timers.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Message boxes: the caption defaults to the application title.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Data exchange.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // The framework's window procedure for attached windows.
    friend LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Runs the default processing of the current message.
    LRESULT Default();

    // The framework's default handlers: each does the default processing.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    WNDPROC m_pfnSuper = nullptr;  // the window procedure this object subclassed
    HWND m_hWndOwner = nullptr;    // set by SetOwner; the parent otherwise

    DECLARE_MESSAGE_MAP()
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// ---------------------------------------------------------------------------
// Dialogs and data exchange.

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    // The window of a control of the dialog; throws when there is none.
    HWND PrepareCtrl(int nIDC);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds a control of the dialog to a control object by subclassing it.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally: the value given to EndDialog, or -1 when the
    // template cannot be found or the window cannot be made.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDHelp = 0;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(CWnd* pOwner);
};

// ---------------------------------------------------------------------------
// Controls: thin wrappers that send the control's messages.

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
        SendMessage(BM_SETSTYLE, nStyle, bRedraw);
    }
    // Owner-drawn buttons draw here (BS_OWNERDRAW).
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Limits are in bytes of the CP949 text.
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
    void SetLimitText(UINT nMax) { SendMessage(EM_LIMITTEXT, nMax); }
    UINT GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return SendMessage(EM_SETREADONLY, bReadOnly) != 0; }
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xffff);
};

// Tool tips: a text shown when the mouse rests on a tool window.
class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd);
    void DelTool(CWnd* pWnd);
    void Activate(BOOL bActivate);
    // Tips show themselves; relaying input is accepted for the framework's shape.
    void RelayEvent(LPMSG lpMsg);
};

// ---------------------------------------------------------------------------
// Module state, resources and extension modules.

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The resource handle that holds a resource of the type and id: the current
// resource handle first, then each extension module of the chain.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
#define MAKEINTRESOURCE(i) (reinterpret_cast<LPCTSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_DIALOG MAKEINTRESOURCE(5)

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's entries from the chain (all entries with bAll).
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// An entry of the chain of resource sources; it joins the chain when
// constructed and leaves it when deleted.
class CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
};

// The application title, the caption of the framework's own message boxes.
LPCTSTR AfxGetAppName();
void AfxSetAppName(LPCTSTR lpszAppName);
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

// ---------------------------------------------------------------------------
// Message map dispatchers: crack the message for the handler's signature.

namespace afx::msg {

template <class T>
struct Member;
template <class C, class R, class... A>
struct Member<R (C::*)(A...)> {
    using Class = C;
};

template <auto F>
BOOL Dispatch(CCmdTarget* pTarget, UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    using Fn = decltype(F);
    using C = typename Member<Fn>::Class;
    C* self = static_cast<C*>(pTarget);
    if constexpr (std::is_same_v<Fn, void (C::*)()>) {
        (self->*F)();
    } else if constexpr (std::is_same_v<Fn, void (C::*)(NMHDR*, LRESULT*)>) {
        (self->*F)(reinterpret_cast<NMHDR*>(lParam), pResult);
    } else if constexpr (std::is_same_v<Fn, BOOL (C::*)(NMHDR*, LRESULT*)>) {
        return (self->*F)(reinterpret_cast<NMHDR*>(lParam), pResult);
    } else if constexpr (std::is_same_v<Fn, LRESULT (C::*)(WPARAM, LPARAM)>) {
        *pResult = (self->*F)(wParam, lParam);
    } else if constexpr (std::is_same_v<Fn, HBRUSH (C::*)(CDC*, CWnd*, UINT)>) {
        *pResult = reinterpret_cast<LRESULT>((self->*F)(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
            CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), nMessage - WM_CTLCOLORMSGBOX));
    } else if constexpr (std::is_same_v<Fn, int (C::*)(LPCREATESTRUCT)>) {
        *pResult = (self->*F)(reinterpret_cast<LPCREATESTRUCT>(lParam));
    } else if constexpr (std::is_same_v<Fn, BOOL (C::*)(CDC*)>) {
        *pResult = (self->*F)(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    } else if constexpr (std::is_same_v<Fn, void (C::*)(UINT, int, int)>) {
        (self->*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    } else if constexpr (std::is_same_v<Fn, void (C::*)(UINT_PTR)>) {
        (self->*F)(wParam);
    } else if constexpr (std::is_same_v<Fn, void (C::*)(int, LPDRAWITEMSTRUCT)>) {
        (self->*F)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
    } else if constexpr (std::is_same_v<Fn, void (C::*)(int, LPMEASUREITEMSTRUCT)>) {
        (self->*F)(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *pResult = TRUE;
    } else if constexpr (std::is_same_v<Fn, void (C::*)(LPMEASUREITEMSTRUCT)>) {
        (self->*F)(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        *pResult = TRUE;
    } else if constexpr (std::is_same_v<Fn, UINT (C::*)()>) {
        *pResult = (self->*F)();
    } else if constexpr (std::is_same_v<Fn, void (C::*)(CWnd*)>) {
        (self->*F)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
    } else if constexpr (std::is_same_v<Fn, void (C::*)(UINT, CPoint)>) {
        (self->*F)(static_cast<UINT>(wParam), CPoint(lParam));
    } else if constexpr (std::is_same_v<Fn, void (C::*)(UINT, UINT, UINT)>) {
        (self->*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    } else {
        static_assert(std::is_void_v<Fn>, "no dispatcher for this handler signature");
    }
    return TRUE;
}

}  // namespace afx::msg
