#include "Gdi.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPen>
#include <QRawFont>

#include <array>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "DialogManager.h"
#include "Text.h"
#include "Window.h"
#include "afxwin.h"

namespace afx::detail {
namespace {

// The dialogs' templates ask for Tahoma and are laid out in its metrics, so
// their texts are drawn in a face with the same metrics (Debian's fonts-wine
// ships one); Korean, which it lacks, falls back to a Korean face installed on
// every machine the system runs on. Without the Tahoma file everything is
// drawn in the Korean face.
constexpr const char* kLatinFace = "Tahoma";
constexpr const char* kKoreanFace = "NanumGothic";
constexpr std::array<const char*, 2> kTahomaFiles{"/usr/share/wine/fonts/tahoma.ttf",
                                                  "/usr/share/wine/fonts/tahomabd.ttf"};

// The faces a font is drawn with: its own, then the Korean face for the
// characters it lacks.
QStringList FacesFor(const QString& face) {
    QStringList faces{face};
    if (face.compare(QLatin1String(kKoreanFace), Qt::CaseInsensitive) != 0) {
        faces.append(QString::fromLatin1(kKoreanFace));
    }
    return faces;
}

struct Tables {
    std::unordered_map<const void*, std::unique_ptr<GdiObject>> objects;
    std::unordered_set<const DeviceContext*> contexts;
    std::vector<std::unique_ptr<DeviceContext>> windowContexts;  // from GetDC
};

Tables& Gdi() {
    static Tables tables;
    return tables;
}

std::unique_ptr<GdiObject> MakeObject(GdiKind kind, COLORREF color) {
    auto object = std::make_unique<GdiObject>();
    object->kind = kind;
    object->color = color;
    return object;
}

HGDIOBJ MakeStock(GdiKind kind, COLORREF color, bool hollow) {
    auto object = MakeObject(kind, color);
    object->hollow = hollow;
    object->stock = true;
    return AddGdiObject(std::move(object));
}

QString Text(LPCSTR text, int count) {
    if (text == nullptr) return {};
    return ToQt(count < 0 ? std::string_view(text)
                          : std::string_view(text, static_cast<std::size_t>(count)));
}

QRect ToQRect(const RECT& rc) {
    return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
}

QFont ContextFont(const DeviceContext& dc) {
    return dc.font != nullptr ? FontOf(dc.font) : SystemFont();
}

// The pen a context draws lines with: the selected pen, black by default.
QPen ContextPen(const DeviceContext& dc) {
    const GdiObject* pen = FindGdiObject(dc.pen);
    if (pen == nullptr) return QPen(Qt::black);
    if (pen->hollow || pen->penStyle == PS_NULL) return QPen(Qt::NoPen);
    QPen qpen(ToQColor(pen->color));
    qpen.setWidth(pen->penWidth);
    qpen.setStyle(pen->penStyle == PS_DASH  ? Qt::DashLine
                  : pen->penStyle == PS_DOT ? Qt::DotLine
                                            : Qt::SolidLine);
    return qpen;
}

}  // namespace

void GdiDeleter::operator()(void* object) const {
    ::DeleteObject(object);
}

GdiObject* FindGdiObject(HGDIOBJ handle) {
    auto& objects = Gdi().objects;
    auto it = objects.find(handle);
    return it == objects.end() ? nullptr : it->second.get();
}

HGDIOBJ AddGdiObject(std::unique_ptr<GdiObject> object) {
    HGDIOBJ handle = object.get();
    Gdi().objects.emplace(handle, std::move(object));
    return handle;
}

HBITMAP CreateBitmap(QImage image) {
    auto object = MakeObject(GdiKind::Bitmap, 0);
    object->image = std::move(image);
    return static_cast<HBITMAP>(AddGdiObject(std::move(object)));
}

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF FromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

QFont FontOf(HFONT font) {
    const GdiObject* object = FindGdiObject(font);
    return object != nullptr && object->kind == GdiKind::Font ? object->font : SystemFont();
}

void InstallFontSubstitutes() {
    bool tahoma = QFontDatabase::hasFamily(QString::fromLatin1(kLatinFace));
    for (const char* file : kTahomaFiles) {
        if (!tahoma && QFile::exists(QString::fromLatin1(file))) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
    }
    tahoma = QFontDatabase::hasFamily(QString::fromLatin1(kLatinFace));
    // The system's dialog faces are Tahoma since Windows 2000; its Korean
    // faces are the Korean face here.
    const QString dialogFace = QString::fromLatin1(tahoma ? kLatinFace : kKoreanFace);
    for (const char* face : {"MS Shell Dlg", "MS Shell Dlg 2", "MS Sans Serif"}) {
        QFont::insertSubstitution(QString::fromLatin1(face), dialogFace);
    }
    if (!tahoma) QFont::insertSubstitution(QString::fromLatin1(kLatinFace), dialogFace);
    for (const QString& face :
         {QStringLiteral("Gulim"), QStringLiteral("GulimChe"), QStringLiteral("Dotum"),
          QStringLiteral("DotumChe"), QStringLiteral("굴림"), QStringLiteral("돋움")}) {
        QFont::insertSubstitution(face, QString::fromLatin1(kKoreanFace));
    }
}

QFont MakeFont(const QString& face, int pixelSize) {
    QFont font;
    font.setFamilies(FacesFor(face));
    font.setPixelSize(pixelSize);
    return font;
}

// GDI measures a line by the face's Windows ascent and descent; Qt may use
// the typographic ones (Tahoma asks for them), which are shorter.
LineMetrics MeasureLine(const QFont& font) {
    const QFontMetrics metrics(font);
    LineMetrics line{metrics.ascent(), metrics.descent()};
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    const int em = raw.isValid() ? static_cast<int>(raw.unitsPerEm()) : 0;
    if (os2.size() < 78 || em <= 0) return line;
    auto word = [&os2](int at) {
        return static_cast<int>((static_cast<unsigned char>(os2[at]) << 8) |
                                static_cast<unsigned char>(os2[at + 1]));
    };
    const int size = font.pixelSize() > 0 ? font.pixelSize() : metrics.height();
    line.ascent = MulDivRound(word(74), size, em);
    line.descent = MulDivRound(word(76), size, em);
    return line;
}

QFont SystemFont() {
    return MakeFont(QString::fromLatin1(kLatinFace), 12);  // 9 points at 96 dots per inch
}

bool BrushColor(HBRUSH brush, QColor* color) {
    // A system colour index plus one stands for that colour's brush, as in a window class.
    const auto index = reinterpret_cast<std::uintptr_t>(brush);
    if (index > 0 && index <= COLOR_3DDKSHADOW + 1) {
        *color = ToQColor(GetSysColor(static_cast<int>(index - 1)));
        return true;
    }
    const GdiObject* object = FindGdiObject(brush);
    if (object == nullptr || object->kind != GdiKind::Brush || object->hollow) return false;
    *color = ToQColor(object->color);
    return true;
}

DeviceContext::DeviceContext(QPainter* painter) : painter(painter) {
    Gdi().contexts.insert(this);
}

DeviceContext::~DeviceContext() {
    if (temporary) temporary->m_hDC = nullptr;
    Gdi().contexts.erase(this);
}

DeviceContext* DeviceContext::FromHandle(HDC hdc) {
    auto* dc = reinterpret_cast<DeviceContext*>(hdc);
    return Gdi().contexts.count(dc) != 0 ? dc : nullptr;
}

}  // namespace afx::detail

