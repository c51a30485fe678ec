#include "ReportLoader.h"

#include "QtText.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <cmath>
#include <set>

namespace rmnra {
namespace {

// A semantic fault found while reading; the reader's position is added on the way out.
struct Fault {
    QString message;
    qint64 line = -1;
    qint64 column = -1;
};

class ProjectReader {
public:
    explicit ProjectReader(const QByteArray& xml) : xml_(xml) {}

    ReportProject read() {
        if (!xml_.readNextStartElement())
            fail(QStringLiteral("o arquivo não contém um projeto de relatórios"));
        if (xml_.name() != u"reportProject")
            fail(QStringLiteral("elemento raiz <%1> inesperado; esperado <reportProject>")
                     .arg(xml_.name()));
        ReportProject project;
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"report")
                unexpected();
            Report r = readReport();
            if (project.reports.count(r.name))
                fail(QStringLiteral("relatório \"%1\" repetido").arg(toQString(r.name)));
            project.reports.emplace(r.name, std::move(r));
        }
        checkXml();
        return project;
    }

    QXmlStreamReader& xml() { return xml_; }

private:
    [[noreturn]] void fail(const QString& message) {
        throw Fault{message, xml_.lineNumber(), xml_.columnNumber()};
    }
    [[noreturn]] void unexpected() {
        fail(QStringLiteral("elemento <%1> inesperado aqui").arg(xml_.name()));
    }
    void checkXml() {
        if (xml_.hasError())
            throw Fault{xml_.errorString(), xml_.lineNumber(), xml_.columnNumber()};
    }

    // Attributes of the current element, checked against the names it may carry.
    void allowAttributes(std::initializer_list<const char*> names) {
        std::set<QString> allowed;
        for (const char* n : names)
            allowed.insert(QString::fromLatin1(n));
        for (const auto& a : xml_.attributes())
            if (!allowed.count(a.name().toString()))
                fail(QStringLiteral("atributo \"%1\" desconhecido em <%2>")
                         .arg(a.name(), xml_.name()));
    }
    QString attr(const char* name) const {
        return xml_.attributes().value(QString::fromLatin1(name)).toString();
    }
    bool has(const char* name) const {
        return xml_.attributes().hasAttribute(QString::fromLatin1(name));
    }
    double number(const char* name, double fallback, bool allowNegative = false) {
        if (!has(name))
            return fallback;
        bool ok = false;
        double v = attr(name).trimmed().toDouble(&ok);
        // "nan" and "inf" read as numbers, yet no measure can hold them: every check of
        // room against NaN passes.
        if (!ok || !std::isfinite(v) || (!allowNegative && v < 0))
            fail(QStringLiteral("valor \"%1\" inválido no atributo \"%2\"")
                     .arg(attr(name), QString::fromLatin1(name)));
        return v;
    }
    bool boolean(const char* name, bool fallback) {
        if (!has(name))
            return fallback;
        QString v = attr(name).trimmed().toLower();
        if (v == u"true" || v == u"1" || v == u"yes")
            return true;
        if (v == u"false" || v == u"0" || v == u"no")
            return false;
        fail(QStringLiteral("valor \"%1\" inválido no atributo \"%2\"")
                 .arg(attr(name), QString::fromLatin1(name)));
    }

