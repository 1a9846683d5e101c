// The terminal as tabulo-host plays it: its menu and screen index, its
// directories and user, the loaded module, and the inputs it registers
// before each call into the module. It knows nothing of windows, so the
// host window, the screenshot run and scripted sessions all drive it alike.
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include <functional>
#include <string>
#include <vector>

#include "HomeDir.h"
#include "HostOptions.h"
#include "MenuNode.h"

class CWnd;

namespace host {

// One file the module handed to the pop-up library (CP949 text as passed).
struct HandOver {
    int mode = 0;
    std::string code;
    std::string path;
};

// A path the module built (CP949, either separator) as the host shows it:
// UTF-8, slashes only, relative to home when it lies below it.
std::string HomeRelativePath(const std::string& path, const std::string& home);

struct ToolbarButton {
    CString strScreenNo, strShortName, strScreenName;
};
struct Toolbar {
    CString strName;
    std::vector<ToolbarButton> buttons;
};
struct LinkEntry {
    CString strScreenName, strInnerTR, strScreenNo;
};

class TerminalSession {
public:
    // Loads the module from moduleDir and the pop-up library's observer from
    // the main directory, and sets the terminal's libraries up. Throws
    // std::runtime_error when the module cannot be loaded.
    TerminalSession(const HostOptions& options, const HomeDir& home, CMenuNode menu,
                    const std::string& moduleDir);
    ~TerminalSession();
    TerminalSession(const TerminalSession&) = delete;
    TerminalSession& operator=(const TerminalSession&) = delete;

    // Registers the inputs of the mode (toolbar settings 2, link menu 4) and
    // calls the module's CallTabulo; parent is input 3 of mode 4.
    int CallTabulo(int nMode, CWnd* pParent = nullptr);

    // Told of each hand-over to the pop-up library, as it happens.
    void SetHandOverListener(std::function<void(const HandOver&)> listener);

    // The user's toolbars from the user's toolbar file, the selected one first.
    std::vector<Toolbar> UserToolbars() const;
    // The user's link menu, in order.
    std::vector<LinkEntry> LinkMenu() const;

    // The current screen: input 4 of mode 2 and input 2 of mode 4.
    void SetCurrentScreen(const CString& strScreenNo) { m_strScreen = strScreenNo; }
    const CString& CurrentScreen() const { return m_strScreen; }

    const CString& User() const { return m_strUser; }
    const CMenuNode& MenuRoot() const { return m_menuRoot; }
    const HomeDir& Home() const { return m_home; }

private:
    static void OnHandOver(void* pContext, int nMode, const char* pszCode, const char* pszPath);

    HomeDir m_home;
    CString m_strUser, m_strScreen;
    CMenuNode m_menuRoot;
    CMapStringToPtr m_screenIndex;
    HMODULE m_hModule = nullptr;
    HMODULE m_hFlyout = nullptr;
    int (*m_pfnCallTabulo)(int) = nullptr;
    std::function<void(const HandOver&)> m_handOverListener;
};

}  // namespace host
