#include "HostWnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

#include "afxautomation.h"

namespace {

constexpr char kClassName[] = "ControlsTestHost";

TVITEMA TreeItemOf(const NMHDR& header, bool newItem) {
    const auto& nm = reinterpret_cast<const NMTREEVIEWA&>(header);
    return newItem ? nm.itemNew : nm.itemOld;
}

}  // namespace

HostWnd::HostWnd() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);
    CreateEx(0, kClassName, "Host", WS_POPUP | WS_VISIBLE, 50, 50, 400, 300, nullptr, nullptr);
    // The window system activates a new window through its event queue; a
    // person would see it come up before giving it input.
    QApplication::processEvents();
}

HostWnd::~HostWnd() {
    DestroyWindow();
}

std::vector<UINT> HostWnd::Codes() const {
    std::vector<UINT> codes;
    for (const Note& note : notes) codes.push_back(note.code);
    return codes;
}

BOOL HostWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
    // Focus comes and goes with the test's own input; the notes leave it out.
    if (header.code == NM_SETFOCUS || header.code == NM_KILLFOCUS) {
        *pResult = 0;
        return TRUE;
    }
    char className[32] = {};
    ::GetClassNameA(header.hwndFrom, className, sizeof className);
    const bool tree = std::string(className) == WC_TREEVIEWA;
    Note note;
    note.code = header.code;
    if (tree) {
        note.caret = reinterpret_cast<HTREEITEM>(
            ::SendMessageA(header.hwndFrom, TVM_GETNEXTITEM, TVGN_CARET, 0));
        switch (header.code) {
            case TVN_SELCHANGING:
            case TVN_SELCHANGED:
            case TVN_ITEMEXPANDING:
            case TVN_ITEMEXPANDED: {
                const auto& nm = reinterpret_cast<const NMTREEVIEWA&>(header);
                note.action = nm.action;
                note.item = TreeItemOf(header, true).hItem;
                note.old = TreeItemOf(header, false).hItem;
                break;
            }
            case TVN_DELETEITEM:
                note.item = TreeItemOf(header, false).hItem;
                note.lParam = TreeItemOf(header, false).lParam;
                break;
            case TVN_ENDLABELEDIT: {
                const auto& info = reinterpret_cast<const NMTVDISPINFOA&>(header);
                if (info.item.pszText) note.text = info.item.pszText;
                break;
            }
            default:
                break;
        }
    } else if (header.code == LVN_ITEMCHANGED) {
        const auto& nm = reinterpret_cast<const NMLISTVIEW&>(header);
        note.row = nm.iItem;
        note.oldState = nm.uOldState;
        note.newState = nm.uNewState;
    } else if (header.code == NM_CLICK || header.code == NM_DBLCLK) {
        note.row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
    }
    notes.push_back(note);
    *pResult = answer ? answer(header) : 0;
    return TRUE;
}

QImage Grab(HWND hwnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("window.png"));
    if (!afx::SaveWindowImage(hwnd, path.toLocal8Bit().constData())) return QImage();
    return QImage(path);
}

QColor SysColour(int index) {
    const COLORREF c = ::GetSysColor(index);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 &&
           std::abs(a.blue() - b.blue()) <= 8;
}
