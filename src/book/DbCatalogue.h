#pragma once

#include "MonthData.h"
#include "data/fb/Statement.h"

#include <map>
#include <optional>
#include <string>

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

    int queriesRun() const { return queries_; }

private:
    fb::Statement& statement(std::optional<fb::Statement>& slot, const char* sql);

    fb::Transaction& tx_;
    std::optional<fb::Statement> componentQuery_;
    std::optional<fb::Statement> dcbQuery_;
    std::map<std::string, std::optional<CatalogueEntry>> components_;
    std::map<std::string, std::optional<DcbEntry>> dcbs_;
    int queries_ = 0;
};

} // namespace rmnra
