#include "ImageSet.h"

#include <QPainter>

#include <memory>
#include <unordered_map>

namespace afx::detail {

namespace {
std::unordered_map<const ImageSet*, std::unique_ptr<ImageSet>>& registry() {
    static std::unordered_map<const ImageSet*, std::unique_ptr<ImageSet>> lists;
    return lists;
}
}  // namespace

ImageSet::ImageSet(int cx, int cy, UINT flags)
    : m_cx(cx), m_cy(cy), m_masked((flags & ILC_MASK) != 0) {}

ImageSet* ImageSet::FromHandle(HIMAGELIST handle) {
    auto it = registry().find(reinterpret_cast<const ImageSet*>(handle));
    return it == registry().end() ? nullptr : it->second.get();
}

HIMAGELIST ImageSet::Create(int cx, int cy, UINT flags) {
    if (cx <= 0 || cy <= 0) return nullptr;
    auto list = std::make_unique<ImageSet>(cx, cy, flags);
    HIMAGELIST handle = list->Handle();
    registry().emplace(list.get(), std::move(list));
    return handle;
}

bool ImageSet::Destroy(HIMAGELIST handle) {
    return registry().erase(reinterpret_cast<const ImageSet*>(handle)) > 0;
}

int ImageSet::Add(const QImage& strip, const QRgb* maskColour) {
    const int fits = strip.width() / m_cx;
    if (fits <= 0 || strip.height() <= 0) return -1;
    const int first = Count();
    QImage source = strip.convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < fits; ++i) {
        QImage image(m_cx, m_cy, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < m_cy && y < source.height(); ++y) {
            for (int x = 0; x < m_cx; ++x) {
                QRgb pixel = source.pixel(i * m_cx + x, y);
                const bool clear =
                    m_masked && maskColour && (pixel & RGB_MASK) == (*maskColour & RGB_MASK);
                image.setPixel(x, y, clear ? qRgba(0, 0, 0, 0) : (pixel | 0xFF000000u));
            }
        }
        m_images.push_back(std::move(image));
    }
    return first;
}

void ImageSet::Draw(QPainter& painter, int index, QPoint at) const {
    if (index >= 0 && index < Count()) painter.drawImage(at, m_images[index]);
}

}  // namespace afx::detail
