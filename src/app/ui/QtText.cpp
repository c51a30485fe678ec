#include "QtText.h"

namespace rmnra::ui {

std::string fromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const char32_t cp : text.toStdU32String()) {
        std::string utf8 = QString::fromUcs4(&cp, 1).toStdString();
        auto converted = utf8ToCp1252(utf8);
        out += converted ? *converted : std::string("?");
    }
    return out;
}

QString messageLines(const std::string& cp1252) {
    std::string text;
    text.reserve(cp1252.size());
    for (size_t i = 0; i < cp1252.size(); ++i) {
        if (cp1252[i] == '\r') {
            text += '\n';
            if (i + 1 < cp1252.size() && cp1252[i + 1] == '\n')
                ++i;
        } else {
            text += cp1252[i];
        }
    }
    return toQString(text);
}

} // namespace rmnra::ui
