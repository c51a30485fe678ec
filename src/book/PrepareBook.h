#pragma once

#include "BookContext.h"
#include "common/Dates.h"

namespace rmnra {

namespace fb {
class Attachment;
}

// Builds the book of the period for the pharmacy: the month's orders of type "Pedido",
// one row per list-"A" formula component (or ready-made item of an order without
// formulas), missing prescribed capsule quantities filled in, all stored in one
// transaction; then the consistency pass and the official book. Returns false when the
// orders could not be read (the message is shown and nothing changed). Any other error is
// thrown, with the old book and the formulas left as they were.
bool Prepara_Rmnra(BookContext& ctx, const Date& firstDay, const Date& lastDay);

// Stores the period in the first row of PERIODO of the work-area database (a new row when
// the table is empty), leaving the other columns as they are.
void storePeriod(fb::Attachment& workArea, const Date& firstDay, const Date& lastDay);

// "Preparar Livro": the period from MES and EXERCICIO of the registration row, stored in
// PERIODO, then Prepara_Rmnra. A month that names no period is refused with a message
// naming both values, and nothing is stored. Returns whether the book was prepared.
bool actPrepararLivroExecute(BookContext& ctx, fb::Attachment& workArea);

} // namespace rmnra
