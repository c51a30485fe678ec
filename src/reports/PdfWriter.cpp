#include "PdfWriter.h"

#include "PagePainter.h"
#include "QtText.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <stdexcept>

namespace rmnra {

QPageLayout pageLayoutOf(const RenderedReport& report) {
    double shortSide = std::min(report.pageWidth, report.pageHeight) * 10.0;
    double longSide = std::max(report.pageWidth, report.pageHeight) * 10.0;
    QPageSize size(QSizeF(shortSide, longSide), QPageSize::Millimeter, QString(),
                   QPageSize::FuzzyMatch);
    auto orientation =
        report.pageWidth > report.pageHeight ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void writePdf(const RenderedReport& report, const QString& path) {
    auto failure = [&](const QString& why) {
        return std::runtime_error(
            fromQString(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(path, why)));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setPageLayout(pageLayoutOf(report));
        writer.setTitle(toQString(report.name));
        writer.setCreator(QStringLiteral("RMNRA"));
        QPainter painter;
        if (!painter.begin(&writer))
            throw failure(QStringLiteral("falha ao iniciar o PDF"));
        for (int i = 0; i < static_cast<int>(report.pages.size()); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(report, i, painter);
        }
        painter.end();
    }
    if (!file.commit())
        throw failure(file.errorString());
}

} // namespace rmnra
