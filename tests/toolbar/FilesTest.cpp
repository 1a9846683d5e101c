// The toolbar files through the dialog and real files in a temporary home:
// hand-written files read as they are, the group COMBOSEL names, the
// favorites branch, both kinds of save byte for byte, and saves that fail or
// are killed at any of their writes.
#include <EnvMgr.h>
#include <TerminalSetup.h>
#include <afxtesting.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "SaveFaults.h"
#include "ToolbarDialogFixture.h"

namespace {

namespace fs = std::filesystem;

// Two groups; the save after deleting the second screen of the first
// rewrites it with its counts in two digits and each group's count after
// its screens. Nine writes: the count, two names, three screens, two group
// counts and COMBOSEL.
const std::string kOld =
    "[LIST]\r\nItemCnt=2\r\n01=G1\r\n02=G2\r\nCOMBOSEL=0\r\n"
    "[G1]\r\nItemCnt=3\r\n01=1001,S1,One\r\n02=1002,S2,Two\r\n03=1003,S3,Three\r\n"
    "[G2]\r\nItemCnt=1\r\n01=2001,T1,Other\r\n";
const std::string kNew =
    "[LIST]\r\nItemCnt=02\r\n01=G1\r\n02=G2\r\nCOMBOSEL=0\r\n"
    "[G1]\r\n01=1001,S1,One\r\n02=1003,S3,Three\r\nItemCnt=02\r\n"
    "[G2]\r\n01=2001,T1,Other\r\nItemCnt=01\r\n";
constexpr int kWrites = 9;

class Files : public ToolbarDialog {
protected:
    fs::path HomeFile(const std::string& name) const { return m_home / "user" / name; }

    // A default file of n toolbars (only their count matters here).
    void WriteDefaults(int n) {
        std::string text = "[LIST]\r\nItemCnt=" + std::to_string(n) + "\r\n";
        for (int i = 1; i <= n; ++i)
            text += "0" + std::to_string(i) + "=D" + std::to_string(i) + "\r\n";
        WriteBytes(DefaultFile(), text);
    }

    // Marks the dialog changed without changing a group: the label editor
    // opened and cancelled.
    void TouchGroupName() {
        ClickButton(IDC_RENAME_GROUP);
        afx::PressKey(VK_ESCAPE);
    }

    INT_PTR SaveAfterDeletingTheSecondScreen() {
        return RunToEnd([&] {
            SelectRows({1});
            ClickButton(IDC_DELETE_SCREEN);
            ClickButton(IDC_SAVE);
        });
    }

    // Files beside the user's file that saves left there.
    int DraftCount() const {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(m_home / "user")) {
            const std::string name = entry.path().filename().string();
            n += name.ends_with(".TMP") || name.find(".~") != std::string::npos;
        }
        return n;
    }

    // Opens the dialog on the file, marks it changed and saves.
    std::string SaveUnchangedGroups() {
        EXPECT_EQ(RunToEnd([&] {
                      TouchGroupName();
                      ClickButton(IDC_SAVE);
                  }),
                  IDOK);
        return ReadBytes(UserFile());
    }
};

// Entries need two commas, found even after half a character; text after
// the second belongs to the name; empty and missing entries are passed over; a group name is read
// to 48 bytes and its screens from the section of the cut name.
TEST_F(Files, HandWrittenFilesAreReadAsTheyAre) {
    const std::string strLong(50, 'L');
    const std::string strCut(48, 'L');
    WriteBytes(UserFile(),
               "[LIST]\r\nItemCnt=4\r\n01=Odd\r\n02=\r\n04=" + strLong + "\r\n" +
                   "[Odd]\r\nItemCnt=8\r\n01=1001,S1,One\r\n02=1002,,Empty short\r\n"
                   "03=1003,OnlyOne\r\n04=1004,S4,Name, with, commas\r\n06= 1006 , S6 , Six \r\n"
                   "07=1001,S1,One again\r\n08=1008,AB\xB0,Half\r\n"
                   "[" +
                   strLong + "]\r\nItemCnt=1\r\n01=9999,X,Not this one\r\n" + "[" + strCut +
                   "]\r\nItemCnt=1\r\n01=3001,C,Cut\r\n");
    Run([&] {
        EXPECT_EQ(GroupLabels(), (std::vector<CString>{"Odd", strCut.c_str()}));
        EXPECT_EQ(Rows(), (std::vector<std::string>{"1001|One|S1", "1002|Empty short|",
                                                    "1004|Name, with, commas|S4", "1006 | Six| S6 ",
                                                    "1001|One again|S1", "1008|Half|AB\xB0"}));
        ClickItem(GroupTree(), GroupItem(strCut.c_str()));
        EXPECT_EQ(Rows(), std::vector<std::string>{"3001|Cut|C"});
    });
    EXPECT_TRUE(Boxes().empty());
}

