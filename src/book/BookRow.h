#pragma once

#include "common/Dates.h"

#include <optional>
#include <string>

namespace rmnra {

// One row of the book table RMNRB2, in its column order. Every column is text except
// DATA; NPEDIDO and NFORMULA hold numbers as decimal text.
struct BookRow {
    std::string DCB;
    std::string DESCRICAO;
    std::string MEDICAMENTO;
    std::string APRESENTACAO;
    std::string NUMERONOTIFICACAO;
    std::optional<Date> DATA;
    std::string MEDICO;
    std::string CRM;
    std::string QDE_PRESCRICAO;
    std::string QDE_DISPENSADA;
    std::string ESTACAO;
    std::string NPEDIDO;
    std::string NFORMULA;
    std::string CNPJ;

    bool operator==(const BookRow&) const = default;
};

// Column widths of RMNRB2: a longer text is cut to the width when it is stored.
struct BookColumnWidths {
    static constexpr size_t DCB = 15;
    static constexpr size_t DESCRICAO = 60;
    static constexpr size_t MEDICAMENTO = 60;
    static constexpr size_t APRESENTACAO = 60;
    static constexpr size_t NUMERONOTIFICACAO = 30;
    static constexpr size_t MEDICO = 50;
    static constexpr size_t CRM = 10;
    static constexpr size_t QDE_PRESCRICAO = 30;
    static constexpr size_t QDE_DISPENSADA = 30;
    static constexpr size_t ESTACAO = 2;
    static constexpr size_t NPEDIDO = 10;
    static constexpr size_t NFORMULA = 2;
    static constexpr size_t CNPJ = 14;
};

// The row with every text cut to its column's width.
BookRow cutToColumns(BookRow row);

} // namespace rmnra