using afx::detail::DeviceContext;
using afx::detail::GdiKind;
using afx::detail::GdiObject;

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(
        afx::detail::AddGdiObject(afx::detail::MakeObject(GdiKind::Brush, color)));
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
    auto object = afx::detail::MakeObject(GdiKind::Pen, color);
    object->penStyle = iStyle;
    object->penWidth = cWidth < 1 ? 1 : cWidth;
    return static_cast<HPEN>(afx::detail::AddGdiObject(std::move(object)));
}

HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
    if (lplf == nullptr) return nullptr;
    auto object = afx::detail::MakeObject(GdiKind::Font, 0);
    object->logFont = *lplf;
    object->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    QFont font = afx::detail::MakeFont(
        afx::detail::ToQt(object->logFont.lfFaceName),
        lplf->lfHeight == 0 ? 12 : std::abs(static_cast<int>(lplf->lfHeight)));
    font.setBold(lplf->lfWeight >= 600);
    font.setItalic(lplf->lfItalic != 0);
    font.setUnderline(lplf->lfUnderline != 0);
    font.setStrikeOut(lplf->lfStrikeOut != 0);
    object->font = font;
    return static_cast<HFONT>(afx::detail::AddGdiObject(std::move(object)));
}

HGDIOBJ GetStockObject(int i) {
    using afx::detail::MakeStock;
    static const std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> stock = [] {
        std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> objects{};
        objects[WHITE_BRUSH] = MakeStock(GdiKind::Brush, RGB(255, 255, 255), false);
        objects[LTGRAY_BRUSH] = MakeStock(GdiKind::Brush, RGB(192, 192, 192), false);
        objects[GRAY_BRUSH] = MakeStock(GdiKind::Brush, RGB(128, 128, 128), false);
        objects[DKGRAY_BRUSH] = MakeStock(GdiKind::Brush, RGB(64, 64, 64), false);
        objects[BLACK_BRUSH] = MakeStock(GdiKind::Brush, RGB(0, 0, 0), false);
        objects[NULL_BRUSH] = MakeStock(GdiKind::Brush, 0, true);
        objects[WHITE_PEN] = MakeStock(GdiKind::Pen, RGB(255, 255, 255), false);
        objects[BLACK_PEN] = MakeStock(GdiKind::Pen, RGB(0, 0, 0), false);
        objects[NULL_PEN] = MakeStock(GdiKind::Pen, 0, true);
        LOGFONTA lf{};
        lf.lfHeight = -11;
        lf.lfWeight = FW_NORMAL;
        std::strcpy(lf.lfFaceName, "MS Shell Dlg");
        objects[DEFAULT_GUI_FONT] = CreateFontIndirectA(&lf);
        afx::detail::FindGdiObject(objects[DEFAULT_GUI_FONT])->stock = true;
        return objects;
    }();
    return i >= 0 && i < static_cast<int>(stock.size()) ? stock[static_cast<std::size_t>(i)]
                                                        : nullptr;
}

