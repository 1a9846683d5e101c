// The link menu file: what the dialog shows of a file when it opens, the
// bytes OK leaves, the hand-over, and saves that fail or die half-way.
#include <afxcodepage.h>
#include <afxtesting.h>

#include <TerminalSetup.h>

#include <cerrno>

#include "LinkMenuFixture.h"
#include "SaveFaults.h"

namespace {

using LinkMenuFile = LinkMenuDialog;

const Screen kA = {"Screen A", "INNER01", "0101"};
const Screen kB = {"Screen B", "INNER02", "0202"};

std::string Entries(int nFirst, int nLast) {
    std::string entries;
    for (int n = nFirst; n <= nLast; ++n) {
        const std::string s = std::to_string(n);
        entries += s + "=Name " + s + ",IN" + s + ",TR" + s + "\r\n";
    }
    return entries;
}

std::vector<std::string> Loaded(int nFirst, int nLast) {
    std::vector<std::string> rows;
    for (int n = nFirst; n <= nLast; ++n) {
        const std::string s = std::to_string(n);
        rows.push_back(std::to_string(rows.size() + 1) + "|TR" + s + "|Name " + s + "|IN" + s);
    }
    return rows;
}

TEST_F(LinkMenuFile, OpeningShowsTheEntriesUpToCount) {
    const std::string kLong(600, 'x');
    const std::string kKorean = afx::Utf8ToCp949("현재가,내부,0101");
    const struct {
        const char* pszCase;
        std::optional<std::string> file;
        std::vector<std::string> rows;
    } cases[] = {
        {"worked example",
         "[USERMENUCOUNT]\r\nCount=2\r\n[USERMENU]\r\n1=Screen A,INNER01,0101\r\n"
         "2=Screen B,INNER02,0202\r\n",
         {RowOf(0, kA), RowOf(1, kB)}},
        {"no file", std::nullopt, {}},
        {"no count", "[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count empty", "[USERMENUCOUNT]\r\nCount=\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count zero", "[USERMENUCOUNT]\r\nCount=0\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count negative", "[USERMENUCOUNT]\r\nCount=-3\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count no number", "[USERMENUCOUNT]\r\nCount=x2\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count the default's word",
         "[USERMENUCOUNT]\r\nCount=Empty Section\r\n[USERMENU]\r\n1=A,B,C\r\n",
         {}},
        {"count with letters after it",
         "[usermenucount]\r\ncount = 3rd\r\n[USERMENU]\r\n" + Entries(1, 5), Loaded(1, 3)},
        {"keys beyond count stay unread",
         "[USERMENUCOUNT]\r\nCount=3\r\n[USERMENU]\r\n" + Entries(1, 7), Loaded(1, 3)},
        {"commas in the name move the fields",
         "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,X,1\r\n",
         {"1|X,1|A|B"}},
        {"too few commas, empty or missing keys are skipped",
         "[USERMENUCOUNT]\r\nCount=5\r\n[USERMENU]\r\n1=A,B\r\n2=\r\n3=Empty Section\r\n"
         "5=Name 5,IN5,TR5\r\n",
         {"1|TR5|Name 5|IN5"}},
        {"a gap leaves no hole in the numbering",
         "[USERMENUCOUNT]\r\nCount=4\r\n[USERMENU]\r\n" + Entries(2, 2) + Entries(4, 4),
         {"1|TR2|Name 2|IN2", "2|TR4|Name 4|IN4"}},
        {"nothing is trimmed inside a value",
         "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1= a , b , c \r\n",
         {"1| c|a | b "}},
        {"Korean text passes through",
         "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=" + kKorean + "\r\n",
         {"1|0101|" + afx::Utf8ToCp949("현재가") + "|" + afx::Utf8ToCp949("내부")}},
        {"only 511 bytes of a value are read",
         "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=N,I," + kLong + "\r\n",
         {"1|" + kLong.substr(0, 507) + "|N|I"}},
        {"a hand-edited file shows its first ten entries",
         "[USERMENUCOUNT]\r\nCount=12\r\n[USERMENU]\r\n" + Entries(1, 12), Loaded(1, 10)},
        {"ten valid entries among gaps and bad values",
         "[USERMENUCOUNT]\r\nCount=14\r\n[USERMENU]\r\n2=bad\r\n" + Entries(3, 14), Loaded(3, 12)},
        {"a huge count is no reason to try every key",
         "[USERMENUCOUNT]\r\nCount=2147483647\r\n[USERMENU]\r\n" + Entries(1, 2) +
             "0003=Zero padded,IN3,TR3\r\n",
         Loaded(1, 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        std::filesystem::remove(File());
        if (c.file) WriteFile(*c.file);
        std::vector<std::string> rows;
        Run([&] { rows = Rows(); });
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(ReadFile(), c.file) << "opening and cancelling never writes";
    }
    EXPECT_TRUE(m_handOvers.empty());
}

// Count first, then the entries in list order; keys of a longer list stay.
TEST_F(LinkMenuFile, OkWritesCountAndTheRowsOverTheOldFile) {
    const std::string kSeven = Entries(1, 7);
    const struct {
        const char* pszCase;
        std::optional<std::string> before;
        std::function<void()> edit;
        std::string after;
    } cases[] = {
        {"worked example", std::nullopt,
         [&] {
             Add({"Many", "[1001] Screen 1001"});
             Add({"Quotes", "[0102] Order book"});
         },
         "[USERMENUCOUNT]\r\nCount=2\r\n[USERMENU]\r\n1=Screen 1001,TR1001,1001\r\n"
         "2=Order book,TR0102,0102\r\n"},
        {"three over seven", "[USERMENUCOUNT]\r\nCount=7\r\n[USERMENU]\r\n" + kSeven,
         [&] {
             driver::ClickRow(List(), 3);
             driver::ClickControl(Dlg(), IDC_LINK_DELETE);
             for (int n = 0; n < 3; ++n) {
                 driver::ClickRow(List(), 0);
                 driver::ClickControl(Dlg(), IDC_LINK_DELETE);
             }
         },
         "[USERMENUCOUNT]\r\nCount=3\r\n[USERMENU]\r\n1=Name 5,IN5,TR5\r\n2=Name 6,IN6,TR6\r\n"
         "3=Name 7,IN7,TR7\r\n4=Name 4,IN4,TR4\r\n5=Name 5,IN5,TR5\r\n6=Name 6,IN6,TR6\r\n"
         "7=Name 7,IN7,TR7\r\n"},
        {"an empty list keeps the old keys",
         "; mine\r\n[USERMENUCOUNT]\r\nCount=2\r\n[USERMENU]\r\n" + Entries(1, 2) +
             "[Other]\r\nx=1\r\n",
         [&] { driver::ClickControl(Dlg(), IDC_LINK_DELETE_ALL); },
         "; mine\r\n[USERMENUCOUNT]\r\nCount=0\r\n[USERMENU]\r\n" + Entries(1, 2) +
             "[Other]\r\nx=1\r\n"},
        {"a comma in a name is written as it is",
         "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,X,1\r\n", [] {},
         "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,X,1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        std::filesystem::remove(File());
        if (c.before) WriteFile(*c.before);
        m_handOvers.clear();
        std::vector<std::string> before;
        EXPECT_EQ(RunToEnd([&] {
                      c.edit();
                      before = Rows();
                      driver::ClickControl(Dlg(), IDOK);
                  }),
                  IDOK);
        EXPECT_EQ(ReadFile(), c.after);
        const std::string strPath =
            (m_home / "users" / "tester").string() + "\\UserConnectMenu.ini";
        EXPECT_EQ(m_handOvers, (std::vector<HandOver>{{1, "0007", strPath}}));
        std::vector<std::string> after;
        Run([&] { after = Rows(); });
        EXPECT_EQ(after, before) << "the saved rows load back as they were";
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_home / "users" / "tester"),
                            std::filesystem::directory_iterator()),
              1)
        << "no draft is left beside the file";
}

TEST_F(LinkMenuFile, CancelEscapeAndOtherServicesHandNothingOver) {
    WriteFile("[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,C\r\n");
    EXPECT_EQ(RunToEnd([&] {
                  Add({"[0900] Top screen"});
                  driver::ClickControl(Dlg(), IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(RunToEnd([&] {
                  Add({"[0900] Top screen"});
                  driver::PressKeyIn(Dlg(), IDC_LINK_LIST, VK_ESCAPE);
              }),
              IDCANCEL);
    EXPECT_EQ(ReadFile(), "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,C\r\n");
    terminal::SetServiceID(2);
    EXPECT_EQ(RunToEnd([&] {
                  Add({"[0900] Top screen"});
                  driver::ClickControl(Dlg(), IDOK);
              }),
              IDOK);
    EXPECT_EQ(
        ReadFile(),
        "[USERMENUCOUNT]\r\nCount=2\r\n[USERMENU]\r\n1=A,B,C\r\n2=Top screen,TR0900,0900\r\n");
    EXPECT_TRUE(m_handOvers.empty());
}

// A save that fails at any of its writes, on a full disk or at its sync
// leaves the old file byte for byte and no draft beside it, says why in red
// and keeps the dialog open; OK then tries again.
TEST_F(LinkMenuFile, AFailedSaveSaysWhyKeepsTheFileAndStaysOpen) {
    const std::string kOld = "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,C\r\n2=D,E,F\r\n";
    const std::string strFile = (m_home / "users" / "tester").string() + "\\UserConnectMenu.ini";
    // Count and the new row change the file; the first row stays as it is.
    for (const SaveFault& fault : SaveFaults(2)) {
        SCOPED_TRACE(fault.pszReason);
        WriteFile(kOld);
        m_handOvers.clear();
        EXPECT_EQ(RunToEnd([&] {
                      Add({"[0900] Top screen"});
                      fault.arm();
                      driver::ClickControl(Dlg(), IDOK);
                      EXPECT_EQ(ReadFile(), kOld);
                      EXPECT_EQ(Status(), strFile + " could not be saved: " + fault.pszReason +
                                              " The file is unchanged.");
                      EXPECT_TRUE(StatusIsRed());
                      EXPECT_TRUE(m_handOvers.empty());
                      driver::ClickControl(Dlg(), IDOK);
                  }),
                  IDOK);
        EXPECT_EQ(ReadFile(),
                  "[USERMENUCOUNT]\r\nCount=2\r\n[USERMENU]\r\n1=A,B,C\r\n"
                  "2=Top screen,TR0900,0900\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_home / "users" / "tester"),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

// A file that exists but cannot be read is told in red when the dialog
// opens, and OK keeps it byte for byte.
TEST_F(LinkMenuFile, AnUnreadableFileIsToldAndNeverReplaced) {
    const std::string kOld = "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,C\r\n";
    const std::string strFile = (m_home / "users" / "tester").string() + "\\UserConnectMenu.ini";
    WriteFile(kOld);
    afx::testing::FailFileRead(File().c_str(), EACCES);
    const std::string told =
        strFile + " could not be read: Access is denied. It is kept as it is and not saved.";
    Run([&] {
        EXPECT_EQ(Status(), told);
        EXPECT_TRUE(Rows().empty());
        Add({"[0900] Top screen"});
        driver::ClickControl(Dlg(), IDOK);
        EXPECT_EQ(Status(), told);
        EXPECT_TRUE(StatusIsRed());
    });
    afx::testing::FailFileRead(File().c_str(), 0);
    EXPECT_EQ(ReadFile(), kOld);
    EXPECT_TRUE(m_handOvers.empty());
}

// The process ends in the middle of the save: the file is still the old one,
// and the next save, over the draft left behind, writes the new one whole.
TEST_F(LinkMenuFile, DyingDuringTheSaveLeavesTheOldFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string kOld = "[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=A,B,C\r\n";
    const std::string kNew =
        "[USERMENUCOUNT]\r\nCount=3\r\n[USERMENU]\r\n1=A,B,C\r\n"
        "2=Top screen,TR0900,0900\r\n3=Screen 1001,TR1001,1001\r\n";
    const auto save = [&] {
        RunToEnd([&] {
            Add({"[0900] Top screen"});
            Add({"Many", "[1001] Screen 1001"});
            driver::ClickControl(Dlg(), IDOK);
        });
    };
    for (int nDie = 1; nDie <= 3; ++nDie) {
        SCOPED_TRACE(nDie);
        WriteFile(kOld);
        EXPECT_EXIT(
            {
                afx::testing::DieAtProfileWrite(nDie, 3);
                save();
            },
            ::testing::ExitedWithCode(3), "");
        EXPECT_EQ(ReadFile(), kOld);
    }
    save();
    EXPECT_EQ(ReadFile(), kNew);
}

}  // namespace
