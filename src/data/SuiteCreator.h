#pragma once

#include <stdexcept>
#include <string>

namespace rmnra {

// A suite folder cannot be created as asked; the message is for the user (Windows-1252).
class SuiteCreationRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Creates a suite folder: dados/orvantis.bd (every table but PERIODO), interfac/orvantis.bd and
// interfac01/orvantis.bd (PERIODO), and the folders RPT and LOG. An existing database file is
// never overwritten (SuiteCreationRefused, nothing created). With demo, the main database is
// filled with a demonstration pharmacy (see DemoData.h). A failure part-way removes the
// database files this call created.
void createSuite(const std::string& folder, bool demo, const std::string& libraryPath);

} // namespace rmnra
