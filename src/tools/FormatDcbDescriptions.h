#pragma once

#include "common/UserInterface.h"

namespace rmnra {

namespace fb {
class Attachment;
}

// "Formatar Descri\xE7\xE3o do DCB": rewrites every DCB description with Converte_Codigo, in
// one transaction with one statement per changed row. A row the database refuses shows
// the "[Formata_Descricao]" message and the run goes on; the refused statement alone is
// undone, so the refusal does not come back with later rows. Any other error is thrown.
void FormatarDescrioDCB1Click(fb::Attachment& main, UserInterface& ui);

} // namespace rmnra
