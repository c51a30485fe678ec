#pragma once

#include <array>
#include <map>
#include <string>

namespace rmnra {

// The ten columns of the pharmacy's DADOSGER row that the registration panel edits.
inline constexpr std::array<const char*, 10> kRegistrationColumns = {"SECRETARIA_SAUDE",
                                                                     "AUTORIDADE_SANITARIA",
                                                                     "FIRMA",
                                                                     "ENDERECO",
                                                                     "NLICENCA_FUNC",
                                                                     "FARMACEUTICO",
                                                                     "CRF_Q",
                                                                     "MES",
                                                                     "EXERCICIO",
                                                                     "CGC"};

// Column name -> Windows-1252 text; a missing column reads as empty text.
using RegistrationValues = std::map<std::string, std::string>;

// Where the registration panel reads and writes the pharmacy's row.
class RegistrationStore {
public:
    virtual ~RegistrationStore() = default;
    // Reads the row whose CGC is cnpj into values; false when there is none, in which case
    // a store() writes a new row.
    virtual bool open(const std::string& cnpj, RegistrationValues& values) = 0;
    // Writes the edited values into the row read by open() (or a new row). Throws when the
    // database refuses the write; the stored row then stays as it was and the store stays
    // open for another try.
    virtual void store(const RegistrationValues& values) = 0;
    // Drops the row read; unposted values are discarded.
    virtual void close() = 0;
};

} // namespace rmnra
