// An image list: equally sized images kept with their transparency, behind
// an HIMAGELIST handle.
#pragma once

#include <commctrl.h>

#include <QImage>
#include <QPoint>

#include <vector>

class QPainter;

namespace afx::detail {

class ImageSet {
public:
    ImageSet(int cx, int cy, UINT flags);

    // The handle's list, or null for a handle that names no live list.
    static ImageSet* FromHandle(HIMAGELIST handle);
    static HIMAGELIST Create(int cx, int cy, UINT flags);
    static bool Destroy(HIMAGELIST handle);

    HIMAGELIST Handle() { return reinterpret_cast<HIMAGELIST>(this); }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    int Count() const { return static_cast<int>(m_images.size()); }

    // Cuts the strip into images of the list's width, left to right; with a
    // mask colour, its pixels become transparent in a list made with a mask.
    // The index of the first new image, or -1 when none fits.
    int Add(const QImage& strip, const QRgb* maskColour);
    void Draw(QPainter& painter, int index, QPoint at) const;

private:
    int m_cx;
    int m_cy;
    bool m_masked;
    std::vector<QImage> m_images;
};

}  // namespace afx::detail
