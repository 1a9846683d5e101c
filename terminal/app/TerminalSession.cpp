#include "TerminalSession.h"

#include <afxcodepage.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "../Flyout/FileDownObserver.h"
#include "TerminalSetup.h"

namespace host {
namespace {

// Input registry indices of the two modes.
enum { kToolbarMode = 2, kLinkMode = 4 };

// Numbers, codes and many names are ASCII, which reads the same in CP949:
// those move over as they are, and a large menu starts without a copy of each.
CString ToCp949(std::string&& utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
        return CString(std::move(utf8));
    return CString(afx::Utf8ToCp949(utf8));
}

void MoveMenuFields(CMenuNode& node, MenuFileNode& source) {
    node.m_strName = ToCp949(std::move(source.name));
    node.m_nKind = static_cast<BYTE>(source.kind);
    node.m_dwShow = source.shown ? 1 : 0;
    if (source.hasScreen) {
        node.m_pScreen = std::make_unique<CScreenRecord>();
        node.m_pScreen->m_strScreenNo = ToCp949(std::move(source.screenNo));
        node.m_pScreen->m_strSecondCode = ToCp949(std::move(source.code));
        node.m_pScreen->m_nScreenType = static_cast<short>(source.type);
    }
}

CString ReadProfileString(LPCSTR pszSection, LPCSTR pszKey, const CString& strFile) {
    char buffer[512] = {};
    GetPrivateProfileStringA(pszSection, pszKey, "", buffer, sizeof buffer, strFile);
    return buffer;
}

// Both files keep an entry as three fields joined by commas; the last field
// takes any further commas.
std::optional<std::array<CString, 3>> SplitEntry(const CString& strEntry) {
    const int nFirst = strEntry.Find(',');
    const int nSecond = nFirst < 0 ? -1 : strEntry.Find(',', nFirst + 1);
    if (nSecond < 0) return std::nullopt;
    return std::array<CString, 3>{strEntry.Left(nFirst),
                                  strEntry.Mid(nFirst + 1, nSecond - nFirst - 1),
                                  strEntry.Mid(nSecond + 1)};
}

// An export of a loaded library as the function type it has; void(*)() is the
// function pointer type that converts to any other.
template <typename Function>
Function Export(HMODULE hModule, LPCSTR pszName) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(hModule, pszName)));
}

CString Key(int n) {
    CString key;
    key.Format("%02d", n);
    return key;
}

}  // namespace

CMenuNode BuildMenu(std::vector<MenuFileNode> nodes) {
    CMenuNode root;
    root.m_strName = "VORK";
    root.m_nKind = MENU_NODE_FOLDER;
    // A list of our own rather than recursion: a menu file may nest deeper
    // than the stack allows frames.
    std::vector<std::pair<CMenuNode*, std::vector<MenuFileNode>*>> pending{{&root, &nodes}};
    while (!pending.empty()) {
        const auto [pParent, pSources] = pending.back();
        pending.pop_back();
        for (MenuFileNode& source : *pSources) {
            CMenuNode* pNode = pParent->AddChild();
            MoveMenuFields(*pNode, source);
            pending.emplace_back(pNode, &source.children);
        }
    }
    return root;
}

std::string HomeRelativePath(const std::string& path, const std::string& home) {
    std::string shown = afx::Cp949ToUtf8(path);
    std::replace(shown.begin(), shown.end(), '\\', '/');
    const std::string prefix = home + "/";
    if (shown.starts_with(prefix)) shown.erase(0, prefix.size());
    return shown;
}

TerminalSession::TerminalSession(const HostOptions& options, const HomeDir& home, CMenuNode menu,
                                 const std::string& moduleDir)
    : m_home(home),
      m_strUser(afx::Utf8ToCp949(options.user)),
      m_strScreen(afx::Utf8ToCp949(options.screen)),
      m_menuRoot(std::move(menu)) {
    terminal::BuildScreenIndex(m_menuRoot, m_screenIndex);
    terminal::SetMainDir(options.mainDir.c_str());
    terminal::SetUserDir(home.UserDir().c_str());
    terminal::SetDataDir(home.DataDir().c_str());
    terminal::SetBaseDir(home.BaseDir().c_str());
    terminal::SetBaseUserID(m_strUser);
    terminal::SetServiceID(options.service);
    terminal::SetMenuGrade(afx::Utf8ToCp949(options.grade));

    const std::string modulePath = moduleDir + "/Tabulo.dll";
    m_hModule = LoadLibraryA(modulePath.c_str());
    if (m_hModule) m_pfnCallTabulo = Export<int (*)(int)>(m_hModule, "CallTabulo");
    if (!m_pfnCallTabulo) {
        if (m_hModule) FreeLibrary(m_hModule);
        throw std::runtime_error("cannot load the module libTabulo.so from " + moduleDir);
    }

    // Holding the pop-up library keeps the observer in place while the module
    // loads and frees its own references to it.
    m_hFlyout = LoadLibraryA((options.mainDir + "/Flyout.dll").c_str());
    if (m_hFlyout) {
        if (auto setObserver = Export<SetFileDownObserverFn>(m_hFlyout, "SetFileDownObserver"))
            setObserver(&TerminalSession::OnHandOver, this);
    }
}