    Report readReport() {
        allowAttributes({"name", "pageSize", "pageWidth", "pageHeight", "orientation", "marginLeft",
                         "marginTop", "marginRight", "marginBottom"});
        Report r;
        r.name = fromQString(attr("name"));
        if (r.name.empty())
            fail(QStringLiteral("relatório sem nome"));
        QString size = has("pageSize") ? attr("pageSize").trimmed().toUpper() : "A4";
        if (size == u"A4") {
            r.pageWidth = 21.0, r.pageHeight = 29.7;
        } else if (size == u"LETTER") {
            r.pageWidth = 21.59, r.pageHeight = 27.94;
        } else if (size == u"LEGAL") {
            r.pageWidth = 21.59, r.pageHeight = 35.56;
        } else if (size == u"CUSTOM") {
            r.pageWidth = number("pageWidth", 0);
            r.pageHeight = number("pageHeight", 0);
        } else {
            fail(QStringLiteral("tamanho de página \"%1\" desconhecido").arg(attr("pageSize")));
        }
        QString orientation = has("orientation") ? attr("orientation").trimmed() : "portrait";
        if (orientation == u"landscape") {
            r.landscape = true;
            std::swap(r.pageWidth, r.pageHeight);
        } else if (orientation != u"portrait") {
            fail(QStringLiteral("orientação \"%1\" desconhecida").arg(orientation));
        }
        r.marginLeft = number("marginLeft", 1);
        r.marginTop = number("marginTop", 1);
        r.marginRight = number("marginRight", 1);
        r.marginBottom = number("marginBottom", 1);
        if (r.pageWidth - r.marginLeft - r.marginRight <= 0 ||
            r.pageHeight - r.marginTop - r.marginBottom <= 0)
            fail(QStringLiteral("margens maiores que a página"));

        while (xml_.readNextStartElement()) {
            auto n = xml_.name();
            if (n == u"title")
                setOnce(r.title);
            else if (n == u"pageHeader")
                setOnce(r.pageHeader);
            else if (n == u"columnHeader")
                setOnce(r.columnHeader);
            else if (n == u"group")
                r.groups.push_back(readGroup());
            else if (n == u"detail")
                setOnce(r.detail);
            else if (n == u"summary")
                setOnce(r.summary);
            else if (n == u"pageFooter")
                setOnce(r.pageFooter);
            else
                unexpected();
        }
        double room = r.pageHeight - r.marginTop - r.marginBottom;
        double fixed = (r.pageHeader ? r.pageHeader->height : 0) +
                       (r.pageFooter ? r.pageFooter->height : 0) +
                       (r.columnHeader ? r.columnHeader->height : 0);
        if (r.detail && fixed + r.detail->height > room)
            fail(QStringLiteral("as faixas do relatório \"%1\" não cabem na página")
                     .arg(toQString(r.name)));
        return r;
    }

    void setOnce(std::optional<Band>& band) {
        if (band)
            fail(QStringLiteral("faixa <%1> repetida").arg(xml_.name()));
        band = readBand();
    }