// Names a file cannot keep apart, written by hand or by older versions: a
// group named "LIST" (its section is the list), the later of two names that
// differ in letter case only (both read the earlier one's section), and a
// name holding ']' (its header reads as a shorter name) are left out. Every
// other group opens with its screens, and a save followed by a reopening
// shows them again.
TEST_F(Files, NamesTheFileCannotKeepApartLeaveTheOtherGroupsWhole) {
    const std::string kG1 = "[G1]\r\nItemCnt=2\r\n01=1001,A,One\r\n02=1002,B,Two\r\n";
    const std::string kG2 = "[G2]\r\nItemCnt=1\r\n01=2001,C,Three\r\n";
    const struct {
        const char* pszCase;
        std::string file;
        std::vector<std::string> groups;
    } cases[] = {
        {"LIST",
         "[LIST]\r\nItemCnt=3\r\n01=G1\r\n02=LIST\r\n03=G2\r\n" + kG1 + kG2,
         {"G1:1001 1002", "G2:2001"}},
        {"list, with screens of its own",
         "[list]\r\nItemCnt=3\r\n01=G1\r\n02=list\r\n03=G2\r\n04=9001,X,Lost\r\n" + kG1 + kG2,
         {"G1:1001 1002", "G2:2001"}},
        {"case twins",
         std::string(
             "[LIST]\r\nItemCnt=4\r\n01=Equities\r\n02=G1\r\n03=equities\r\n04=EQUITIES\r\n") +
             "[Equities]\r\nItemCnt=1\r\n01=3001,E,Equity\r\n" + kG1 +
             "[equities]\r\nItemCnt=1\r\n01=3002,F,Unreachable\r\n",
         {"Equities:3001", "G1:1001 1002"}},
        {"brackets",
         "[LIST]\r\nItemCnt=3\r\n01=G1\r\n02=Top [KR] 10\r\n03=Top [KR\r\n" + kG1 +
             "[Top [KR]\r\nItemCnt=1\r\n01=4001,K,Korea\r\n",
         {"G1:1001 1002", "Top [KR:4001"}},
    };
    const auto groups = [&] {
        std::vector<std::string> shown;
        for (const CString& strLabel : GroupLabels()) {
            std::string group = std::string(strLabel) + ":";
            for (const CString& strNo : GroupScreens(strLabel)) group += std::string(strNo) + " ";
            shown.push_back(group.substr(0, group.size() - 1));
        }
        return shown;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteBytes(UserFile(), c.file);
        Run([&] { EXPECT_EQ(groups(), c.groups); });
        SaveUnchangedGroups();
        Run([&] { EXPECT_EQ(groups(), c.groups); });
    }
}

