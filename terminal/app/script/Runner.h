// Plays a script on the module's dialogs. The runner lives in the
// application's event loop: each command runs from the loop that is current
// when its turn comes, so a command that opens a modal dialog returns to
// that dialog's own loop once it is shown, and the next command acts on it.
// A command that ends a dialog lets its loop finish before anything else
// runs.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "Command.h"
#include "Output.h"

class QEventLoop;

namespace script {

// What the host program gives a run.
struct Session {
    std::string name;  // the script's file, for messages
    // Calls the module's CallTabulo in the given mode with the inputs of the
    // command line and returns its result.
    std::function<long long(int)> callTabulo;
    std::string home;  // the terminal's home directory: `cat` reads under it
};

class Runner {
public:
    Runner(std::vector<Command> commands, Session session, std::ostream& out, std::ostream& err);
    ~Runner();
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Runs every command in turn; 0 when the script ran to its end, 1 when a
    // command failed. Dialogs still open at the end are closed unseen.
    int Run();

    // A line of the host's own, such as a hand-over to the pop-up library,
    // in its place among the script's lines (and, like them, nothing once
    // the script has ended).
    void Print(std::string_view line) { m_output.Text(line); }

private:
    struct ShownDialog {
        HWND hWnd;
        UINT templateId;
        bool opened;  // started by `open`: its end is the `result` line
    };

    void Schedule();
    void Step();
    void Execute(const Command& command);
    void Wheel(const Command& command);
    void Finish(int status);
    HWND TopDialog() const;

    void OnDialogShown(HWND dialog, UINT templateId);
    void OnDialogEnded(HWND dialog, INT_PTR result);
    int OnMessageBox(std::string_view text, std::string_view caption, UINT type);

    std::vector<Command> m_commands;
    std::size_t m_next = 0;
    Session m_session;
    Output m_output;
    std::ostream& m_err;
    std::vector<ShownDialog> m_dialogs;
    bool m_answerOk = true;
    bool m_scheduled = false;
    bool m_finished = false;
    int m_status = 0;
    QEventLoop* m_loop = nullptr;
};

// Reads the session's script file, runs it, and returns the process's exit
// status; a script that does not parse runs nothing and fails with its line
// named on `err`. `prepare` sees the runner before it starts (to route the
// pop-up library's hand-overs to Print).
int RunScriptFile(Session session, const std::function<void(Runner&)>& prepare, std::ostream& out,
                  std::ostream& err);

}  // namespace script
