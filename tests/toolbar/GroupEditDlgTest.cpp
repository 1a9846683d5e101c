// The default toolbar picker on its own (what it builds from the default
// file, what each way of ending leaves in the slots) and through the
// toolbar dialog's "Modify Group", which imports the ticked toolbars.
#include "ToolbarDialogFixture.h"
#include "toolbar/GroupEditDlg.h"

namespace {

class Picker : public ToolbarDialog {
protected:
    // Default toolbars named as given ("" leaves the key out), each with the
    // screen entries given for it.
    void WriteDefaults(const std::vector<std::string>& names,
                       const std::vector<std::vector<std::string>>& screens = {}) {
        std::string text = "[LIST]\r\nItemCnt=" + std::to_string(names.size()) + "\r\n";
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!names[i].empty()) text += Key(i + 1) + "=" + names[i] + "\r\n";
        }
        for (std::size_t i = 0; i < screens.size(); ++i) {
            text += "[" + names[i] + "]\r\nItemCnt=" + std::to_string(screens[i].size()) + "\r\n";
            for (std::size_t j = 0; j < screens[i].size(); ++j) {
                text += Key(j + 1) + "=" + screens[i][j] + "\r\n";
            }
        }
        WriteBytes(DefaultFile(), text);
    }

    static std::string Key(std::size_t n) { return (n < 10 ? "0" : "") + std::to_string(n); }

    // Runs the picker anchored at a rectangle over the slots; act works it.
    INT_PTR RunPicker(const std::function<void(CWnd&)>& act) {
        CGroupEditDlg picker;
        picker.SetInfo(kAnchor, m_aSlots, DefaultFile().string().c_str());
        OnDialog onPicker(IDD_GROUP_EDIT, [&](HWND hDlg) { act(*CWnd::FromHandle(hDlg)); });
        // The pop-up frees its controls as it ends, before it is destroyed.
        const afx::ModalEndHook previous = afx::SetModalEndHook(
            [&](HWND hDlg, INT_PTR) { m_bControlsLeft = ::GetWindow(hDlg, GW_CHILD) != nullptr; });
        const INT_PTR nResult = picker.DoModal();
        afx::SetModalEndHook(previous);
        return nResult;
    }

    std::vector<int> Slots() const { return {std::begin(m_aSlots), std::end(m_aSlots)}; }

    static inline const CRect kAnchor{300, 200, 380, 221};
    BOOL m_aSlots[CGroupEditDlg::kSlots] = {1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
    bool m_bControlsLeft = true;
};