BOOL DeleteObject(HGDIOBJ ho) {
    GdiObject* object = afx::detail::FindGdiObject(ho);
    if (object == nullptr) return FALSE;
    if (!object->stock) {
        if (object->temporary) object->temporary->m_hObject = nullptr;
        afx::detail::Gdi().objects.erase(ho);
    }
    return TRUE;
}

int GetObjectA(HANDLE h, int c, LPVOID pv) {
    const GdiObject* object = afx::detail::FindGdiObject(h);
    if (object == nullptr || pv == nullptr) return 0;
    if (object->kind == GdiKind::Font && c >= static_cast<int>(sizeof(LOGFONTA))) {
        *static_cast<LOGFONTA*>(pv) = object->logFont;
        return sizeof(LOGFONTA);
    }
    if (object->kind == GdiKind::Bitmap && c >= static_cast<int>(sizeof(BITMAP))) {
        const QImage& image = object->image;
        *static_cast<BITMAP*>(pv) = BITMAP{0,
                                           image.width(),
                                           image.height(),
                                           static_cast<LONG>(image.bytesPerLine()),
                                           1,
                                           static_cast<WORD>(image.depth()),
                                           nullptr};
        return sizeof(BITMAP);
    }
    return 0;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    const GdiObject* object = afx::detail::FindGdiObject(h);
    if (dc == nullptr || object == nullptr) return nullptr;
    HGDIOBJ previous = nullptr;
    switch (object->kind) {
        case GdiKind::Brush:
            previous = std::exchange(dc->brush, static_cast<HBRUSH>(h));
            break;
        case GdiKind::Pen:
            previous = std::exchange(dc->pen, static_cast<HPEN>(h));
            break;
        case GdiKind::Font:
            previous = std::exchange(dc->font, static_cast<HFONT>(h));
            if (dc->painter != nullptr) dc->painter->setFont(object->font);
            break;
        case GdiKind::Bitmap:
            return nullptr;
    }
    return previous;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr) return CLR_INVALID;
    dc->textColorChosen = true;
    return std::exchange(dc->textColor, color);
}

