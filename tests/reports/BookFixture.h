#pragma once

#include "common/ReportData.h"

#include <string>
#include <vector>

namespace rmnra::test {

// A pharmacy's registration row and book rows as the book reports read them. Text is
// Windows-1252, as it comes from the database.
inline ReportTable dadosGerTable() {
    ReportTable t;
    t.columns = {"FIRMA",
                 "FARMACEUTICO",
                 "ENDERECO",
                 "CGC",
                 "MES",
                 "EXERCICIO",
                 "CRF_Q",
                 "NLICENCA_FUNC",
                 "SECRETARIA_SAUDE",
                 "AUTORIDADE_SANITARIA"};
    t.rows.push_back({std::string("Farm\xE1"
                                  "cia Bom Rem\xE9"
                                  "dio Ltda"),
                      std::string("Jo\xE3o da Silva"),
                      std::string("Rua das Ac\xE1"
                                  "cias, 120"),
                      std::string("12345678000195"), std::string("MARCO"), std::string("2026"),
                      std::string("SP-12345"), std::string("LF-2026/0042"),
                      std::string("Secretaria Municipal de Sa\xFA"
                                  "de de Campinas"),
                      std::string("Vigil\xE2ncia Sanit\xE1ria Municipal")});
    return t;
}

inline std::vector<std::string> rmnrb2Columns() {
    return {
        "DCB",      "DESCRICAO", "MEDICAMENTO",    "APRESENTACAO",   "NUMERONOTIFICACAO", "DATA",
        "MEDICO",   "CRM",       "QDE_PRESCRICAO", "QDE_DISPENSADA", "ESTACAO",           "NPEDIDO",
        "NFORMULA", "CNPJ"};
}

// A book row whose notification number is "N" + the row number, so every row can be
// found in the output.
inline std::vector<ReportValue> bookRow(int n, const std::string& dcb, const std::string& name) {
    return {dcb,
            name,
            std::string("-"),
            std::string("CAP e 10 mg"),
            "N" + std::to_string(100000 + n),
            Date{2026, 3, 1 + n % 28},
            std::string("Dra. Maria Concei\xE7\xE3o"),
            std::string("CRM") + std::to_string(1000 + n),
            std::string("60 CAP"),
            std::string("60 CAP"),
            std::string("01"),
            std::to_string(5000 + n),
            std::string("1"),
            std::string("12345678000195")};
}

// `count` rows spread over substances, sorted by DCB as the configured order gives them.
inline ReportData bookData(int count, int substances = 3) {
    ReportData d;
    d.dadosGer = dadosGerTable();
    d.rmnrb2.columns = rmnrb2Columns();
    const char* names[] = {"Anfepramona", "Femproporex", "Mazindol", "Sibutramina"};
    for (int i = 0; i < count; ++i) {
        int s = i * substances / std::max(count, 1);
        d.rmnrb2.rows.push_back(bookRow(i, "0" + std::to_string(4000 + s), names[s % 4]));
    }
    return d;
}

} // namespace rmnra::test