// The pop-up's controls from top to bottom, as "id text left,top,right,bottom"
// in its client coordinates.
std::vector<std::string> Controls(CWnd& picker) {
    std::vector<std::pair<int, std::string>> placed;
    for (HWND h = ::GetWindow(picker.GetSafeHwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        CWnd* pControl = CWnd::FromHandle(h);
        CString strText;
        pControl->GetWindowText(strText);
        CRect rc;
        pControl->GetWindowRect(&rc);
        picker.ScreenToClient(&rc);
        char szLine[300];
        std::snprintf(szLine, sizeof szLine, "%d %s %d,%d,%d,%d", pControl->GetDlgCtrlID(),
                      strText.GetString(), static_cast<int>(rc.left), static_cast<int>(rc.top),
                      static_cast<int>(rc.right), static_cast<int>(rc.bottom));
        placed.emplace_back(rc.top, szLine);
    }
    std::sort(placed.begin(), placed.end());
    std::vector<std::string> lines;
    for (const auto& [nTop, line] : placed) lines.push_back(line);
    return lines;
}

// Named entries among the first ten get check boxes in a column without
// gaps, the address bar and empty entries none; "Confirm" closes the column
// and the pop-up, without caption or border, hangs from the anchor's
// bottom-left corner.
TEST_F(Picker, BuildsACheckBoxPerDefaultToolbarUnderTheAnchor) {
    const std::string strKorean = Cp949("관심");
    std::vector<std::string> twelve;
    for (char c = 'A'; c < 'A' + 12; ++c) twelve.emplace_back(1, c);
    std::vector<std::string> tenChecks;
    for (int i = 0; i < 10; ++i) {
        tenChecks.push_back(std::to_string(100 + i) + " " + twelve[i] + " 10," +
                            std::to_string(20 * i) + ",100," + std::to_string(20 * i + 20));
    }
    tenChecks.push_back("200 Confirm 5,200,100,220");
    const struct {
        const char* pszCase;
        std::vector<std::string> names;
        std::vector<std::string> expected;
    } cases[] = {
        {"address bar between two",
         {"A", Cp949("주소바"), "B"},
         {"100 A 10,0,100,20", "102 B 10,20,100,40", "200 Confirm 5,40,100,60"}},
        {"no file", {}, {"200 Confirm 5,0,100,20"}},
        {"empty entry",
         {"", strKorean},
         {"101 " + strKorean + " 10,0,100,20", "200 Confirm 5,20,100,40"}},
        {"twelve", twelve, tenChecks},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        if (c.names.empty()) {
            std::filesystem::remove(DefaultFile());
        } else {
            WriteDefaults(c.names);
        }
        RunPicker([&](CWnd& picker) {
            EXPECT_EQ(Controls(picker), c.expected);
            CRect rc;
            picker.GetWindowRect(&rc);
            const int nHeight = 20 * static_cast<int>(c.expected.size() - 1) + 25;
            EXPECT_EQ(rc, CRect(kAnchor.left, kAnchor.bottom, kAnchor.left + 105,
                                kAnchor.bottom + nHeight));
            EXPECT_EQ(picker.GetStyle() & (WS_CAPTION | WS_BORDER), 0u);
            afx::EndModal(IDCANCEL);
        });
    }
}

// "Modify Group" opens the picker under itself; the ticked toolbars' known
// screens (other nodes passed over) go one after the other below the
// selected row of the selected group; a screen the group holds is reported
// and passed over; a full group or the root ends the import.
TEST_F(Picker, ModifyGroupImportsTheTickedToolbars) {
    // Numbered nodes that are no screens: a folder and a notice board.
    for (const auto& [pszNo, nKind] : {std::pair{"0950", MENU_NODE_FOLDER}, {"0960", BYTE{7}}}) {
        CMenuNode* pNode = m_menu.AddChild();
        pNode->m_strName = pszNo;
        pNode->m_nKind = nKind;
        pNode->m_pScreen = std::make_unique<CScreenRecord>();
        pNode->m_pScreen->m_strScreenNo = pszNo;
        m_index.SetAt(pszNo, pNode);
    }
    WriteDefaults({"T1", Cp949("주소바"), "T3"},
                  {{"0101,Cur,Current price", "9999,X,Unknown", "", "0950,F,Folder", "0102",
                    "0960,N,Notices"},
                   {"0900,Top,Top screen"},
                   {"1001,A,Screen 1001", "0101,Cur,Current price", "1002,B,Screen 1002"}});
    // A count far beyond T1's entries imports the entries there are, at once.
    std::string strDefaults = ReadBytes(DefaultFile());
    strDefaults.replace(strDefaults.find("ItemCnt=6"), 9, "ItemCnt=2147483647");
    WriteBytes(DefaultFile(), strDefaults);
    WriteToolbars({{"G1", 1010, 2}, {"G2", 1001, 29}});
    const Box kDuplicate = VoBox("[Current price] The specified screen already exists.");
    std::vector<CString> full = Numbers(1001, 29);
    full.insert(full.begin() + 1, "0101");
    const struct {
        const char* pszCase;
        const char* pszGroup;  // null: the root
        bool bNoRow;           // the first row's selection taken away
        std::vector<int> ticks;
        bool bConfirm;
        std::vector<CString> screens;  // of the group afterwards
        int nSelected;
        std::vector<Box> boxes;
    } cases[] = {
        {"T1 and T3 below the first row",
         "G1",
         false,
         {100, 102},
         true,
         Texts({"1010", "0101", "0102", "1001", "1002", "1011"}),
         4,
         {kDuplicate}},
        {"T1 without a selected row",
         "G1",
         true,
         {100},
         true,
         Texts({"1010", "0102", "1011", "0101"}),
         1,
         {}},
        {"closed", "G1", false, {100}, false, Texts({"1010", "1011"}), 0, {}},
        {"full group",
         "G2",
         false,
         {102},
         true,
         full,
         1,
         {VoBox("[Screen 1001] The specified screen already exists."), VoBox(kLimit)}},
        {"root", nullptr, false, {100}, true, {}, -1, {VoBox("Specify group to insert.")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        ClearBoxes();
        Run([&] {
            ClickGroup(c.pszGroup);
            if (c.bNoRow) {
                SelectRows({});
            }
            int nShown = 0;
            OnDialog onPicker(IDD_GROUP_EDIT, [&](HWND hPicker) {
                ++nShown;
                CRect rcPicker, rcButton;
                ::GetWindowRect(hPicker, &rcPicker);
                Dlg().GetDlgItem(IDC_MODIFY_GROUP)->GetWindowRect(&rcButton);
                EXPECT_EQ(rcPicker.TopLeft(), CPoint(rcButton.left, rcButton.bottom));
                for (int nID : c.ticks) ClickControl(hPicker, nID);
                if (c.bConfirm) {
                    ClickControl(hPicker, IDC_GROUP_EDIT_CONFIRM);
                } else {
                    afx::ClickCloseBox(hPicker);
                }
            });
            ClickButton(IDC_MODIFY_GROUP);
            EXPECT_EQ(nShown, 1);
            if (c.pszGroup) {
                EXPECT_EQ(GroupScreens(c.pszGroup), c.screens);
            }
            EXPECT_EQ(ListScreens(), c.screens);
            EXPECT_EQ(ListSelection(),
                      c.pszGroup ? std::vector<int>{c.nSelected} : std::vector<int>{});
        });
        EXPECT_EQ(Boxes(), c.boxes);
    }
}

}  // namespace
