// A terminal for the tests: a home directory in a temporary folder, the
// sample menu, and the module loaded from beside the test program, with the
// dialogs it opens driven through the framework's automation hooks.
#pragma once

#include <afxautomation.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "HomeDir.h"
#include "HostOptions.h"
#include "TerminalSession.h"

class TerminalFixture : public ::testing::Test {
protected:
    TerminalFixture();
    ~TerminalFixture() override;

    // A session on the current options (made anew by each call), with the
    // sample menu or the given one.
    host::TerminalSession& Session();
    host::TerminalSession& Session(CMenuNode menu);

    // Calls CallTabulo(mode); act runs on each dialog once it is shown.
    int Call(int nMode, const std::function<void(HWND)>& act);

public:
    // Where the test program, the module and the pop-up library lie.
    static std::string ProgramDir();

protected:
    static void ClickControl(HWND hDialog, int nID);
    static CString ControlText(HWND hDialog, int nID);

    afx::AutomationSession m_automation;
    std::filesystem::path m_home;
    host::HostOptions m_options;
    std::vector<host::HandOver> m_handOvers;

private:
    std::unique_ptr<host::TerminalSession> m_pSession;
};
