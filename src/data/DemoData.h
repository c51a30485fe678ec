#pragma once

#include <string>

namespace rmnra {

namespace fb {
class Attachment;
}

// The pharmacy of the demonstration suite: its CNPJ and the month that has its orders.
inline constexpr const char* kDemoCnpj = "11222333000181";
inline constexpr const char* kDemoMonth = "OUTUBRO";
inline constexpr const char* kDemoYear = "2026";

// Fills a new main database with a demonstration pharmacy, always the same (fixed seed):
// registration data, users (DEMO / 1234 among them) and their work areas, a catalogue with
// list-A, other controlled and free components, DCB names, and a month of orders with
// formulas, components and ready-made items, some of them lacking a notification number, a
// CRM, a prescription date or a prescribed capsule quantity. One transaction: all or nothing.
// suiteFolder names the work-area databases in ESTACOES.DATBASNAM.
void fillDemoData(fb::Attachment& main, const std::string& suiteFolder);

} // namespace rmnra
