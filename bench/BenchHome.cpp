#include "BenchHome.h"

#include <afxcodepage.h>

#include <filesystem>
#include <fstream>
#include <string_view>

namespace bench {
namespace {

namespace fs = std::filesystem;

constexpr int kLeafScreens = 30;
constexpr int kToolbarScreens = 30;
constexpr int kDefaultToolbars = 10;
constexpr int kUserGroups = 20;
constexpr int kFavoritesPerFile = 100;
constexpr int kLinks = 10;

// One screen name in fifteen is Korean; the Latin ones all hold the
// many-hits text.
constexpr std::string_view kLatin[] = {
    "Market view",  "Order view",   "Chart view",   "Balance view", "Trades view",
    "Sector view",  "Futures view", "Options view", "Bond view",    "News view",
    "Ranking view", "Index view",   "Account view", "Margin view"};
constexpr std::string_view kKorean = "주식현재가";
constexpr std::string_view kFolders[] = {"국내주식", "Derivatives", "해외주식",
                                         "Research", "계좌",        "Tools"};

std::string Name(int n) {
    const int nPattern = n % 15;
    const std::string_view base = nPattern == 14 ? kKorean : kLatin[nPattern];
    return std::string(base) + " " + std::to_string(n);
}

class MenuWriter {
public:
    std::string text;
    int nNext = 0;

    void Folder(int nLevel, int nDepth, int nCount, const std::string& strName) {
        Line(nLevel - 1) += "folder \"" + strName + "\"\n";
        if (nLevel == nDepth) {
            for (int i = 0; i < nCount; ++i) {
                if (i > 0 && i % 10 == 0) Line(nLevel) += "separator\n";
                Screen(nLevel);
            }
            return;
        }
        int nLeaves = 1;
        for (int l = nLevel; l < nDepth; ++l) nLeaves *= kLeafScreens;
        const int nBranches = std::max(2, (nCount + nLeaves - 1) / nLeaves);
        for (int b = 0; b < nBranches; ++b) {
            const int nShare = nCount / nBranches + (b < nCount % nBranches ? 1 : 0);
            if (b == 1) Line(nLevel) += "separator\n";
            Folder(nLevel + 1, nDepth, nShare,
                   std::string(kFolders[(nLevel + b) % std::size(kFolders)]) + " " +
                       std::to_string(nLevel) + "-" + std::to_string(b));
        }
        // Hidden nodes stay out of both trees.
        Line(nLevel) += "folder \"hidden " + std::to_string(nNext) + "\" hidden\n";
    }

    void Screen(int nLevel) {
        const int n = nNext++;
        const char* pszType = n % 7 == 0 ? " type=9" : n % 5 == 0 ? " type=3" : "";
        Line(nLevel) += "screen \"" + Name(n) + "\" no=" + ScreenNo(n) + " code=TR" + ScreenNo(n) +
                        pszType + "\n";
    }

private:
    std::string& Line(int nLevel) {
        text.append(static_cast<size_t>(nLevel) * 2, ' ');
        return text;
    }
};

void WriteProfile(const fs::path& path, const std::string& utf8) {
    std::string text;
    for (char c : utf8) {
        if (c == '\n') text += '\r';
        text += c;
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << afx::Utf8ToCp949(text);
}

std::string Key(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// Toolbars of full groups; screen numbers spread over the whole menu.
std::string ToolbarFile(int nGroups, const std::string& strPrefix, int nScreens, int nComboSel) {
    std::string text = "[LIST]\nItemCnt=" + Key(nGroups) + "\n";
    for (int g = 1; g <= nGroups; ++g) text += Key(g) + "=" + strPrefix + " " + Key(g) + "\n";
    if (nComboSel > 0) text += "COMBOSEL=" + std::to_string(nComboSel) + "\n";
    for (int g = 1; g <= nGroups; ++g) {
        text += "[" + strPrefix + " " + Key(g) + "]\nItemCnt=" + Key(kToolbarScreens) + "\n";
        for (int s = 1; s <= kToolbarScreens; ++s) {
            const int n = (g * 7919 + s * 104729) % nScreens;
            text += Key(s) + "=" + ScreenNo(n) + ",단축" + std::to_string(s) + "," + Name(n) + "\n";
        }
    }
    return text;
}

}  // namespace

std::string ScreenNo(int n) {
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string no(4, '0');
    for (int i = 3; i >= 0; --i, n /= 36) no[static_cast<size_t>(i)] = kDigits[n % 36];
    return no;
}

std::string MenuText(int nScreens) {
    MenuWriter menu;
    menu.text = "# generated: " + std::to_string(nScreens) + " screens\n";
    const int nTop = 20 + nScreens / 5000;
    for (int t = 0; t < nTop && menu.nNext < nScreens; ++t) {
        if (t == nTop / 2) menu.text += "separator\n";
        const int nShare = nScreens / nTop + (t < nScreens % nTop ? 1 : 0);
        menu.Folder(1, 2 + t % 3, nShare,
                    std::string(kFolders[t % std::size(kFolders)]) + " " + std::to_string(t));
    }
    return menu.text;
}

BenchHome MakeHome(const std::string& root, int nScreens) {
    const fs::path home(root);
    fs::remove_all(home);
    for (const char* dir : {"user", "data", "users/bench"}) fs::create_directories(home / dir);
    BenchHome made{root, (home / "menu.txt").string(), nScreens};
    std::ofstream(made.menuFile, std::ios::binary | std::ios::trunc) << MenuText(nScreens);

    WriteProfile(home / "user" / "Toolbar.ini", ToolbarFile(kDefaultToolbars, "기본", nScreens, 0));
    WriteProfile(home / "user" / (std::string("ToolBar_") + kUser + ".ini"),
                 ToolbarFile(kUserGroups, "Group", nScreens, kDefaultToolbars + 1));
    for (int f = 0; f < 10; ++f) {
        std::string text = "[TOTCOUNT]\nCNT=" + std::to_string(kFavoritesPerFile) + "\n";
        for (int k = 0; k < kFavoritesPerFile; ++k)
            text += "[" + std::to_string(k) +
                    "]\nTRCODE=" + ScreenNo((f * 1009 + k * 6151) % nScreens) + "\n";
        WriteProfile(home / "user" / (std::to_string(9101 + f) + ".FAF"), text);
    }
    std::string links = "[USERMENUCOUNT]\nCount=" + std::to_string(kLinks) + "\n[USERMENU]\n";
    for (int i = 1; i <= kLinks; ++i) {
        const int n = i * 15485863 % nScreens;
        links += std::to_string(i) + "=" + Name(n) + ",TR" + ScreenNo(n) + "," + ScreenNo(n) + "\n";
    }
    WriteProfile(home / "users" / kUser / "UserConnectMenu.ini", links);
    return made;
}

}  // namespace bench
