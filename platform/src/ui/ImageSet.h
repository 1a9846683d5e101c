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
    static ImageSet* fromHandle(HIMAGELIST handle);
    static HIMAGELIST create(int cx, int cy, UINT flags);
    static bool destroy(HIMAGELIST handle);

    HIMAGELIST handle() { return reinterpret_cast<HIMAGELIST>(this); }
    int width() const { return m_cx; }
    int height() const { return m_cy; }
    int count() const { return static_cast<int>(m_images.size()); }

    // Cuts the strip into images of the list's width, left to right; with a
    // mask colour, its pixels become transparent in a list made with a mask.
    // The index of the first new image, or -1 when none fits.
    int add(const QImage& strip, const QRgb* maskColour);
    bool remove(int index);  // -1 removes every image
    void draw(QPainter& painter, int index, QPoint at) const;

private:
    int m_cx;
    int m_cy;
    bool m_masked;
    std::vector<QImage> m_images;
};

}  // namespace afx::detail