COLORREF GetTextColor(HDC hdc) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc == nullptr ? CLR_INVALID : dc->textColor;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc == nullptr ? CLR_INVALID : std::exchange(dc->bkColor, color);
}

COLORREF GetBkColor(HDC hdc) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc == nullptr ? CLR_INVALID : dc->bkColor;
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(dc->bkMode, mode);
}

int GetBkMode(HDC hdc) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    return dc == nullptr ? 0 : dc->bkMode;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr || dc->painter == nullptr) return FALSE;
    const QString text = afx::detail::Text(lpString, c);
    const QFont font = afx::detail::ContextFont(*dc);
    const QFontMetrics metrics(font);
    QPainter& painter = *dc->painter;
    if (dc->bkMode == OPAQUE) {
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                         afx::detail::ToQColor(dc->bkColor));
    }
    painter.setFont(font);
    painter.setPen(afx::detail::ToQColor(dc->textColor));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr || psizl == nullptr) return FALSE;
    const QFontMetrics metrics(afx::detail::ContextFont(*dc));
    *psizl = SIZE{metrics.horizontalAdvance(afx::detail::Text(lpString, c)), metrics.height()};
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr || lptm == nullptr) return FALSE;
    const QFont font = afx::detail::ContextFont(*dc);
    const QFontMetrics m(font);
    const afx::detail::LineMetrics line = afx::detail::MeasureLine(font);
    *lptm = TEXTMETRICA{line.Height(), line.ascent,          line.descent, 0,
                        m.leading(),   m.averageCharWidth(), m.maxWidth()};
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr || dc->painter == nullptr) return FALSE;
    QPainter& painter = *dc->painter;
    const QRect rect(left, top, right - left, bottom - top);
    QColor fill;
    if (!dc->brush) {
        painter.fillRect(rect, Qt::white);  // the default brush of a context is white
    } else if (afx::detail::BrushColor(dc->brush, &fill)) {
        painter.fillRect(rect, fill);
    }
    painter.setPen(afx::detail::ContextPen(*dc));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr) return FALSE;
    if (lppt != nullptr) *lppt = POINT{dc->position.x(), dc->position.y()};
    dc->position = QPoint(x, y);
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr || dc->painter == nullptr) return FALSE;
    dc->painter->setPen(afx::detail::ContextPen(*dc));
    dc->painter->drawLine(dc->position, QPoint(x, y));
    dc->position = QPoint(x, y);
    return TRUE;
}

DWORD GetSysColor(int nIndex) {
    switch (nIndex) {
        case COLOR_WINDOW:
        case COLOR_HIGHLIGHTTEXT:
        case COLOR_BTNHIGHLIGHT:
            return RGB(255, 255, 255);
        case COLOR_HIGHLIGHT:
            return RGB(0, 120, 215);
        case COLOR_BTNFACE:
            return RGB(240, 240, 240);
        case COLOR_BTNSHADOW:
            return RGB(160, 160, 160);
        case COLOR_GRAYTEXT:
            return RGB(109, 109, 109);
        case COLOR_3DDKSHADOW:
            return RGB(105, 105, 105);
        default:
            return RGB(0, 0, 0);
    }
}

