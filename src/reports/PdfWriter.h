#pragma once

#include "RenderedReport.h"

#include <QPageLayout>
#include <QString>

namespace rmnra {

// The paper of a laid-out report, with no margins: the report carries its own.
QPageLayout pageLayoutOf(const RenderedReport& report);

// Writes the report as a PDF file (an existing file is replaced only on success).
// Throws std::runtime_error with a Windows-1252 message naming the path when it fails.
void writePdf(const RenderedReport& report, const QString& path);

} // namespace rmnra
