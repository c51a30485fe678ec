#pragma once

#include "book/BookContext.h"

namespace rmnra {

// "Acertar Qde. Caps. Prescrita": rebuilds the pharmacy's book from the formulas of the
// month named in the registration data, fills in missing prescribed capsule quantities
// and runs the consistency pass. Unlike book preparation it selects the month's orders of
// every type (walking only those of type "Pedido"), scans no ready-made items, processes
// no window events and prints nothing. The rebuild is one transaction. Returns false
// when the registration month names no period (the message is shown, nothing changed).
bool CorrectPrescribedCapsules(BookContext& ctx);

} // namespace rmnra
