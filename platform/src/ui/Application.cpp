#include "Application.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "Gdi.h"

namespace afx::detail {

bool EnsurePlatform() {
    static QPointer<QApplication> prepared;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr) return false;
    if (prepared != app) {
        prepared = app;
        // The fonts are set per window, never for the whole application,
        // whose other windows keep theirs.
        InstallFontSubstitutes();
    }
    return true;
}

bool HasDisplay() {
    const QString platform = QGuiApplication::platformName();
    return !platform.isEmpty() && platform != QStringLiteral("offscreen") &&
           platform != QStringLiteral("minimal");
}

void Activate(QWidget* topLevel) {
    if (topLevel == nullptr || topLevel->isActiveWindow()) return;
    topLevel->activateWindow();
    if (!HasDisplay()) QApplication::setActiveWindow(topLevel);
}

}  // namespace afx::detail
