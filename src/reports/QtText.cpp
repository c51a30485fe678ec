#include "QtText.h"

#include "common/Cp1252.h"

namespace rmnra {

QString toQString(const std::string& cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

std::optional<std::string> fromQStringExact(const QString& text) {
    return utf8ToCp1252(text.toStdString());
}

std::string fromQString(const QString& text) {
    if (auto exact = fromQStringExact(text))
        return *exact;
    std::string out;
    for (QChar c : text) {
        if (c.isSurrogate()) {
            if (c.isHighSurrogate())
                out += '?';
            continue;
        }
        auto one = utf8ToCp1252(QString(c).toStdString());
        out += one ? *one : std::string("?");
    }
    return out;
}

} // namespace rmnra
