#include "Screenshots.h"

#include <afxautomation.h>

#include <QApplication>
#include <QFontDatabase>
#include <QPixmap>
#include <QRawFont>

#include <filesystem>
#include <functional>
#include <iostream>

#include "MainWindow.h"

namespace host {
namespace {

bool Report(bool saved, const std::string& path) {
    if (saved)
        std::cout << "tabulo-host: wrote " << path << "\n";
    else
        std::cerr << "tabulo-host: cannot write " << path << "\n";
    return saved;
}

// Opens a dialog through open, saves its picture once it is shown and
// closes it again with Cancel.
bool ShootDialog(const std::function<void()>& open, const std::string& path) {
    bool saved = false;
    const afx::ModalHook previous = afx::SetModalHook([&](const afx::ModalInfo& info) {
        if (info.hwnd) saved = afx::SaveWindowImage(info.hwnd, path.c_str());
        afx::EndModal(IDCANCEL);
    });
    open();
    afx::SetModalHook(previous);
    return Report(saved, path);
}

}  // namespace

int TakeScreenshots(MainWindow& window, const std::string& dir) {
    // Pictures whose Korean labels come out as empty boxes help nobody.
    if (!QRawFont::fromFont(QApplication::font(), QFontDatabase::Korean)
             .supportsCharacter(QChar(0xAC00))) {
        std::cerr << "tabulo-host: no installed font shows Korean text (install fonts-nanum)\n";
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    window.show();
    QApplication::processEvents();
    const std::string hostPath = dir + "/host.png";
    bool ok = Report(window.grab().save(QString::fromStdString(hostPath)), hostPath);
    ok = ShootDialog([&] { window.OpenToolbarSettings(); }, dir + "/toolbar-settings.png") && ok;
    ok = ShootDialog([&] { window.OpenLinkMenu(); }, dir + "/link-menu.png") && ok;
    return ok ? 0 : 1;
}

}  // namespace host