    ReportGroup readGroup() {
        allowAttributes({"field", "repeatHeader"});
        ReportGroup g;
        g.repeatHeader = boolean("repeatHeader", false);
        QString field = attr("field").trimmed().toUpper();
        if (field.startsWith(u"RMNRB2."))
            field = field.mid(7);
        if (field.isEmpty())
            fail(QStringLiteral("grupo sem campo"));
        g.field = field.toStdString();
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"groupHeader")
                setOnce(g.header);
            else if (xml_.name() == u"groupFooter")
                setOnce(g.footer);
            else
                unexpected();
        }
        return g;
    }

    Band readBand() {
        allowAttributes({"height"});
        Band b;
        if (!has("height"))
            fail(QStringLiteral("faixa <%1> sem altura").arg(xml_.name()));
        b.height = number("height", 0);
        while (xml_.readNextStartElement()) {
            auto n = xml_.name();
            if (n == u"text")
                b.items.push_back(readText());
            else if (n == u"line")
                b.items.push_back(readLine());
            else if (n == u"rect")
                b.items.push_back(readRect());
            else
                unexpected();
        }
        return b;
    }

    RectCm box() {
        return {number("left", 0, true), number("top", 0, true), number("width", 0),
                number("height", 0)};
    }

    ReportItem readText() {
        allowAttributes({"left", "top", "width", "height", "font", "size", "bold", "italic",
                         "align", "valign", "frame", "wrap", "pen"});
        ReportItem item;
        item.kind = ReportItem::Kind::Text;
        item.box = box();
        if (has("font"))
            item.font.family = attr("font");
        item.font.size = number("size", item.font.size);
        if (item.font.size <= 0)
            fail(QStringLiteral("tamanho de fonte inválido"));
        item.font.bold = boolean("bold", false);
        item.font.italic = boolean("italic", false);
        item.wrap = boolean("wrap", false);
        item.penWidth = number("pen", item.penWidth);
        QString align = attr("align").trimmed();
        if (align == u"center")
            item.hAlign = HAlign::Center;
        else if (align == u"right")
            item.hAlign = HAlign::Right;
        else if (!align.isEmpty() && align != u"left")
            fail(QStringLiteral("alinhamento \"%1\" desconhecido").arg(align));
        QString valign = attr("valign").trimmed();
        if (valign == u"top")
            item.vAlign = VAlign::Top;
        else if (valign == u"bottom")
            item.vAlign = VAlign::Bottom;
        else if (!valign.isEmpty() && valign != u"center")
            fail(QStringLiteral("alinhamento vertical \"%1\" desconhecido").arg(valign));
        item.frame = frame(attr("frame").trimmed());
        qint64 line = xml_.lineNumber(), column = xml_.columnNumber();
        QString text = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        checkXml();
        try {
            item.text = TextTemplate::compile(text);
        } catch (const std::invalid_argument& e) {
            throw Fault{toQString(e.what()), line, column};
        }
        return item;
    }

    Frame frame(const QString& spec) {
        Frame f;
        if (spec.isEmpty() || spec == u"none")
            return f;
        if (spec == u"all")
            return {true, true, true, true};
        for (QChar c : spec) {
            switch (c.toUpper().unicode()) {
            case 'L':
                f.left = true;
                break;
            case 'T':
                f.top = true;
                break;
            case 'R':
                f.right = true;
                break;
            case 'B':
                f.bottom = true;
                break;
            default:
                fail(QStringLiteral("moldura \"%1\" desconhecida").arg(spec));
            }
        }
        return f;
    }

    ReportItem readLine() {
        allowAttributes({"x1", "y1", "x2", "y2", "pen"});
        ReportItem item;
        item.kind = ReportItem::Kind::Line;
        double x1 = number("x1", 0, true), y1 = number("y1", 0, true);
        double x2 = number("x2", 0, true), y2 = number("y2", 0, true);
        item.box = {x1, y1, x2 - x1, y2 - y1};
        item.penWidth = number("pen", item.penWidth);
        xml_.skipCurrentElement();
        return item;
    }

    ReportItem readRect() {
        allowAttributes({"left", "top", "width", "height", "pen"});
        ReportItem item;
        item.kind = ReportItem::Kind::Rectangle;
        item.box = box();
        item.penWidth = number("pen", item.penWidth);
        xml_.skipCurrentElement();
        return item;
    }

    QXmlStreamReader xml_;
};

std::string message(const QString& file, qint64 line, qint64 column, const QString& what) {
    return fromQString(QStringLiteral("Projeto de relatórios %1, linha %2, coluna %3: %4")
                           .arg(file)
                           .arg(line)
                           .arg(column)
                           .arg(what));
}

} // namespace

ReportProject parseReportProject(const QByteArray& xml, const QString& fileName) {
    ProjectReader reader(xml);
    try {
        return reader.read();
    } catch (const Fault& f) {
        // A well-formedness error met while reading ahead takes precedence: it names
        // where the file is actually broken.
        QXmlStreamReader& x = reader.xml();
        if (x.hasError())
            throw ReportLoadError(
                message(fileName, x.lineNumber(), x.columnNumber(), x.errorString()), fileName,
                x.lineNumber(), x.columnNumber());
        throw ReportLoadError(message(fileName, f.line, f.column, f.message), fileName, f.line,
                              f.column);
    }
}

ReportProject loadReportProject(const QString& path) {
    QString full = QFileInfo(path).absoluteFilePath();
    QFile file(full);
    if (!file.exists())
        throw ReportLoadError(
            fromQString(
                QStringLiteral("Arquivo do projeto de relatórios não encontrado: %1").arg(full)),
            full, 0, 0);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportLoadError(
            fromQString(QStringLiteral("Não foi possível ler o projeto de relatórios %1: %2")
                            .arg(full, file.errorString())),
            full, 0, 0);
    return parseReportProject(file.readAll(), full);
}

} // namespace rmnra
