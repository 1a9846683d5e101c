#include "Runner.h"

#include <afxautomation.h>
#include <afxcodepage.h>

#include <QEventLoop>
#include <QMetaObject>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Acts.h"
#include "ControlQueries.h"
#include "Dumper.h"
#include "Hooks.h"
#include "Locator.h"
#include "Parser.h"
#include "ScriptError.h"

namespace script {
namespace {

using Verb = Command::Verb;

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

namespace fs = std::filesystem;

// At most `limit` bytes and one more, so that a caller sees the file is longer.
std::optional<std::string> ReadBytes(const fs::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    std::array<char, 1 << 16> chunk;
    while (bytes.size() <= limit && in.read(chunk.data(), chunk.size()).gcount() > 0)
        bytes.append(chunk.data(),
                     std::min(static_cast<std::size_t>(in.gcount()), limit + 1 - bytes.size()));
    return bytes;
}

// A file under HOME named as the module names them, with either separator,
// read only where it really is inside HOME: a link leading out of it is
// refused as a path climbing out is.
std::optional<std::string> ReadHomeFile(const std::string& home, const std::string& name) {
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::error_code error;
    const fs::path file = fs::canonical(fs::path(home) / relative, error);
    if (error) return std::nullopt;
    const fs::path root = fs::canonical(home, error);
    if (error ||
        std::mismatch(root.begin(), root.end(), file.begin(), file.end()).first != root.end())
        Fail("cat: " + name + " leads out of HOME");
    if (!fs::is_regular_file(file)) Fail("cat: " + name + " is not a file");
    return ReadBytes(file, std::numeric_limits<std::size_t>::max() - 1);
}

// The button a person presses for "ok" or "cancel" on a box of each button
// set; a box with OK alone gives IDOK either way, as closing it does.
int BoxAnswer(UINT type, bool ok) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return ok ? IDOK : IDCANCEL;
        case MB_ABORTRETRYIGNORE:
            return ok ? IDABORT : IDIGNORE;
        case MB_YESNOCANCEL:
            return ok ? IDYES : IDCANCEL;
        case MB_YESNO:
            return ok ? IDYES : IDNO;
        case MB_RETRYCANCEL:
            return ok ? IDRETRY : IDCANCEL;
        default:
            return IDOK;
    }
}

bool IsEdit(HWND window) {
    return automation::ClassOf(window) == "Edit" || automation::ClassOf(window) == "EDIT";
}

}  // namespace

Runner::Runner(std::vector<Command> commands, Session session, std::ostream& out, std::ostream& err)
    : m_commands(std::move(commands)), m_session(std::move(session)), m_output(out), m_err(err) {}

Runner::~Runner() = default;

int Runner::Run() {
    automation::AutomationScope hooks({
        [this](HWND dialog, UINT templateId) { OnDialogShown(dialog, templateId); },
        [this](HWND dialog, INT_PTR result) { OnDialogEnded(dialog, result); },
        [this](std::string_view text, std::string_view caption, UINT type) {
            return OnMessageBox(text, caption, type);
        },
    });
    QEventLoop loop;
    m_loop = &loop;
    Schedule();
    loop.exec();
    m_loop = nullptr;
    return m_status;
}

// At most one step waits in the event queue. A command that ended a dialog
// has queued the next step before the dialog's loop returned; the loop
// leaves before it runs that step, so the step runs in the loop below,
// after the dialog's result is printed.
void Runner::Schedule() {
    if (m_scheduled || m_finished) return;
    m_scheduled = true;
    QMetaObject::invokeMethod(
        m_loop, [this] { Step(); }, Qt::QueuedConnection);
}

void Runner::Step() {
    m_scheduled = false;
    if (m_finished) return;
    if (m_next == m_commands.size()) {
        Finish(0);
        return;
    }
    const Command& command = m_commands[m_next++];
    try {
        Execute(command);
    } catch (const std::exception& error) {
        m_err << m_session.name << ":" << command.line << ": " << error.what() << std::endl;
        Finish(1);
        return;
    }
    Schedule();
}

// Ends every dialog still open, innermost first, without the dialogs' own
// Cancel handling (which could ask questions), and leaves the run's loop
// once they have unwound.
void Runner::Finish(int status) {
    m_finished = true;
    m_status = status;
    m_output.Silence();
    for (auto it = m_dialogs.rbegin(); it != m_dialogs.rend(); ++it)
        ::EndDialog(it->hWnd, IDCANCEL);
    m_loop->quit();
}

