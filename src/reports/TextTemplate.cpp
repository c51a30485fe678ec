#include "TextTemplate.h"

#include "QtText.h"

#include <stdexcept>

namespace rmnra {
namespace {

const char* const kFormats[] = {"cnpj", "date", "upper"};

bool knownFormat(const std::string& f) {
    for (const char* k : kFormats)
        if (f == k)
            return true;
    return false;
}

bool validFieldName(const QString& name) {
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (!(c.isLetterOrNumber() || c == u'_'))
            return false;
    return true;
}

TemplatePart parseToken(const QString& body, int offset) {
    TemplatePart part;
    part.offset = offset;
    QString name = body.trimmed().toUpper();
    QString format;
    if (qsizetype bar = name.indexOf(u'|'); bar >= 0) {
        format = name.mid(bar + 1).trimmed().toLower();
        name = name.left(bar).trimmed();
    }
    // The data connections may be named too: rptdsDadosGer and rptdsRMNRB2.
    if (name.startsWith(u"RPTDSDADOSGER."))
        name = QStringLiteral("DADOSGER.") + name.mid(14);
    else if (name.startsWith(u"RPTDSRMNRB2."))
        name = QStringLiteral("RMNRB2.") + name.mid(12);
    using K = TemplatePart::Kind;
    if (name == u"PAGE")
        part.kind = K::Page;
    else if (name == u"PAGES")
        part.kind = K::Pages;
    else if (name == u"DATE")
        part.kind = K::Date;
    else if (name == u"COUNT")
        part.kind = K::Count;
    else if (name.startsWith(u"DADOSGER.") && validFieldName(name.mid(9))) {
        part.kind = K::DadosGerField;
        part.field = name.mid(9).toStdString();
    } else if (name.startsWith(u"RMNRB2.") && validFieldName(name.mid(7))) {
        part.kind = K::Rmnrb2Field;
        part.field = name.mid(7).toStdString();
    } else {
        throw std::invalid_argument("campo desconhecido [" + fromQString(body) + "]");
    }
    if (!format.isEmpty()) {
        part.format = format.toStdString();
        bool isField = part.kind == K::DadosGerField || part.kind == K::Rmnrb2Field;
        if (!isField || !knownFormat(part.format))
            throw std::invalid_argument("formato desconhecido [" + fromQString(body) + "]");
    }
    return part;
}

} // namespace

TextTemplate TextTemplate::compile(const QString& text, int* errorOffset) {
    TextTemplate t;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty()) {
            TemplatePart p;
            p.literal = literal;
            t.parts_.push_back(std::move(p));
            literal.clear();
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'[') {
            literal += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == u'[') {
            literal += u'[';
            ++i;
            continue;
        }
        qsizetype close = text.indexOf(u']', i + 1);
        try {
            if (close < 0)
                throw std::invalid_argument("colchete sem fechamento");
            TemplatePart token = parseToken(text.mid(i + 1, close - i - 1), int(i));
            flush();
            t.parts_.push_back(std::move(token));
        } catch (...) {
            if (errorOffset)
                *errorOffset = int(i);
            throw;
        }
        i = close;
    }
    flush();
    return t;
}

bool TextTemplate::usesPageNumbers() const {
    for (const auto& p : parts_)
        if (p.kind == TemplatePart::Kind::Page || p.kind == TemplatePart::Kind::Pages)
            return true;
    return false;
}

} // namespace rmnra
