#include "QtText.h"

namespace rmnra::ui {

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