// COMBOSEL counts the default toolbars first; anything outside the user's
// groups, and a missing file, select the root with an empty list.
TEST_F(Files, TheGroupCombselNamesIsSelectedOnOpening) {
    const struct {
        int nDefaults;            // -1: no default file
        const char* pszComboSel;  // null: no COMBOSEL
        const char* pszSelected;
    } cases[] = {
        {5, "6", "G2"},      {5, "5", "G1"},         {5, "7", "G3"},  {5, "8", "<root>"},
        {5, "4", "<root>"},  {-1, "0", "G1"},        {-1, "2", "G3"}, {-1, "-1", "<root>"},
        {-1, nullptr, "G1"}, {5, nullptr, "<root>"}, {-1, "x", "G1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nDefaults) + " " + (c.pszComboSel ? c.pszComboSel : "none"));
        fs::remove(DefaultFile());
        if (c.nDefaults >= 0) WriteDefaults(c.nDefaults);
        std::string text = "[LIST]\r\nItemCnt=3\r\n01=G1\r\n02=G2\r\n03=G3\r\n";
        if (c.pszComboSel) text += std::string("COMBOSEL=") + c.pszComboSel + "\r\n";
        text +=
            "[G1]\r\nItemCnt=1\r\n01=1001,A,One\r\n[G2]\r\nItemCnt=1\r\n01=1002,B,Two\r\n"
            "[G3]\r\nItemCnt=1\r\n01=1003,C,Three\r\n";
        WriteBytes(UserFile(), text);
        Run([&] {
            EXPECT_EQ(SelectedLabel(), c.pszSelected);
            EXPECT_EQ(Rows().size(), std::string(c.pszSelected) == "<root>" ? 0u : 1u);
        });
    }
    fs::remove(UserFile());
    Run([&] {
        EXPECT_EQ(SelectedLabel(), "<root>");
        EXPECT_TRUE(GroupLabels().empty());
    });
}

// Without changes Save asks nothing and writes only COMBOSEL, in place;
// with the root selected it writes nothing at all.
TEST_F(Files, SavingWithoutChangesRecordsOnlyTheSelection) {
    WriteDefaults(5);
    const struct {
        const char* pszSelect;  // null: the root
        std::string before, after;
    } cases[] = {
        {"G2", kOld,
         "[LIST]\r\nItemCnt=2\r\n01=G1\r\n02=G2\r\nCOMBOSEL=6\r\n" +
             kOld.substr(kOld.find("[G1]"))},
        {"G1", kOld,
         "[LIST]\r\nItemCnt=2\r\n01=G1\r\n02=G2\r\nCOMBOSEL=5\r\n" +
             kOld.substr(kOld.find("[G1]"))},
        {nullptr, kOld, kOld},
        {nullptr, "MISSING", "MISSING"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszSelect ? c.pszSelect : "root");
        fs::remove(UserFile());
        if (c.before != "MISSING") WriteBytes(UserFile(), c.before);
        ClearBoxes();
        EXPECT_EQ(RunToEnd([&] {
                      CTreeCtrl& tree = GroupTree();
                      ClickItem(tree, c.pszSelect ? GroupItem(c.pszSelect) : tree.GetRootItem());
                      ClickButton(IDC_SAVE);
                  }),
                  IDOK);
        EXPECT_EQ(ReadBytes(UserFile()), c.after);
        EXPECT_TRUE(Boxes().empty());
    }
}

// The rewritten file in the cases that shape it: COMBOSEL after the default
// toolbars, the first group recorded for the root, no groups at all, short
// names that end in half a character, entries cut to 99 bytes on a
// character's edge. Saving the result again gives the same bytes.
TEST_F(Files, RewrittenFilesAndTheirRoundTrip) {
    const std::string strKorean = Cp949(
        "가나다라마바사아자차카타파하가나다라마바사아가나다라마바사아자차카타파하가나다라마바사아가"
        "나다");
    const std::string strGroup = Cp949("관심 그룹");
    const struct {
        const char* pszCase;
        int nDefaults;
        std::string before;
        std::function<void()> change;
        std::string after;
    } cases[] = {
        {"second group selected, five defaults", 5, kOld,
         [&] {
             ClickItem(GroupTree(), GroupItem("G2"));
             TouchGroupName();
         },
         "[LIST]\r\nItemCnt=02\r\n01=G1\r\n02=G2\r\nCOMBOSEL=6\r\n"
         "[G1]\r\n01=1001,S1,One\r\n02=1002,S2,Two\r\n03=1003,S3,Three\r\nItemCnt=03\r\n"
         "[G2]\r\n01=2001,T1,Other\r\nItemCnt=01\r\n"},
        {"root selected", 5, kOld,
         [&] {
             ClickItem(GroupTree(), GroupTree().GetRootItem());
             TouchGroupName();
         },
         "[LIST]\r\nItemCnt=02\r\n01=G1\r\n02=G2\r\nCOMBOSEL=5\r\n"
         "[G1]\r\n01=1001,S1,One\r\n02=1002,S2,Two\r\n03=1003,S3,Three\r\nItemCnt=03\r\n"
         "[G2]\r\n01=2001,T1,Other\r\nItemCnt=01\r\n"},
        {"all groups deleted", 0, kOld,
         [&] {
             ClickItem(GroupTree(), GroupTree().GetRootItem());
             ClickButton(IDC_DELETE_GROUP);
         },
         "[LIST]\r\nItemCnt=00\r\n"},
        {"long entries", 0,
         "[LIST]\r\nItemCnt=1\r\n01=L\r\n[L]\r\nItemCnt=3\r\n01=3001,L," + std::string(120, 'x') +
             "\r\n02=3002,KK," + strKorean + "\r\n03=3003,AB\xB0,Half\r\n",
         [&] { TouchGroupName(); },
         "[LIST]\r\nItemCnt=01\r\n01=L\r\nCOMBOSEL=0\r\n[L]\r\n01=3001,L," + std::string(92, 'x') +
             "\r\n02=3002,KK," + strKorean.substr(0, 90) + "\r\n03=3003,AB,Half\r\nItemCnt=03\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        fs::remove(DefaultFile());
        if (c.nDefaults > 0) WriteDefaults(c.nDefaults);
        WriteBytes(UserFile(), c.before);
        ClearBoxes();
        EXPECT_EQ(RunToEnd([&] {
                      c.change();
                      ClickButton(IDC_SAVE);
                  }),
                  IDOK);
        EXPECT_EQ(ReadBytes(UserFile()), c.after);
        EXPECT_EQ(Boxes().back(), kSaveQuestion);
        EXPECT_EQ(SaveUnchangedGroups(), c.after);
        EXPECT_EQ(DraftCount(), 0);
    }
}

Box SaveFailure(const std::string& strFile, const char* pszReason) {
    return VoBox(
        (strFile + " could not be saved: " + pszReason + " The file is unchanged.").c_str());
}

// A save that fails at any of its writes, on a full disk or at its sync
// leaves the user's file byte for byte, says why and keeps the dialog open;
// Save then tries again.
TEST_F(Files, AFailedSaveSaysWhyKeepsTheFileAndStaysOpen) {
    const std::string strFile = m_strUserDir + "\\ToolBar_tester.ini";
    for (const SaveFault& fault : SaveFaults(kWrites)) {
        SCOPED_TRACE(fault.pszReason);
        WriteBytes(UserFile(), kOld);
        ClearBoxes();
        EXPECT_EQ(RunSteps({[&] {
                                SelectRows({1});
                                ClickButton(IDC_DELETE_SCREEN);
                                fault.arm();
                                ClickButton(IDC_SAVE);
                            },
                            [&] {
                                EXPECT_EQ(ReadBytes(UserFile()), kOld);
                                EXPECT_EQ(Boxes().back(), SaveFailure(strFile, fault.pszReason));
                                ClickButton(IDC_SAVE);
                            }}),
                  IDOK);
        EXPECT_EQ(ReadBytes(UserFile()), kNew);
        EXPECT_EQ(Boxes().size(), 3u);
        EXPECT_EQ(DraftCount(), 0);
    }
}

// A user file that exists but cannot be read is told when the dialog opens,
// and Save, with or without changes, keeps it byte for byte.
TEST_F(Files, AnUnreadableFileIsToldAndNeverReplaced) {
    const std::string strFile = m_strUserDir + "\\ToolBar_tester.ini";
    const struct {
        int nErrno;
        const char* pszReason;
    } cases[] = {{EACCES, "Access is denied."},
                 {EIO, "The request could not be performed because of an I/O device error."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszReason);
        WriteBytes(UserFile(), kOld);
        afx::testing::FailFileRead(UserFile().c_str(), c.nErrno);
        ClearBoxes();
        const Box told = VoBox(
            (strFile + " could not be read: " + c.pszReason + " It is kept as it is and not saved.")
                .c_str());
        EXPECT_EQ(Run([&] {
                      EXPECT_TRUE(GroupLabels().empty());
                      ClickButton(IDC_ADD_GROUP);
                      ClickButton(IDC_SAVE);
                  }),
                  IDCANCEL);
        afx::testing::FailFileRead(UserFile().c_str(), 0);
        EXPECT_EQ(Boxes(), (std::vector<Box>{told, told}));
        EXPECT_EQ(ReadBytes(UserFile()), kOld);
    }
}

// The process ended at any write of a save leaves the old file byte for
// byte; past the last write the save is complete. Each save runs in a
// process of its own, started afresh; the draft an ended one left goes with
// the next save.
TEST_F(Files, ASaveKilledAtAnyWriteLeavesTheOldFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int n = 1; n <= kWrites + 1; ++n) {
        SCOPED_TRACE(n);
        WriteBytes(UserFile(), kOld);
        EXPECT_EXIT(
            {
                afx::testing::DieAtProfileWrite(n, 3);
                SaveAfterDeletingTheSecondScreen();
                std::_Exit(0);
            },
            ::testing::ExitedWithCode(n <= kWrites ? 3 : 0), "");
        EXPECT_EQ(ReadBytes(UserFile()), n <= kWrites ? kOld : kNew);
        EXPECT_EQ(DraftCount(), n <= kWrites ? 1 : 0);
    }
}

// Each favorites file that lists screens becomes a folder of the
// "Favorites" branch; codes must be known and four bytes long.
TEST_F(Files, FavoritesBecomeFoldersOfTheMenuTree) {
    WriteBytes(HomeFile("9101.FAF"),
               "[TOTCOUNT]\r\nCNT=2\r\n[0]\r\nTRCODE=0101\r\n[1]\r\nTRCODE=0102\r\n");
    WriteBytes(HomeFile("9102.FAF"),
               "[TOTCOUNT]\r\nCNT=4\r\n[0]\r\nTRCODE=0A61\r\n[1]\r\nTRCODE=01011\r\n"
               "[2]\r\nTRCODE=9999\r\n[3]\r\nTRCODE=010\r\n");
    WriteBytes(HomeFile("9103.FAF"), "[TOTCOUNT]\r\nCNT=0\r\n[0]\r\nTRCODE=0101\r\n");
    WriteBytes(HomeFile("9104.FAF"), "[0]\r\nTRCODE=0101\r\n");
    WriteBytes(HomeFile("9110.FAF"), "[TOTCOUNT]\r\nCNT=1\r\n[0]\r\nTRCODE=0900\r\n");
    WriteBytes(HomeFile("9111.FAF"), "[TOTCOUNT]\r\nCNT=1\r\n[0]\r\nTRCODE=0101\r\n");
    // Five- and three-byte codes the terminal knows are still no favorites.
    void* pNode = nullptr;
    ASSERT_TRUE(m_index.Lookup("0101", pNode));
    m_index.SetAt("01011", pNode);
    m_index.SetAt("010", pNode);
    WriteBytes(UserFile(), kOld);
    Run([&] {
        const std::vector<std::string> lines = driver::TreeLines(MenuTree());
        const auto favorites = std::find(lines.begin(), lines.end(), "Favorites img=2 +");
        EXPECT_EQ(std::vector<std::string>(favorites, lines.end()),
                  (std::vector<std::string>{
                      "Favorites img=2 +",
                      "  " + Cp949("관심화면[9101]") + " img=2 +",
                      "    Current price(0101) img=4",
                      "    Order book(0102) img=5",
                      "  " + Cp949("관심화면[9102]") + " img=2 +",
                      "    Deep screen(0A61) img=4",
                      "  " + Cp949("관심화면[9110]") + " img=2 +",
                      "    Top screen(0900) img=4",
                  }));
        // A favorite registers like a screen of the menu.
        const HTREEITEM hFavorites = MenuTree().GetNextSiblingItem(MenuTree().GetRootItem());
        DoubleClickItem(MenuTree(), MenuTree().GetChildItem(MenuTree().GetChildItem(hFavorites)));
        EXPECT_EQ(ListScreens(), (std::vector<CString>{"1001", "0101", "1002", "1003"}));
    });
}

}  // namespace
