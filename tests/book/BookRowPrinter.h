#pragma once

#include "book/BookRow.h"

#include <ostream>

namespace rmnra {

// Readable book rows in test failures.
inline void PrintTo(const BookRow& r, std::ostream* os) {
    *os << "{" << r.DCB << "|" << r.DESCRICAO << "|" << r.MEDICAMENTO << "|" << r.APRESENTACAO
        << "|" << r.NUMERONOTIFICACAO << "|";
    if (r.DATA)
        *os << r.DATA->year << "-" << r.DATA->month << "-" << r.DATA->day;
    *os << "|" << r.MEDICO << "|" << r.CRM << "|" << r.QDE_PRESCRICAO << "|" << r.QDE_DISPENSADA
        << "|" << r.ESTACAO << "." << r.NPEDIDO << "." << r.NFORMULA << "|" << r.CNPJ << "}";
}

} // namespace rmnra
