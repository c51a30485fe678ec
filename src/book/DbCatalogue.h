#pragma once

#include "MonthData.h"

#include <map>
#include <optional>
#include <string>

namespace rmnra {

namespace fb {
class Transaction;
}

// The component and DCB catalogues read from the database, each code looked up once per
// run: a preparation asks for the same few substances over and over.
class DbCatalogue : public Catalogue {
public:
    explicit DbCatalogue(fb::Transaction& transaction);

    std::optional<CatalogueEntry> component(const std::string& code) override;
    std::optional<DcbEntry> dcb(const std::string& code) override;

    int queriesRun() const { return queries_; }

private:
    fb::Transaction& tx_;
    std::map<std::string, std::optional<CatalogueEntry>> components_;
    std::map<std::string, std::optional<DcbEntry>> dcbs_;
    int queries_ = 0;
};

} // namespace rmnra
