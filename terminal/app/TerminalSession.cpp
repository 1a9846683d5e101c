#include "TerminalSession.h"

#include <afxcodepage.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <set>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "../Flyout/FileDownObserver.h"
#include "TerminalSetup.h"

namespace host {
namespace {

// Input registry indices of the two modes.
enum { kToolbarMode = 2, kLinkMode = 4 };

// The numbered keys of a section up to nLast, in order. The counts in the
// files are claims, so the host window tries no key that the file lacks.
std::set<int> NumberedKeys(LPCSTR pszSection, const CString& strFile, int nLast) {
    std::vector<char> names(1 << 16);
    DWORD nLength = 0;
    while ((nLength = GetPrivateProfileStringA(pszSection, nullptr, "", names.data(),
                                               static_cast<DWORD>(names.size()), strFile)) ==
           names.size() - 2)
        names.resize(names.size() * 2);
    std::set<int> keys;
    for (std::string_view list(names.data(), nLength); !list.empty();) {
        const std::string_view name = list.substr(0, list.find('\0'));
        list.remove_prefix(std::min(list.size(), name.size() + 1));
        int nKey = 0;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), nKey);
        if (error == std::errc() && end == name.data() + name.size() && nKey >= 1 && nKey <= nLast)
            keys.insert(nKey);
    }
    return keys;
}

CString ReadProfileString(LPCSTR pszSection, LPCSTR pszKey, const CString& strFile) {
    char buffer[512] = {};
    GetPrivateProfileStringA(pszSection, pszKey, "", buffer, sizeof buffer, strFile);
    return buffer;
}

// Both files keep an entry as three fields joined by commas; the last field
// takes any further commas. No character has a comma as its second byte, so
// the commas are found byte by byte, also after a field that ends in half a
// character.
std::optional<std::array<CString, 3>> SplitEntry(const CString& strEntry) {
    const std::string_view entry(strEntry.GetString());
    const size_t nFirst = entry.find(',');
    const size_t nSecond = entry.find(',', nFirst == entry.npos ? entry.size() : nFirst + 1);
    if (nSecond == entry.npos) return std::nullopt;
    return std::array<CString, 3>{std::string(entry.substr(0, nFirst)),
                                  std::string(entry.substr(nFirst + 1, nSecond - nFirst - 1)),
                                  std::string(entry.substr(nSecond + 1))};
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
    for (const int i : NumberedKeys("LIST", strFile, nGroups)) {
        Toolbar toolbar{ReadProfileString("LIST", Key(i), strFile), {}};
        if (toolbar.strName.IsEmpty()) continue;
        const int nScreens =
            static_cast<int>(GetPrivateProfileIntA(toolbar.strName, "ItemCnt", 0, strFile));
        for (const int j : NumberedKeys(toolbar.strName, strFile, nScreens)) {
            if (auto fields = SplitEntry(ReadProfileString(toolbar.strName, Key(j), strFile)))
                toolbar.buttons.push_back({(*fields)[0], (*fields)[1], (*fields)[2]});
        }
        toolbars.push_back(std::move(toolbar));
    }
    // The selected toolbar counts over the default toolbars first; both
    // numbers may be anything an int holds.
    const long long nSelected =
        static_cast<long long>(
            static_cast<int>(GetPrivateProfileIntA("LIST", "COMBOSEL", 0, strFile))) -
        static_cast<int>(GetPrivateProfileIntA("LIST", "ItemCnt", 0, strDefault));
    if (nSelected > 0 && nSelected < static_cast<long long>(toolbars.size()))
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
    for (const int i : NumberedKeys("USERMENU", strFile, nCount)) {
        CString key;
        key.Format("%d", i);
        if (auto fields = SplitEntry(ReadProfileString("USERMENU", key, strFile)))
            entries.push_back({(*fields)[0], (*fields)[1], (*fields)[2]});
    }
    return entries;
}

}  // namespace host
