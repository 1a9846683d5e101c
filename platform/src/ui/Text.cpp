#include "Text.h"

#include "afxcodepage.h"

namespace afx::detail {

QString ToQt(std::string_view cp949) {
    const std::string utf8 = Cp949ToUtf8(cp949);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQt(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp949(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

int Cp949Length(const QString& text) {
    return static_cast<int>(FromQt(text).size());
}

}  // namespace afx::detail
