// tabulo-host: plays the terminal for libTabulo.so (see README).

#include <afxcodepage.h>
#include <afxwin.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "HomeDir.h"
#include "HostOptions.h"
#include "MainWindow.h"
#include "MenuFile.h"
#include "Runner.h"
#include "SampleData.h"
#include "Screenshots.h"
#include "TerminalSession.h"

namespace fs = std::filesystem;

namespace {

std::string ProgramDir() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path().string() : self.parent_path().string();
}

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value) return true;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && *platform && std::string(platform) != "offscreen";
}

// A scripted session's standard error carries its own errors; Qt's notes
// about the machine (no runtime directory, fonts) are no part of it.
QtMessageHandler g_qtMessages = nullptr;

void KeepQtFailuresOnly(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_qtMessages)
        g_qtMessages(type, context, text);
}

// Plays the script on the module's dialogs; the pop-up library's hand-overs
// print among the script's lines, in the order they happen.
int RunScript(host::TerminalSession& session, const host::HostOptions& options) {
    script::Session run{
        options.script,
        [&session](int nMode) { return static_cast<long long>(session.CallTabulo(nMode)); },
        options.home};
    const int status = script::RunScriptFile(
        std::move(run),
        [&](script::Runner& runner) {
            session.SetHandOverListener([&runner, &options](const host::HandOver& handOver) {
                runner.Print("flyout " + std::to_string(handOver.mode) + " " +
                             afx::Cp949ToUtf8(handOver.code) + " " +
                             host::HomeRelativePath(handOver.path, options.home));
            });
        },
        std::cout, std::cerr);
    session.SetHandOverListener(nullptr);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string programDir = ProgramDir();
    host::HostOptions options;
    try {
        options = host::ParseCommandLine({argv + 1, argv + argc}, programDir);
    } catch (const host::UsageError& error) {
        std::cerr << "tabulo-host: " << error.what() << "\n\n" << host::UsageText();
        return 2;
    }
    if (options.help) {
        std::cout << host::UsageText();
        return 0;
    }
    if (options.script.empty() && options.screenshots.empty() && !HasDisplay()) {
        options.screenshots = (fs::current_path() / "tabulo-host-screenshots").string();
        std::cout << "tabulo-host: no display; writing screenshots to " << options.screenshots
                  << "\n";
    }
    if (!options.script.empty() || !options.screenshots.empty())
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!options.script.empty()) g_qtMessages = qInstallMessageHandler(KeepQtFailuresOnly);

    try {
        options.home = fs::absolute(options.home).lexically_normal().string();
        if (options.home.size() > 1 && options.home.back() == '/') options.home.pop_back();
        const host::HomeDir home(options.home);
        home.Prepare(afx::Utf8ToCp949(options.user));
        CMenuNode menu = options.menuFile.empty() ? host::ParseMenuFile(host::SampleMenu())
                                                  : host::LoadMenuFile(options.menuFile);

        QApplication app(argc, argv);
        // The terminal is the application: its title captions the
        // framework's own message boxes, the module's among them.
        AfxSetAppName("Halvane VORK");
        host::TerminalSession session(options, home, std::move(menu), programDir);
        if (!options.script.empty()) return RunScript(session, options);
        host::MainWindow window(session);
        if (!options.screenshots.empty()) return host::TakeScreenshots(window, options.screenshots);
        window.show();
        return app.exec();
    } catch (const std::exception& error) {
        std::cerr << "tabulo-host: " << error.what() << "\n";
        return 1;
    }
}
