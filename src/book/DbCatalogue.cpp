#include "DbCatalogue.h"

#include "data/fb/Transaction.h"

namespace rmnra {
namespace {

// DCB.DCB holds 10 characters: a longer code can never be found there, and comparing it
// with the column would fail on the conversion.
constexpr size_t kDcbCodeWidth = 10;

} // namespace

DbCatalogue::DbCatalogue(fb::Transaction& transaction) : tx_(transaction) {}

fb::Statement& DbCatalogue::statement(std::optional<fb::Statement>& slot, const char* sql) {
    if (!slot)
        slot.emplace(tx_, sql);
    return *slot;
}

std::optional<CatalogueEntry> DbCatalogue::component(const std::string& code) {
    auto it = components_.find(code);
    if (it != components_.end())
        return it->second;
    ++queries_;
    auto rows = statement(componentQuery_, "Select CODIGO, CONTROLADA, LISTA, DCB, REGMSMEDICAM "
                                           "from COMPONEN where CODIGO = ?")
                    .fetchAll({code});
    std::optional<CatalogueEntry> entry;
    if (!rows.empty()) {
        const auto& r = rows.front();
        entry = CatalogueEntry{r[0].textOr(), r[1].textOr(), r[2].textOr(), r[3].textOr(),
                               r[4].textOr()};
    }
    components_.emplace(code, entry);
    return entry;
}

std::optional<DcbEntry> DbCatalogue::dcb(const std::string& code) {
    auto it = dcbs_.find(code);
    if (it != dcbs_.end())
        return it->second;
    std::optional<DcbEntry> entry;
    if (code.size() <= kDcbCodeWidth) {
        ++queries_;
        auto rows =
            statement(dcbQuery_, "Select DCB, DESCRICAO from DCB where DCB = ?").fetchAll({code});
        if (!rows.empty())
            entry = DcbEntry{rows.front()[0].textOr(), rows.front()[1].textOr()};
    }
    dcbs_.emplace(code, entry);
    return entry;
}

} // namespace rmnra
