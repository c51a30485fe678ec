#include "FloorStatement.h"

#include "data/ColumnLists.h"
#include "data/fb/Attachment.h"
#include "data/fb/Transaction.h"

namespace rmnra::bench {

unsigned insertFormulaRowsInOneStatement(fb::Attachment& main, const std::string& cnpj,
                                         const Date& firstDay, const Date& lastDay) {
    // The same rules as the preparation: exact type "Pedido", a named component whose code
    // is in the catalogue as controlled list "A", the DCB name when found, the capsule count
    // at least 1 and the prescribed count corrected to it when missing. The same join plan as
    // the preparation's reader: the month's orders first, then their details by key.
    const std::string sql =
        std::string("INSERT INTO RMNRB2 (") + Rmnrb2Columns +
        ") SELECT co.DCB, COALESCE(d.DESCRICAO, c.COMPONENTE), '-', "
        "LEFT(f.FORMAFARMA, 3) || ' e ' || "
        "CASE WHEN c.QDEDIG IS NULL THEN '' "
        "WHEN c.QDEDIG = TRUNC(c.QDEDIG) THEN CAST(CAST(c.QDEDIG AS BIGINT) AS VARCHAR(20)) "
        "ELSE CAST(CAST(c.QDEDIG AS NUMERIC(18, 4)) AS VARCHAR(24)) END || ' ' || c.UNIDDIG, "
        "f.NUMERONOTIFICACAO, f.DATAPRESCRICAO, p.MEDICO, p.CRM, "
        "CASE WHEN f.QDE_CAPS_PRESCRITA > 0 THEN f.QDE_CAPS_PRESCRITA "
        "WHEN f.QDECAPSULAS > 0 THEN f.QDECAPSULAS ELSE 1 END || ' ' || LEFT(f.FORMAFARMA, 3), "
        "CASE WHEN f.QDECAPSULAS > 0 THEN f.QDECAPSULAS ELSE 1 END || ' ' || "
        "LEFT(f.FORMAFARMA, 3), "
        "p.ESTACAO, p.NPEDIDO, f.NFORMULA, CAST(? AS VARCHAR(14)) "
        "FROM PEDIDOS p "
        "JOIN PEDIFORM f ON f.ESTACAO = p.ESTACAO || '' AND f.NPEDIDO = p.NPEDIDO + 0 "
        "JOIN COMPEDID c ON c.ESTACAO = f.ESTACAO AND c.NPEDIDO = f.NPEDIDO "
        "AND c.NFORMULA = f.NFORMULA "
        "JOIN COMPONEN co ON co.CODIGO = LEFT(c.CODIGOCOMP, 13) "
        "LEFT JOIN DCB d ON d.DCB = co.DCB "
        "WHERE p.DATAPEDIDO BETWEEN ? AND ? AND p.TIPOPEDIDO = 'Pedido' "
        "AND c.COMPONENTE <> '' AND UPPER(LEFT(co.CONTROLADA, 1)) = 'S' "
        "AND LEFT(co.LISTA, 1) = 'A'";
    fb::Transaction tx = main.startTransaction();
    const unsigned rows = tx.execute(sql, {cnpj, firstDay, lastDay});
    tx.commit();
    return rows;
}

} // namespace rmnra::bench
