#include "TerminalFixture.h"

#include <afxwin.h>

#include <unistd.h>

#include "MenuFile.h"
#include "SampleData.h"

namespace fs = std::filesystem;

TerminalFixture::TerminalFixture() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps test runs of other builds on the machine apart.
    const std::string name = std::string("tabulo-terminal-") + test->test_suite_name() + "-" +
                             test->name() + "-" + std::to_string(::getpid());
    m_home = fs::temp_directory_path() / name;
    fs::remove_all(m_home);
    m_options.home = m_home.string();
    m_options.mainDir = ProgramDir();
}

TerminalFixture::~TerminalFixture() {
    m_pSession.reset();
    fs::remove_all(m_home);
}

host::TerminalSession& TerminalFixture::Session() {
    return Session(host::ParseMenuFile(host::SampleMenu()));
}

host::TerminalSession& TerminalFixture::Session(CMenuNode menu) {
    m_pSession.reset();
    const host::HomeDir home(m_options.home);
    home.Prepare(m_options.user);
    m_pSession =
        std::make_unique<host::TerminalSession>(m_options, home, std::move(menu), ProgramDir());
    m_pSession->SetHandOverListener(
        [this](const host::HandOver& handOver) { m_handOvers.push_back(handOver); });
    return *m_pSession;
}

int TerminalFixture::Call(int nMode, const std::function<void(HWND)>& act) {
    host::TerminalSession& session = m_pSession ? *m_pSession : Session();
    const afx::ModalHook previous = afx::SetModalHook([&](const afx::ModalInfo& info) {
        if (info.hwnd) act(info.hwnd);
    });
    const int nResult = session.CallTabulo(nMode);
    afx::SetModalHook(previous);
    return nResult;
}

std::string TerminalFixture::ProgramDir() {
    return fs::read_symlink("/proc/self/exe").parent_path().string();
}

void TerminalFixture::ClickControl(HWND hDialog, int nID) {
    HWND hControl = ::GetDlgItem(hDialog, nID);
    ASSERT_NE(hControl, nullptr) << "no control " << nID;
    RECT rect;
    ::GetClientRect(hControl, &rect);
    afx::Click(hControl, {rect.right / 2, rect.bottom / 2});
}

CString TerminalFixture::ControlText(HWND hDialog, int nID) {
    char text[256] = {};
    ::GetWindowTextA(::GetDlgItem(hDialog, nID), text, sizeof text);
    return text;
}
