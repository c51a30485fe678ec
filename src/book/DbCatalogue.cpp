#include "DbCatalogue.h"

#include "BookRowRules.h"
#include "common/Text.h"
#include "data/fb/Transaction.h"

#include <algorithm>
#include <set>

namespace rmnra {
namespace {

// DCB.DCB holds 10 characters: a longer code can never be found there, and comparing it
// with the column would fail on the conversion.
constexpr size_t kDcbCodeWidth = 10;

// Codes per batched look-up: a short IN list the server resolves through the key.
constexpr size_t kBatch = 100;

// The server compares texts ignoring trailing spaces: "A1 " finds the row "A1".
std::string comparable(const std::string& code) {
    return code.substr(0, code.find_last_not_of(' ') + 1);
}

std::string inList(size_t n) {
    std::string list = "(?";
    for (size_t i = 1; i < n; ++i)
        list += ", ?";
    return list + ")";
}

// Runs `select` over the codes in batches; `found` gets each row with its code's comparable
// form, `done` each code of the batch once the batch has been read.
template <typename Found, typename Done>
void inBatches(fb::Transaction& tx, const std::string& select,
               const std::vector<std::string>& codes, Found&& found, Done&& done) {
    std::optional<fb::Statement> full;
    for (size_t first = 0; first < codes.size(); first += kBatch) {
        const size_t n = std::min(kBatch, codes.size() - first);
        std::optional<fb::Statement> last;
        fb::Statement& query = n == kBatch ? (full ? *full : full.emplace(tx, select + inList(n)))
                                           : last.emplace(tx, select + inList(n));
        const std::vector<fb::Value> params(codes.begin() + long(first),
                                            codes.begin() + long(first + n));
        fb::ResultSet rows = query.open(params);
        while (rows.next())
            found(rows.row());
        rows.close();
        for (size_t i = first; i < first + n; ++i)
            done(codes[i]);
    }
}

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

void DbCatalogue::prefetchFor(const std::vector<OrderRecord>& orders) {
    std::set<std::string> codes;
    for (const OrderRecord& order : orders) {
        for (const FormulaRecord& formula : order.formulas)
            for (const ComponentRecord& c : formula.components)
                codes.insert(cutTo(c.CODIGOCOMP, bookrules::kCodeWidth));
        for (const ItemRecord& item : order.items)
            codes.insert(cutTo(item.CODPROD, bookrules::kCodeWidth));
    }
    lookUpComponents({codes.begin(), codes.end()});

    std::set<std::string> dcbCodes;
    for (const std::string& code : codes) {
        const auto& entry = components_.at(code);
        if (bookrules::qualifies(code, entry)) {
            dcbCodes.insert(entry->DCB);
            dcbCodes.insert(entry->REGMSMEDICAM);
        }
    }
    lookUpDcbs({dcbCodes.begin(), dcbCodes.end()});
}

void DbCatalogue::lookUpComponents(std::vector<std::string> codes) {
    std::erase_if(codes, [&](const std::string& c) { return components_.count(c) > 0; });
    std::map<std::string, CatalogueEntry> byCode;
    inBatches(
        tx_, "Select CODIGO, CONTROLADA, LISTA, DCB, REGMSMEDICAM from COMPONEN where CODIGO in ",
        codes,
        [&](const fb::Row& r) {
            byCode.emplace(comparable(r[0].textOr()),
                           CatalogueEntry{r[0].textOr(), r[1].textOr(), r[2].textOr(),
                                          r[3].textOr(), r[4].textOr()});
        },
        [&](const std::string& code) {
            auto it = byCode.find(comparable(code));
            components_.emplace(code, it == byCode.end()
                                          ? std::nullopt
                                          : std::optional<CatalogueEntry>(it->second));
        });
    queries_ += int((codes.size() + kBatch - 1) / kBatch);
}

void DbCatalogue::lookUpDcbs(std::vector<std::string> codes) {
    std::erase_if(codes, [&](const std::string& c) {
        if (dcbs_.count(c))
            return true;
        if (c.size() > kDcbCodeWidth) {
            dcbs_.emplace(c, std::nullopt);
            return true;
        }
        return false;
    });
    std::map<std::string, DcbEntry> byCode;
    inBatches(
        tx_, "Select DCB, DESCRICAO from DCB where DCB in ", codes,
        [&](const fb::Row& r) {
            byCode.emplace(comparable(r[0].textOr()), DcbEntry{r[0].textOr(), r[1].textOr()});
        },
        [&](const std::string& code) {
            auto it = byCode.find(comparable(code));
            dcbs_.emplace(code,
                          it == byCode.end() ? std::nullopt : std::optional<DcbEntry>(it->second));
        });
    queries_ += int((codes.size() + kBatch - 1) / kBatch);
}

} // namespace rmnra