TerminalSession::~TerminalSession() {
    if (m_hFlyout) {
        if (auto setObserver = Export<SetFileDownObserverFn>(m_hFlyout, "SetFileDownObserver"))
            setObserver(nullptr, nullptr);
        FreeLibrary(m_hFlyout);
    }
    FreeLibrary(m_hModule);
    terminal::ClearInputs();
}

int TerminalSession::CallTabulo(int nMode, CWnd* pParent) {
    terminal::ClearInputs();
    if (nMode == kToolbarMode) {
        terminal::RegisterInput(1, &m_menuRoot);
        terminal::RegisterInput(2, CString(m_home.UserDir().c_str()));
        terminal::RegisterInput(3, m_strUser);
        terminal::RegisterInput(4, m_strScreen);
        terminal::RegisterInput(5, &m_screenIndex);
    } else if (nMode == kLinkMode) {
        terminal::RegisterInput(1, &m_menuRoot);
        terminal::RegisterInput(2, m_strScreen);
        terminal::RegisterInput(3, static_cast<void*>(pParent));
    }
    return m_pfnCallTabulo(nMode);
}

void TerminalSession::SetHandOverListener(std::function<void(const HandOver&)> listener) {
    m_handOverListener = std::move(listener);
}

void TerminalSession::OnHandOver(void* pContext, int nMode, const char* pszCode,
                                 const char* pszPath) {
    auto* self = static_cast<TerminalSession*>(pContext);
    if (self->m_handOverListener) self->m_handOverListener({nMode, pszCode, pszPath});
}

std::vector<Toolbar> TerminalSession::UserToolbars() const {
    CString strUser = m_strUser;
    strUser.TrimRight();
    const CString strDir = m_home.UserDir().c_str();
    const CString strFile = strDir + "/ToolBar_" + strUser + ".ini";
    const CString strDefault = strDir + "/Toolbar.ini";

    std::vector<Toolbar> toolbars;
    const int nGroups = static_cast<int>(GetPrivateProfileIntA("LIST", "ItemCnt", 0, strFile));
    for (int i = 1; i <= nGroups; ++i) {
        Toolbar toolbar{ReadProfileString("LIST", Key(i), strFile), {}};
        if (toolbar.strName.IsEmpty()) continue;
        const int nScreens =
            static_cast<int>(GetPrivateProfileIntA(toolbar.strName, "ItemCnt", 0, strFile));
        for (int j = 1; j <= nScreens; ++j) {
            if (auto fields = SplitEntry(ReadProfileString(toolbar.strName, Key(j), strFile)))
                toolbar.buttons.push_back({(*fields)[0], (*fields)[1], (*fields)[2]});
        }
        toolbars.push_back(std::move(toolbar));
    }
    // The selected toolbar counts over the default toolbars first.
    const int nSelected = static_cast<int>(GetPrivateProfileIntA("LIST", "COMBOSEL", 0, strFile)) -
                          static_cast<int>(GetPrivateProfileIntA("LIST", "ItemCnt", 0, strDefault));
    if (nSelected > 0 && nSelected < static_cast<int>(toolbars.size()))
        std::rotate(toolbars.begin(), toolbars.begin() + nSelected,
                    toolbars.begin() + nSelected + 1);
    return toolbars;
}

std::vector<LinkEntry> TerminalSession::LinkMenu() const {
    const CString strFile =
        CString(m_home.BaseDir().c_str()) + "/" + m_strUser + "/UserConnectMenu.ini";
    std::vector<LinkEntry> entries;
    const int nCount =
        static_cast<int>(GetPrivateProfileIntA("USERMENUCOUNT", "Count", 0, strFile));
    for (int i = 1; i <= nCount; ++i) {
        CString key;
        key.Format("%d", i);
        if (auto fields = SplitEntry(ReadProfileString("USERMENU", key, strFile)))
            entries.push_back({(*fields)[0], (*fields)[1], (*fields)[2]});
    }
    return entries;
}

}  // namespace host
