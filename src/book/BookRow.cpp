#include "BookRow.h"

#include "common/Text.h"

namespace rmnra {

BookRow cutToColumns(BookRow r) {
    using W = BookColumnWidths;
    r.DCB = cutTo(r.DCB, W::DCB);
    r.DESCRICAO = cutTo(r.DESCRICAO, W::DESCRICAO);
    r.MEDICAMENTO = cutTo(r.MEDICAMENTO, W::MEDICAMENTO);
    r.APRESENTACAO = cutTo(r.APRESENTACAO, W::APRESENTACAO);
    r.NUMERONOTIFICACAO = cutTo(r.NUMERONOTIFICACAO, W::NUMERONOTIFICACAO);
    r.MEDICO = cutTo(r.MEDICO, W::MEDICO);
    r.CRM = cutTo(r.CRM, W::CRM);
    r.QDE_PRESCRICAO = cutTo(r.QDE_PRESCRICAO, W::QDE_PRESCRICAO);
    r.QDE_DISPENSADA = cutTo(r.QDE_DISPENSADA, W::QDE_DISPENSADA);
    r.ESTACAO = cutTo(r.ESTACAO, W::ESTACAO);
    r.NPEDIDO = cutTo(r.NPEDIDO, W::NPEDIDO);
    r.NFORMULA = cutTo(r.NFORMULA, W::NFORMULA);
    r.CNPJ = cutTo(r.CNPJ, W::CNPJ);
    return r;
}

} // namespace rmnra
