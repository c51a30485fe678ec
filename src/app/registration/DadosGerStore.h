#pragma once

#include "RegistrationStore.h"

namespace rmnra {

class DM;

// The pharmacy's registration row through DM's cached dataset DadosGer, which writes a
// posted change back at once.
class DadosGerStore : public RegistrationStore {
public:
    explicit DadosGerStore(DM& dm) : dm_(dm) {}

    bool open(const std::string& cnpj, RegistrationValues& values) override;
    void store(const RegistrationValues& values) override;
    void close() override;

private:
    DM& dm_;
};

} // namespace rmnra
