// Helpers of the window layer's tests: hooks installed for one scope, and
// pictures of windows.
#pragma once

#include <QImage>
#include <QTemporaryDir>

#include <utility>

#include "afxautomation.h"
#include "afxwin.h"

class ScopedModalHook {
public:
    explicit ScopedModalHook(afx::ModalHook hook)
        : m_previous(afx::SetModalHook(std::move(hook))) {}
    ~ScopedModalHook() { afx::SetModalHook(std::move(m_previous)); }
    ScopedModalHook(const ScopedModalHook&) = delete;
    ScopedModalHook& operator=(const ScopedModalHook&) = delete;

private:
    afx::ModalHook m_previous;
};

class ScopedMessageBoxHandler {
public:
    explicit ScopedMessageBoxHandler(afx::MessageBoxHandler handler)
        : m_previous(afx::SetMessageBoxHandler(std::move(handler))) {}
    ~ScopedMessageBoxHandler() { afx::SetMessageBoxHandler(std::move(m_previous)); }
    ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
    ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;

private:
    afx::MessageBoxHandler m_previous;
};

// The middle of a control, in its own client coordinates.
inline POINT Middle(HWND hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return POINT{rc.right / 2, rc.bottom / 2};
}

// A window as it is drawn, through the platform's PNG rendering.
inline QImage Render(HWND hwnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("window.png"));
    if (!afx::SaveWindowImage(hwnd, path.toLocal8Bit().constData())) return QImage();
    return QImage(path);
}

// The part of a dialog's picture that a control covers.
inline QImage ControlPart(const QImage& dialog, HWND hDlg, HWND control) {
    RECT rc{};
    GetWindowRect(control, &rc);
    POINT origin{rc.left, rc.top};
    ScreenToClient(hDlg, &origin);
    return dialog.copy(origin.x, origin.y, rc.right - rc.left, rc.bottom - rc.top);
}

inline int CountPixels(const QImage& image, bool (*match)(QColor)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += match(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}
