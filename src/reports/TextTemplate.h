#pragma once

#include <QString>
#include <string>
#include <vector>

namespace rmnra {

// A text of a report item, split once into literal parts and tokens:
// [DADOSGER.FIELD], [RMNRB2.FIELD], [PAGE], [PAGES], [DATE], [COUNT].
// A field token may carry a format after a bar: [DADOSGER.CGC|cnpj]. The data connections'
// names stand for the tables: [rptdsDadosGer.FIRMA], [rptdsRMNRB2.DCB].
// "[[" stands for a literal '['.
struct TemplatePart {
    enum class Kind { Literal, DadosGerField, Rmnrb2Field, Page, Pages, Date, Count };
    Kind kind = Kind::Literal;
    QString literal;    // Literal
    std::string field;  // upper-case column name of a field token
    std::string format; // optional format of a field token ("cnpj", "date", "upper")
    int offset = 0;     // position of the token in the source text, for error messages
};

class TextTemplate {
public:
    TextTemplate() = default;
    // Throws std::invalid_argument with a Portuguese message and sets errorOffset to the
    // position of the faulty token when a token is unknown or unclosed.
    static TextTemplate compile(const QString& text, int* errorOffset = nullptr);

    const std::vector<TemplatePart>& parts() const { return parts_; }
    bool usesPageNumbers() const;

private:
    std::vector<TemplatePart> parts_;
};

} // namespace rmnra
