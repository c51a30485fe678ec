#include "DadosGerStore.h"

#include "data/ColumnLists.h"
#include "data/DM.h"

namespace rmnra {

bool DadosGerStore::open(const std::string& cnpj, RegistrationValues& values) {
    CachedDataset& dadosGer = dm_.DadosGer;
    dadosGer.close();
    dadosGer.setQuery(CachedDataset::composeSelect(DadosGerColumns, "DADOSGER", " where CGC = ?"),
                      {fb::Value(cnpj)});
    dadosGer.open();
    values.clear();
    if (dadosGer.isEmpty())
        return false;
    dadosGer.first();
    for (const char* column : kRegistrationColumns)
        values[column] = dadosGer.text(column);
    return true;
}

void DadosGerStore::store(const RegistrationValues& values) {
    CachedDataset& dadosGer = dm_.DadosGer;
    // A refused write leaves the cache as read, so every attempt starts from the row read.
    const bool inserting = dadosGer.isEmpty();
    if (inserting)
        dadosGer.append();
    else
        dadosGer.edit();
    try {
        for (const char* column : kRegistrationColumns) {
            auto it = values.find(column);
            const std::string value = it == values.end() ? std::string() : it->second;
            // Only what the user changed is written: a NULL column shown empty stays NULL.
            if (value != dadosGer.text(column))
                dadosGer.setField(column, fb::Value(value));
        }
        dadosGer.post();
    } catch (...) {
        if (dadosGer.state() == DatasetState::Edit || dadosGer.state() == DatasetState::Insert)
            dadosGer.cancel();
        throw;
    }
}

void DadosGerStore::close() {
    dm_.DadosGer.close();
}

} // namespace rmnra