HWND Runner::TopDialog() const {
    if (m_dialogs.empty()) Fail("no dialog is open");
    return m_dialogs.back().hWnd;
}

void Runner::Execute(const Command& command) {
    switch (command.verb) {
        case Verb::OpenToolbar:
        case Verb::OpenLink:
            if (!m_dialogs.empty()) Fail("open: a dialog is already open");
            m_output.Result(m_session.callTabulo(command.verb == Verb::OpenToolbar ? 2 : 4));
            break;
        case Verb::Click:
            automation::Click(TopDialog(), command.spot);
            break;
        case Verb::DblClick:
            automation::DoubleClick(TopDialog(), command.spot);
            break;
        case Verb::Focus:
            ::SetFocus(automation::Enabled(TopDialog(), command.spot.control));
            break;
        case Verb::PressKey:
            TopDialog();
            afx::PressKey(command.key.vk, command.key.modifiers);
            break;
        case Verb::Wheel:
            Wheel(command);
            break;
        case Verb::Type: {
            TopDialog();
            HWND focus = ::GetFocus();
            if (!focus || !IsEdit(focus)) Fail("type: the focus is not in an edit");
            automation::TypeOver(focus, afx::Utf8ToCp949(command.text).c_str());
            break;
        }
        case Verb::Answer:
            m_answerOk = command.ok;
            break;
        case Verb::Drag:
            automation::Drag(TopDialog(), command.spot, command.via, command.to, command.cancel);
            break;
        case Verb::Dump: {
            HWND dialog = TopDialog();
            if (command.dialog) {
                Dumper(m_output).Dialog(dialog, m_dialogs.back().templateId);
            } else if (command.top) {
                Dumper(m_output).Top(automation::Control(dialog, command.spot.control));
            } else {
                Dumper(m_output).Control(automation::Control(dialog, command.spot.control));
            }
            break;
        }
        case Verb::Cat:
            m_output.File(command.text, ReadHomeFile(m_session.home, command.text));
            break;
        case Verb::Note:
            m_output.Text(command.text);
            break;
    }
}

// The pointer rests where the item or row shows (a person turns the wheel
// over what they see, so nothing is brought into view first) while the
// wheel turns notch by notch, each one an event of its own.
void Runner::Wheel(const Command& command) {
    HWND dialog = TopDialog();
    automation::Enabled(dialog, command.spot.control);
    const automation::Press press = automation::PointOf(dialog, command.spot);
    const int notch = command.notches > 0 ? 1 : -1;
    for (int turned = 0; turned != command.notches; turned += notch)
        afx::Wheel(press.window, press.point, notch);
}

void Runner::OnDialogShown(HWND dialog, UINT templateId) {
    m_dialogs.push_back({dialog, templateId, m_dialogs.empty()});
    Schedule();
}

void Runner::OnDialogEnded(HWND dialog, INT_PTR result) {
    for (auto it = m_dialogs.rbegin(); it != m_dialogs.rend(); ++it) {
        if (it->hWnd != dialog) continue;
        if (!it->opened) m_output.Closed(it->templateId, result);
        m_dialogs.erase(std::next(it).base());
        return;
    }
}

int Runner::OnMessageBox(std::string_view text, std::string_view caption, UINT type) {
    const int answer = BoxAnswer(type, m_answerOk);
    m_answerOk = true;
    m_output.Box(afx::Cp949ToUtf8(caption), afx::Cp949ToUtf8(text),
                 answer == BoxAnswer(type, true));
    return answer;
}

int RunScriptFile(Session session, const std::function<void(Runner&)>& prepare, std::ostream& out,
                  std::ostream& err) {
    const std::optional<std::string> text = ReadBytes(session.name, kMaxScriptBytes);
    if (!text) {
        err << session.name << ": cannot read the script" << std::endl;
        return 1;
    }
    if (text->size() > kMaxScriptBytes) {
        err << session.name << ": the script is longer than " << kMaxScriptBytes << " bytes"
            << std::endl;
        return 1;
    }
    const std::string file = session.name;
    try {
        Runner runner(ParseScript(*text), std::move(session), out, err);
        if (prepare) prepare(runner);
        return runner.Run();
    } catch (const ScriptError& error) {
        err << file << ":" << error.Line() << ": " << error.what() << std::endl;
        return 1;
    }
}

}  // namespace script
