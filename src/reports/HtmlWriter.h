#pragma once

#include "RenderedReport.h"

#include <QByteArray>
#include <QString>

namespace rmnra {

// One HTML document (UTF-8) holding the pages one after another, absolutely positioned in
// centimetres so that it reads on screen and prints a page per sheet from a browser.
QByteArray renderHtml(const RenderedReport& report);

// Writes renderHtml to a file as a whole (an existing file is replaced only on success).
// Throws std::runtime_error with a Windows-1252 message naming the path when it fails.
void writeHtml(const RenderedReport& report, const QString& path);

QString escapeHtml(const QString& text);

} // namespace rmnra
