#include "BookRowRules.h"

#include "QuantityText.h"
#include "common/Text.h"

namespace rmnra::bookrules {

bool qualifies(const std::string& code, const std::optional<CatalogueEntry>& entry) {
    if (!entry || entry->CODIGO != code)
        return false;
    const std::string controlada = upperAscii(leftOf(entry->CONTROLADA, 1));
    return controlada == "S" && leftOf(entry->LISTA, 1) == "A";
}

std::string description(const std::string& dcbCode, const std::optional<DcbEntry>& found,
                        const std::string& name) {
    const std::string foundCode = found ? found->DCB : std::string();
    if (foundCode == dcbCode)
        return found ? found->DESCRICAO : std::string();
    return name;
}

std::int64_t capsuleCount(const FormulaRecord& formula) {
    return formula.QDECAPSULAS && *formula.QDECAPSULAS > 0 ? *formula.QDECAPSULAS : 1;
}

std::string capsuleQuantityText(std::int64_t count, const std::string& formaFarma) {
    return std::to_string(count) + " " + leftOf(formaFarma, 3);
}

BookRow formulaRow(const OrderRecord& order, const FormulaRecord& formula,
                   const ComponentRecord& component, const CatalogueEntry& entry,
                   const std::string& descriptionText, std::int64_t capsules,
                   std::int64_t prescribedCaps, const std::string& cnpj) {
    BookRow r;
    r.DCB = entry.DCB;
    r.DESCRICAO = descriptionText;
    r.MEDICAMENTO = "-";
    r.APRESENTACAO = leftOf(formula.FORMAFARMA, 3) + " e " + generalNumberText(component.QDEDIG) +
                     " " + component.UNIDDIG;
    r.NUMERONOTIFICACAO = formula.NUMERONOTIFICACAO;
    r.DATA = formula.DATAPRESCRICAO;
    r.MEDICO = order.MEDICO;
    r.CRM = order.CRM;
    r.QDE_DISPENSADA = capsuleQuantityText(capsules, formula.FORMAFARMA);
    r.QDE_PRESCRICAO = capsuleQuantityText(prescribedCaps, formula.FORMAFARMA);
    r.ESTACAO = order.ESTACAO;
    r.NPEDIDO = std::to_string(order.NPEDIDO);
    r.NFORMULA = std::to_string(formula.NFORMULA);
    r.CNPJ = cnpj;
    return cutToColumns(std::move(r));
}

BookRow itemRow(const OrderRecord& order, const ItemRecord& item, const std::string& name,
                const CatalogueEntry& entry, const std::string& descriptionText,
                const std::string& cnpj) {
    BookRow r;
    r.DCB = entry.REGMSMEDICAM;
    r.DESCRICAO = descriptionText;
    r.MEDICAMENTO = name;
    r.APRESENTACAO = item.UNIDADE;
    r.NUMERONOTIFICACAO = item.NUMERONOTIFICACAO;
    r.DATA = item.DATAPRESCRICAO;
    r.MEDICO = order.MEDICO;
    r.CRM = order.CRM;
    r.QDE_PRESCRICAO = oneDecimalMaskText(item.QDE.value_or(0.0)) + " cx";
    r.QDE_DISPENSADA = r.QDE_PRESCRICAO;
    r.ESTACAO = order.ESTACAO;
    r.NPEDIDO = std::to_string(order.NPEDIDO);
    r.NFORMULA = "0";
    r.CNPJ = cnpj;
    return cutToColumns(std::move(r));
}

} // namespace rmnra::bookrules
