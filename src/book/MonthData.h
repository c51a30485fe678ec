#pragma once

#include "common/Dates.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rmnra {

// What the book scan reads of the month, as the suite stores it. A missing text reads
// as the empty text; a missing number or date stays missing.

struct ComponentRecord {
    std::string COMPONENTE;
    std::string CODIGOCOMP;
    std::optional<double> QDEDIG;
    std::string UNIDDIG;
};

struct FormulaRecord {
    std::int64_t NFORMULA = 0;
    std::string FORMAFARMA;
    std::optional<std::int64_t> QDECAPSULAS;
    std::string NUMERONOTIFICACAO;
    std::optional<Date> DATAPRESCRICAO;
    std::optional<std::int64_t> QDE_CAPS_PRESCRITA;
    std::vector<ComponentRecord> components; // in the order the database returns them
};

struct ItemRecord {
    std::string CODPROD;
    std::string DESCRICAO;
    std::string UNIDADE;
    std::optional<double> QDE;
    std::string NUMERONOTIFICACAO;
    std::optional<Date> DATAPRESCRICAO;
};

struct OrderRecord {
    std::string ESTACAO;
    std::int64_t NPEDIDO = 0;
    std::string TIPOPEDIDO;
    std::string MEDICO;
    std::string CRM;
    std::vector<FormulaRecord> formulas; // in the order the database returns them
    std::vector<ItemRecord> items;       // read only for orders without formulas
};

// A catalogue entry of COMPONEN, the columns the scan uses.
struct CatalogueEntry {
    std::string CODIGO;
    std::string CONTROLADA;
    std::string LISTA;
    std::string DCB;
    std::string REGMSMEDICAM;
};

// An entry of the DCB catalogue.
struct DcbEntry {
    std::string DCB;
    std::string DESCRICAO;
};

// Looks codes up in the component and DCB catalogues (the first row found, or nothing).
class Catalogue {
public:
    virtual ~Catalogue() = default;
    virtual std::optional<CatalogueEntry> component(const std::string& code) = 0;
    virtual std::optional<DcbEntry> dcb(const std::string& code) = 0;
};

} // namespace rmnra
