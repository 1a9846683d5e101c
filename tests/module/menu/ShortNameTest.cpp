#include <gtest/gtest.h>

#include <TerminalSetup.h>
#include <afxcodepage.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "menu/ShortName.h"

namespace {

CString Cp949(const char* pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8);
}

// A fresh data directory for each test, named to the terminal.
class ShortName : public ::testing::Test {
protected:
    void SetUp() override {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "tabulo-data-XXXXXX").string();
        ASSERT_NE(mkdtemp(strTemplate.data()), nullptr);
        m_dataDir = strTemplate;
        terminal::SetDataDir(m_dataDir.c_str());
    }
    void TearDown() override { std::filesystem::remove_all(m_dataDir); }

    // Writes ShortID.dat as the terminal ships it: CP949 text, CRLF lines.
    void WriteTable(const std::string& strUtf8) {
        std::string strFile;
        for (char ch : afx::Utf8ToCp949(strUtf8)) {
            if (ch == '\n') strFile += '\r';
            strFile += ch;
        }
        std::ofstream(m_dataDir / "ShortID.dat", std::ios::binary) << strFile;
    }

    std::filesystem::path m_dataDir;
};

TEST_F(ShortName, ComesFromTheTableOrFromTheFirstEightBytesOfTheName) {
    WriteTable(
        "[0101]\nSNAME=현재가\n"
        "[0102]\nSNAME=LongShortName123\n"
        "[0103]\nSNAME=1234567890123456789\n"
        "[0104]\nSNAME=12345678901234567890123\n"
        "[0105]\nSNAME=\n"
        "[0106]\nNAME=other key\n"
        "[0107]\nSNAME=  호가 창  \n"
        "[0108]\nSNAME=Top,10,\n"
        "[0109]\nSNAME=가나다라마바사아자차카\n");
    struct Case {
        const char* pszScreenNo;
        const char* pszName;
        const char* pszShortName;  // UTF-8; a null one is checked by bytes below
    };
    const Case cases[] = {
        {"0101", "Current price", "현재가"},
        {"0102", "Quotes", "LongShortName123"},
        {"0103", "Quotes", "1234567890123456789"},
        {"0104", "Quotes", "1234567890123456789"},  // cut to 19 bytes by the read
        {"0107", "Quotes", "호가 창"},
        {"0108", "Quotes", "Top10"},               // no commas between the file's commas
        {"0109", "Quotes", "가나다라마바사아자"},  // 19 bytes read, the half character left out
        {"0105", "Current price", "Current "},     // empty value: the name, blank in eighth place
        {"0106", "Current price", "Current "},     // no SNAME key
        {"9999", "Current price", "Current "},     // no section
        {"", "Current price", "Current "},
        {"9999", "Chart", "Chart"},
        {"9999", "", ""},
        {"9999", "주식현재가 종합", "주식현재"},  // four syllables, eight bytes
        {"0101", "주식현재가 종합", "현재가"},
        {"9999", "12345678", "12345678"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszScreenNo);
        EXPECT_EQ(GetShortName(c.pszScreenNo, Cp949(c.pszName)), Cp949(c.pszShortName));
    }

    // One byte and four syllables: the cut would leave the lead byte of the
    // fourth, which goes too.
    EXPECT_EQ(GetShortName("9999", Cp949("A주식현재가")), Cp949("A주식현"));
}

// No table gives the name's first 8 bytes; a table written in the meantime
// is read at the next call.
TEST_F(ShortName, TheTableIsReadAnewAtEachCall) {
    const struct {
        const char* pszTable;  // nullptr: no ShortID.dat
        const char* pszShortName;
    } steps[] = {{nullptr, "Current "},
                 {"[0101]\nSNAME=First\n", "First"},
                 {"[0101]\nSNAME=Secnd\n", "Secnd"},  // same size as before
                 {"[0101]\nSNAME=Another one\n[0102]\nSNAME=Other\n", "Another one"},
                 {nullptr, "Current "}};
    for (const auto& step : steps) {
        std::filesystem::remove(m_dataDir / "ShortID.dat");
        if (step.pszTable) WriteTable(step.pszTable);
        EXPECT_EQ(GetShortName("0101", "Current price"), step.pszShortName);
    }
}

}  // namespace
