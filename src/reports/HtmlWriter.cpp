#include "HtmlWriter.h"

#include "QtText.h"

#include <QSaveFile>
#include <stdexcept>

namespace rmnra {
namespace {

QString cm(double v) {
    return QString::number(v, 'f', 3) + QStringLiteral("cm");
}
QString num(double v) {
    return QString::number(v, 'f', 3);
}

QString textStyle(const DrawOp& op) {
    QString s = QStringLiteral("left:%1;top:%2;width:%3;height:%4;font-size:%5pt;")
                    .arg(cm(op.box.left), cm(op.box.top), cm(op.box.width), cm(op.box.height),
                         QString::number(op.font.size, 'f', 2));
    if (op.font.bold)
        s += QStringLiteral("font-weight:bold;");
    if (op.font.italic)
        s += QStringLiteral("font-style:italic;");
    s += op.vAlign == VAlign::Top      ? QStringLiteral("align-items:flex-start;")
         : op.vAlign == VAlign::Bottom ? QStringLiteral("align-items:flex-end;")
                                       : QStringLiteral("align-items:center;");
    s += op.hAlign == HAlign::Left ? QStringLiteral("text-align:left;justify-content:flex-start;")
         : op.hAlign == HAlign::Right ? QStringLiteral("text-align:right;justify-content:flex-end;")
                                      : QStringLiteral("text-align:center;justify-content:center;");
    if (op.wrap || op.text.contains(u'\n'))
        s += QStringLiteral("white-space:pre-wrap;");
    const QString border = QStringLiteral("%1 solid #000;").arg(cm(op.penWidth));
    if (op.frame.left)
        s += QStringLiteral("border-left:") + border;
    if (op.frame.top)
        s += QStringLiteral("border-top:") + border;
    if (op.frame.right)
        s += QStringLiteral("border-right:") + border;
    if (op.frame.bottom)
        s += QStringLiteral("border-bottom:") + border;
    return s;
}

void writePage(QString& html, const RenderedReport& report, const RenderedPage& page) {
    html += QStringLiteral("<div class=\"page\">\n");
    html += QStringLiteral("<svg class=\"g\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %3 %4\">")
                .arg(cm(report.pageWidth), cm(report.pageHeight), num(report.pageWidth),
                     num(report.pageHeight));
    for (const auto& op : page.ops) {
        if (op.kind == ReportItem::Kind::Line)
            html += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" "
                                   "stroke-width=\"%5\"/>")
                        .arg(num(op.box.left), num(op.box.top), num(op.box.left + op.box.width),
                             num(op.box.top + op.box.height), num(op.penWidth));
        else if (op.kind == ReportItem::Kind::Rectangle)
            html += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                                   "stroke-width=\"%5\"/>")
                        .arg(num(op.box.left), num(op.box.top), num(op.box.width),
                             num(op.box.height), num(op.penWidth));
    }
    html += QStringLiteral("</svg>\n");
    for (const auto& op : page.ops) {
        if (op.kind != ReportItem::Kind::Text)
            continue;
        html += QStringLiteral("<div class=\"t\" style=\"%1\"><span>%2</span></div>\n")
                    .arg(textStyle(op), escapeHtml(op.text));
    }
    html += QStringLiteral("</div>\n");
}

QString htmlHead(const RenderedReport& report) {
    QString html;
    html += QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n");
    html += QStringLiteral("<title>%1</title>\n").arg(escapeHtml(toQString(report.name)));
    html += QStringLiteral(
                "<style>\n"
                "@page { size: %1 %2; margin: 0; }\n"
                "body { margin: 0; background: #808080; "
                "font-family: 'Liberation Sans', Arial, Helvetica, sans-serif; color: #000; }\n"
                ".page { position: relative; width: %1; height: %2; margin: 0.5cm auto; "
                "background: #fff; overflow: hidden; page-break-after: always; "
                "break-after: page; }\n"
                ".page:last-child { page-break-after: auto; break-after: auto; }\n"
                ".g { position: absolute; left: 0; top: 0; }\n"
                ".g line, .g rect { stroke: #000; fill: none; }\n"
                ".t { position: absolute; box-sizing: border-box; display: flex; "
                "padding: 0 %3; white-space: pre; line-height: 1.15; }\n"
                ".t span { display: block; width: 100%; }\n"
                "@media print { body { background: none; } .page { margin: 0; } }\n"
                "</style>\n</head>\n<body>\n")
                .arg(cm(report.pageWidth), cm(report.pageHeight), cm(kTextPadding));
    return html;
}

QString htmlTail() {
    return QStringLiteral("</body>\n</html>\n");
}

} // namespace

QString escapeHtml(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        case '"':
            out += QStringLiteral("&quot;");
            break;
        case '\'':
            out += QStringLiteral("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray renderHtml(const RenderedReport& report) {
    QString html = htmlHead(report);
    for (const auto& page : report.pages)
        writePage(html, report, page);
    html += htmlTail();
    return html.toUtf8();
}

void writeHtml(const RenderedReport& report, const QString& path) {
    QSaveFile file(path);
    auto failure = [&] {
        return std::runtime_error(
            fromQString(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                            .arg(path, file.errorString())));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failure();
    // A page at a time, the same bytes as renderHtml: a long book held whole as text takes
    // several times its file size in memory. A failure leaves the old file as it was.
    auto put = [&](const QString& text) {
        const QByteArray bytes = text.toUtf8();
        if (file.write(bytes) != bytes.size())
            throw failure();
    };
    put(htmlHead(report));
    QString html;
    for (const auto& page : report.pages) {
        html.clear();
        writePage(html, report, page);
        put(html);
    }
    put(htmlTail());
    if (!file.commit())
        throw failure();
}

} // namespace rmnra
