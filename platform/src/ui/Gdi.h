// GDI objects and device contexts behind the handles of wingdi.h. A brush,
// pen, font or bitmap lives in a table until DeleteObject; a device context
// records the colours and objects selected into it and, while a widget
// paints, draws with that widget's QPainter.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <memory>

#include "windows.h"

class CDC;
class CGdiObject;

namespace afx::detail {

enum class GdiKind { Brush, Pen, Font, Bitmap };

struct GdiObject {
    GdiKind kind;
    COLORREF color = 0;
    bool hollow = false;  // the null brush and pen: nothing is drawn
    int penStyle = PS_SOLID;
    int penWidth = 1;
    LOGFONTA logFont{};
    QFont font;
    QImage image;
    bool stock = false;
    std::unique_ptr<CGdiObject> temporary;  // the framework's wrapper from FromHandle
};

GdiObject* FindGdiObject(HGDIOBJ handle);
HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object);
HBITMAP CreateBitmap(QImage image);

QColor ToQColor(COLORREF color);
COLORREF FromQColor(const QColor& color);

// The Qt font of a font handle; the system font for null or a stale handle.
QFont FontOf(HFONT font);
// Makes the system's dialog and Korean faces available and maps the other
// faces of the system's dialogs onto them.
void InstallFontSubstitutes();
// A font of the face at the pixel size, whose Korean characters are drawn in
// the Korean face when the face has none.
QFont MakeFont(const QString& face, int pixelSize);
// A line of text as GDI measures it (TEXTMETRIC's ascent and descent).
struct LineMetrics {
    int ascent = 0;
    int descent = 0;
    int Height() const { return ascent + descent; }
};
LineMetrics MeasureLine(const QFont& font);
// The font of windows and controls that set none: the dialog face at 9 points.
QFont SystemFont();

class DeviceContext {
public:
    // Paints through painter; with no painter, the context only measures text.
    explicit DeviceContext(QPainter* painter);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    static DeviceContext* FromHandle(HDC hdc);
    HDC Handle() const { return reinterpret_cast<HDC>(const_cast<DeviceContext*>(this)); }

    QPainter* painter;
    COLORREF textColor = RGB(0, 0, 0);
    bool textColorChosen = false;  // SetTextColor was called on it
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    HFONT font = nullptr;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    QPoint position;
    std::unique_ptr<CDC> temporary;  // the framework's wrapper from CDC::FromHandle
};

// The framework's temporary wrapper of a handle (CBrush, CPen, CFont or
// CBitmap, by the object's kind); it lives as long as the object.
CGdiObject* TemporaryGdiObject(HGDIOBJ handle);

// The colour of a brush, or nothing for the null brush, a null or a stale handle.
bool BrushColor(HBRUSH brush, QColor* color);

}  // namespace afx::detail
