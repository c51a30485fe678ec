#pragma once

#include "MonthData.h"
#include "data/fb/Statement.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rmnra {

namespace fb {
class Transaction;
}

// The component and DCB catalogues read from the database, each code looked up once per
// run: a preparation asks for the same few substances over and over. Each look-up statement
// is prepared once, on first use: a month can name thousands of different codes.
class DbCatalogue : public Catalogue {
public:
    explicit DbCatalogue(fb::Transaction& transaction);

    std::optional<CatalogueEntry> component(const std::string& code) override;
    std::optional<DcbEntry> dcb(const std::string& code) override;

    // Looks up ahead, in batches of codes per query, every code the scan of these orders
    // can ask for (components and items, then the DCB codes of the list-"A" entries), so
    // the walk finds them known: a query per code costs a round trip each to a server.
    void prefetchFor(const std::vector<OrderRecord>& orders);

    int queriesRun() const { return queries_; }

private:
    fb::Statement& statement(std::optional<fb::Statement>& slot, const char* sql);
    void lookUpComponents(std::vector<std::string> codes);
    void lookUpDcbs(std::vector<std::string> codes);

    fb::Transaction& tx_;
    std::optional<fb::Statement> componentQuery_;
    std::optional<fb::Statement> dcbQuery_;
    std::map<std::string, std::optional<CatalogueEntry>> components_;
    std::map<std::string, std::optional<DcbEntry>> dcbs_;
    int queries_ = 0;
};

} // namespace rmnra
