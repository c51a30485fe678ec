#pragma once

#include "BookRow.h"
#include "MonthData.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rmnra {

// The rules that turn a formula component or a ready-made item into a book row.
namespace bookrules {

inline constexpr size_t kNameWidth = 40; // component or item name
inline constexpr size_t kCodeWidth = 13; // catalogue code looked up

// A controlled substance of list "A": the catalogue row has exactly the looked-up code,
// CONTROLADA begins with "S" or "s", and LISTA begins with a capital "A".
bool qualifies(const std::string& code, const std::optional<CatalogueEntry>& entry);

// The DESCRICAO of a row: the DCB catalogue's name when the lookup found exactly the code,
// else the component or item name. An empty code finds nothing and so gives "".
std::string description(const std::string& dcbCode, const std::optional<DcbEntry>& found,
                        const std::string& name);

// Capsules made by a formula: QDECAPSULAS when positive, else 1.
std::int64_t capsuleCount(const FormulaRecord& formula);

// "30 CAP": a count and the first three characters of the pharmaceutical form.
std::string capsuleQuantityText(std::int64_t count, const std::string& formaFarma);

// The book row of a qualifying component. prescribedCaps is the formula's positive
// prescribed capsule quantity (after any correction).
BookRow formulaRow(const OrderRecord& order, const FormulaRecord& formula,
                   const ComponentRecord& component, const CatalogueEntry& entry,
                   const std::string& descriptionText, std::int64_t capsules,
                   std::int64_t prescribedCaps, const std::string& cnpj);

// The book row of a qualifying ready-made item: the presentation is the item's unit, the
// dispensed quantity the same text as the prescribed one ("2 cx"), NFORMULA "0".
BookRow itemRow(const OrderRecord& order, const ItemRecord& item, const std::string& name,
                const CatalogueEntry& entry, const std::string& descriptionText,
                const std::string& cnpj);

} // namespace bookrules
} // namespace rmnra