HBRUSH GetSysColorBrush(int nIndex) {
    static std::unordered_map<int, HGDIOBJ> brushes;
    auto it = brushes.find(nIndex);
    if (it == brushes.end()) {
        it =
            brushes
                .emplace(nIndex, afx::detail::MakeStock(GdiKind::Brush, GetSysColor(nIndex), false))
                .first;
    }
    return static_cast<HBRUSH>(it->second);
}

HDC GetDC(HWND hWnd) {
    auto dc = std::make_unique<DeviceContext>(nullptr);
    if (const afx::detail::Window* window = afx::detail::Window::FromHandle(hWnd))
        dc->font = window->font;
    HDC hdc = dc->Handle();
    afx::detail::Gdi().windowContexts.push_back(std::move(dc));
    return hdc;
}

int ReleaseDC(HWND, HDC hDC) {
    auto& contexts = afx::detail::Gdi().windowContexts;
    for (auto it = contexts.begin(); it != contexts.end(); ++it) {
        if ((*it)->Handle() == hDC) {
            contexts.erase(it);
            return 1;
        }
    }
    return 0;
}

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = DeviceContext::FromHandle(hDC);
    QColor color;
    if (dc == nullptr || dc->painter == nullptr || lprc == nullptr) return 0;
    if (afx::detail::BrushColor(hbr, &color))
        dc->painter->fillRect(afx::detail::ToQRect(*lprc), color);
    return 1;
}

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = DeviceContext::FromHandle(hDC);
    QColor color;
    if (dc == nullptr || dc->painter == nullptr || lprc == nullptr) return 0;
    if (afx::detail::BrushColor(hbr, &color)) {
        dc->painter->setPen(color);
        dc->painter->setBrush(Qt::NoBrush);
        dc->painter->drawRect(afx::detail::ToQRect(*lprc).adjusted(0, 0, -1, -1));
    }
    return 1;
}

BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    DeviceContext* dc = DeviceContext::FromHandle(hDC);
    if (dc == nullptr || dc->painter == nullptr || lprc == nullptr) return FALSE;
    dc->painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    dc->painter->setBrush(Qt::NoBrush);
    dc->painter->drawRect(afx::detail::ToQRect(*lprc).adjusted(0, 0, -1, -1));
    return TRUE;
}

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    DeviceContext* dc = DeviceContext::FromHandle(hdc);
    if (dc == nullptr || lprc == nullptr) return 0;
    const QString text = afx::detail::Text(lpchText, cchText);
    const QFont font = afx::detail::ContextFont(*dc);
    int flags = (format & DT_CENTER) != 0  ? Qt::AlignHCenter
                : (format & DT_RIGHT) != 0 ? Qt::AlignRight
                                           : Qt::AlignLeft;
    if ((format & DT_SINGLELINE) != 0) {
        flags |= Qt::TextSingleLine;
        flags |= (format & DT_VCENTER) != 0  ? Qt::AlignVCenter
                 : (format & DT_BOTTOM) != 0 ? Qt::AlignBottom
                                             : Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if ((format & DT_WORDBREAK) != 0) flags |= Qt::TextWordWrap;
    }
    flags |= (format & DT_NOPREFIX) != 0 ? 0 : Qt::TextShowMnemonic;
    const QRect rect = afx::detail::ToQRect(*lprc);
    const QRect bounds = QFontMetrics(font).boundingRect(rect, flags, text);
    if ((format & DT_CALCRECT) != 0) {
        lprc->right = lprc->left + bounds.width();
        lprc->bottom = lprc->top + bounds.height();
        return bounds.height();
    }
    if (dc->painter == nullptr) return 0;
    QPainter& painter = *dc->painter;
    if (dc->bkMode == OPAQUE) painter.fillRect(bounds & rect, afx::detail::ToQColor(dc->bkColor));
    painter.setFont(font);
    painter.setPen(afx::detail::ToQColor(dc->textColor));
    painter.drawText(rect, flags, text);
    return bounds.height();
}
