#include "Schema.h"

#include "fb/Attachment.h"
#include "fb/Transaction.h"

namespace rmnra {
namespace {

// Every table of the suite that the program touches, in the column order its statements use.
// Keys as the suite declares them; RMNRB2, DADOSGER and ESTACOES have none.
const std::vector<TableDef> kMainTables = {
    {"PEDIDOS",
     {
         {"ESTACAO", "varchar(2)", true},
         {"NPEDIDO", "integer", true},
         {"NOME", "varchar(40)", false},
         {"ENDER1", "varchar(60)", false},
         {"ENDER2", "varchar(40)", false},
         {"FONE", "varchar(30)", false},
         {"MEDICO", "varchar(40)", false},
         {"ESTACAOCLIENTE", "varchar(2)", false},
         {"CODIGOCLIENTE", "integer", false},
         {"DATAPEDIDO", "date", false},
         {"HORAPEDIDO", "time", false},
         {"RECEBIDOPOR", "varchar(20)", false},
         {"ENTREGUEPOR", "varchar(20)", false},
         {"DATAENTREGA", "date", false},
         {"HORAENTREGA", "time", false},
         {"TIPOPEDIDO", "varchar(10)", false},
         {"QDEFORMULAS", "integer", false},
         {"PRECOFINAL", "numeric(15,2)", false},
         {"PRECOTOTAL", "numeric(15,2)", false},
         {"USASUBSTCONTR", "varchar(1)", false},
         {"CUPOMFISCAL", "integer", false},
         {"JANOLIVRO", "varchar(1)", false},
         {"CRM", "varchar(10)", false},
         {"OBS1", "varchar(50)", false},
         {"OBS2", "varchar(50)", false},
         {"VETF", "varchar(9)", false},
         {"CONVENIO", "varchar(40)", false},
         {"DESCPERC", "numeric(15,2)", false},
         {"DESCONTO", "numeric(15,2)", false},
         {"SINAL", "numeric(15,2)", false},
         {"VALORRESTANTE", "numeric(15,2)", false},
         {"VENCIMENTO", "date", false},
         {"PAGO", "varchar(1)", false},
         {"DATAPAGAMENTO", "date", false},
         {"PRONTO", "varchar(1)", false},
         {"ENTREGUE", "varchar(1)", false},
         {"IMPORTADO", "varchar(1)", false},
         {"REFERENCIA", "varchar(20)", false},
         {"EMPRESA", "varchar(2)", false},
         {"MATRICULA", "varchar(10)", false},
         {"FORMAPAGAMENTO", "varchar(40)", false},
         {"CODENTREGA", "varchar(13)", false},
         {"SITENTREGA", "varchar(2)", false},
         {"CUSTO", "numeric(15,2)", false},
         {"VENDEDOR", "varchar(15)", false},
         {"CAIXA", "varchar(15)", false},
         {"CAIXAQ", "varchar(15)", false},
         {"LABORATORIO", "varchar(20)", false},
         {"ACRESCPERC", "numeric(15,2)", false},
         {"NPED", "integer", false},
         {"NCF", "integer", false},
         {"DATA_CONF_ENTREGA", "date", false},
         {"TIPODOCUMENTO", "varchar(4)", false},
         {"NUMDOCUMENTO", "varchar(15)", false},
         {"ORGAOEXPEDIDOR", "varchar(12)", false},
         {"UFEMISSAODOCUMENTO", "varchar(2)", false},
         {"CONSELHOPROFISSIONAL", "varchar(10)", false},
         {"UFCONSELHO", "varchar(2)", false},
         {"PACIENTE", "varchar(40)", false},
         {"FONEPACIENTE", "varchar(30)", false},
         {"CCF", "varchar(12)", false},
         {"CODLIVRO", "integer", false},
     },
     {"ESTACAO", "NPEDIDO"}},
    {"PEDIFORM",
     {
         {"ESTACAO", "varchar(2)", true},
         {"NPEDIDO", "integer", true},
         {"NFORMULA", "integer", true},
         {"FORMAFARMA", "varchar(20)", false},
         {"POSOLOGIA", "varchar(240)", false},
         {"PRECOFORMULA", "numeric(15,2)", false},
         {"QDECAPSULAS", "integer", false},
         {"QDEROTULOS", "integer", false},
         {"TAMROTULO", "varchar(13)", false},
         {"VALIDADE", "varchar(15)", false},
         {"VOLUMETOTAL", "numeric(15,2)", false},
         {"UNIDADE", "varchar(3)", false},
         {"USO", "varchar(10)", false},
         {"ROTULO", "blob", false},
         {"USASUBSTCONTR", "varchar(1)", false},
         {"LIVRO", "varchar(3)", false},
         {"CODLIVRO", "integer", false},
         {"VOLUME_MIN", "numeric(15,2)", false},
         {"VOLUME_MAX", "numeric(15,2)", false},
         {"DESDOBRAMENTO", "integer", false},
         {"PRONTO", "char(1)", false},
         {"ENTREGUE", "char(1)", false},
         {"OBSERVACAO", "varchar(240)", false},
         {"IMPORTADO", "char(1)", false},
         {"PADRAOPRECO", "numeric(15,2)", false},
         {"ROTPRONTO", "char(1)", false},
         {"CONFERIDO", "char(1)", false},
         {"DATAPROXPED", "date", false},
         {"QUANTIDADEDIAS", "integer", false},
         {"NOMEFORMULA", "varchar(50)", false},
         {"OBSDOSAGEM", "varchar(100)", false},
         {"GRUPOF", "varchar(3)", false},
         {"QDEGOTASCALC", "integer", false},
         {"QDEGOTASSOLIC", "integer", false},
         {"CUSTOFORMULA", "numeric(15,2)", false},
         {"ODESPE", "numeric(15,2)", false},
         {"ODCILI", "numeric(15,2)", false},
         {"ODEIXO", "integer", false},
         {"ODADIC", "numeric(15,2)", false},
         {"OEESPE", "numeric(15,2)", false},
         {"OECILI", "numeric(15,2)", false},
         {"OEEIXO", "integer", false},
         {"OEADIC", "numeric(15,2)", false},
         {"LOTE", "integer", false},
         {"FORMULA", "varchar(250)", false},
         {"PROCED_MANIP", "varchar(250)", false},
         {"PROCED_MANIP2", "varchar(250)", false},
         {"NUMERONOTIFICACAO", "varchar(12)", false},
         {"DATAPRESCRICAO", "date", false},
         {"USO_SNGPC", "varchar(11)", false},
         {"QDE_CAPS_PRESCRITA", "integer", false},
         {"RESF_TRANSPORTE", "varchar(5)", false},
         {"LABORATORIO", "varchar(20)", false},
         {"NUMDAV", "varchar(15)", false},
     },
     {"ESTACAO", "NPEDIDO", "NFORMULA"}},
    {"COMPEDID",
     {
         {"ESTACAO", "varchar(2)", true},
         {"NPEDIDO", "integer", true},
         {"NFORMULA", "integer", true},
         {"COMPONENTE", "varchar(40)", true},
         {"QDE", "double precision", false},
         {"UNID", "varchar(3)", false},
         {"VALOR", "numeric(15,8)", false},
         {"COMPONENTEDIG", "varchar(40)", false},
         {"QDEDIG", "double precision", false},
         {"UNIDDIG", "varchar(3)", false},
         {"GRUPO", "varchar(5)", false},
         {"USADO", "varchar(1)", false},
         {"ORDEM", "integer", false},
         {"TIPOPEDIDO", "varchar(3)", false},
         {"CONTROLADA", "varchar(3)", false},
         {"JANOLIVRO", "varchar(1)", false},
         {"IMPORTADO", "varchar(1)", false},
         {"VALIDADE", "numeric(15,2)", false},
         {"FORMULAPREDEFINIDA", "varchar(3)", false},
         {"GRUPOF", "varchar(3)", false},
         {"CODIGOCOMP", "varchar(20)", false},
         {"QDEGOTASCALC", "integer", false},
         {"QDEGOTASSOLIC", "integer", false},
         {"CODIGO", "varchar(13)", false},
         {"CUSTO", "numeric(15,2)", false},
         {"TEMPOMANIP", "integer", false},
         {"LOTE", "varchar(30)", false},
         {"FORNECEDOR", "varchar(35)", false},
         {"CUSTOFIXO", "numeric(15,2)", false},
         {"USAR_FORMPRECO", "varchar(1)", false},
         {"DCB", "varchar(15)", false},
         {"REGMSMEDICAM", "varchar(15)", false},
         {"QDEESTOQUE", "numeric(15,2)", false},
         {"VALIDADELOTE", "date", false},
         {"DENSIDADE", "numeric(15,2)", false},
         {"FATORCORRECAO", "numeric(15,2)", false},
         {"FATORDILUICAO", "numeric(15,2)", false},
     },
     {"ESTACAO", "NPEDIDO", "NFORMULA", "COMPONENTE"}},
    {"ITENS",
     {
         {"ESTACAO", "varchar(2)", true},
         {"NPEDIDO", "integer", true},
         {"CODPROD", "varchar(20)", true},
         {"GRUPO", "varchar(5)", false},
         {"DESCRICAO", "varchar(70)", false},
         {"UNIDADE", "varchar(4)", false},
         {"CUSTOUNITR", "numeric(15,2)", false},
         {"VALUNIT", "numeric(15,2)", false},
         {"QDE", "numeric(15,2)", false},
         {"VALTOT", "numeric(15,2)", false},
         {"DESCPERC", "numeric(15,2)", false},
         {"DESCDIN", "numeric(15,2)", false},
         {"VALFINAL", "numeric(15,2)", false},
         {"LOJA", "varchar(5)", false},
         {"USADO", "varchar(1)", false},
         {"IMPORTADO", "varchar(1)", false},
         {"ORDEM", "integer", false},
         {"DATAPROXPED", "date", false},
         {"QUANTIDADEDIAS", "integer", false},
         {"CUSTOT", "numeric(15,2)", false},
         {"CONTROLADA", "varchar(3)", false},
         {"NUMERONOTIFICACAO", "varchar(12)", false},
         {"DATAPRESCRICAO", "date", false},
         {"USO", "varchar(11)", false},
         {"NUMLOTEMEDICAM", "varchar(20)", false},
         {"FABRICANTE", "varchar(40)", false},
         {"NSOLICITACAOFP", "integer", false},
         {"PRECO_DESC", "numeric(15,2)", false},
         {"DESCMAX", "numeric(15,2)", false},
         {"DESCPRO", "varchar(1)", false},
         {"LABORATORIO", "varchar(20)", false},
         {"NUMDAV", "varchar(15)", false},
     },
     {"ESTACAO", "NPEDIDO", "CODPROD"}},
    {"ENTREGAR",
     {
         {"ESTACAO", "varchar(2)", true},
         {"PEDIDO", "integer", true},
         {"SEDEX_DOMICILIO", "varchar(1)", false},
         {"NOME", "varchar(40)", false},
         {"ENDERECO", "varchar(60)", false},
         {"COMPLEMENTO", "varchar(40)", false},
         {"CIDADE", "varchar(30)", false},
         {"ESTADO", "varchar(2)", false},
         {"CEP", "varchar(10)", false},
         {"TAXA", "numeric(15,2)", false},
         {"DATA", "date", false},
         {"HORA", "time", false},
         {"FONE", "varchar(30)", false},
         {"REFERENCIA", "varchar(60)", false},
         {"ROTA", "varchar(20)", false},
         {"IMPORTADO", "varchar(1)", false},
     },
     {"ESTACAO", "PEDIDO"}},
    {"COMPONEN",
     {
         {"CODIGO", "varchar(20)", true},
         {"COMPONENTE", "varchar(70)", false},
         {"GRUPO", "varchar(5)", false},
         {"FAMILIA", "varchar(30)", false},
         {"UNID", "varchar(4)", false},
         {"CONTROLADA", "varchar(3)", false},
         {"CUSTOUNITUS", "numeric(15,8)", false},
         {"CUSTOUNITR", "numeric(15,8)", false},
         {"MULTIPLICADOR", "numeric(15,8)", false},
         {"DIVISORUNID", "numeric(15,8)", false},
         {"PRECOUS", "numeric(15,8)", false},
         {"PRECOR", "numeric(15,8)", false},
         {"QDEESTOQUE", "double precision", false},
         {"ESTOQUECRITICO", "double precision", false},
         {"ESTOQUEMAXIMO", "double precision", false},
         {"TRIBUTACAO", "varchar(3)", false},
         {"ICMS", "numeric(15,8)", false},
         {"FABRICANTE", "varchar(40)", false},
         {"FORNECEDOR", "varchar(40)", false},
         {"LOTE", "varchar(30)", false},
         {"FATORCORRECAO", "numeric(15,8)", false},
         {"DENSIDADE", "numeric(15,8)", false},
         {"USAEXCIPIENTE", "varchar(1)", false},
         {"DOSAGEMMIN", "numeric(15,8)", false},
         {"DOSAGEMMAX", "numeric(15,8)", false},
         {"DOSEMINPERC", "numeric(15,8)", false},
         {"DOSEMAXPERC", "numeric(15,8)", false},
         {"FICHATECNICA", "blob", false},
         {"EXCIPIENTE", "varchar(40)", false},
         {"VALIDADE", "timestamp", false},
         {"DCB", "varchar(15)", false},
         {"LISTA", "varchar(2)", false},
         {"USOCONTINUO", "varchar(1)", false},
         {"VALIDADEPRODMANIP", "numeric(15,8)", false},
         {"FATORDILUICAO", "numeric(15,8)", false},
         {"CORCAPSULA", "varchar(25)", false},
         {"COMISSAO", "numeric(15,8)", false},
         {"MEQ", "numeric(15,8)", false},
         {"GRUPOF", "varchar(1)", false},
         {"TEMPOMANIP", "integer", false},
         {"BC", "numeric(15,8)", false},
         {"UNID_VENDA", "varchar(4)", false},
         {"CUSTOFIXO", "numeric(15,8)", false},
         {"USAR_FORMPRECO", "varchar(1)", false},
         {"GRUPOS", "varchar(12)", false},
         {"TIPORECEITA", "varchar(5)", false},
         {"REGMSMEDICAM", "varchar(15)", false},
         {"EXCIPIENTE2", "varchar(40)", false},
         {"EXCIPIENTE3", "varchar(40)", false},
         {"EXCIPIENTE4", "varchar(40)", false},
         {"EXCIPIENTE5", "varchar(40)", false},
         {"CLASSE", "varchar(20)", false},
         {"DESCONTO", "numeric(15,8)", false},
         {"CONDARMAZENA", "varchar(240)", false},
         {"ALIQIPI", "numeric(15,8)", false},
         {"ALIQISS", "numeric(15,8)", false},
         {"BASEICMS", "numeric(15,8)", false},
         {"SUBSTRIB", "varchar(1)", false},
         {"LUCROST", "numeric(15,8)", false},
         {"ICMSECF", "numeric(15,8)", false},
         {"CST", "numeric(15,8)", false},
         {"NOMECIENTIFICO", "varchar(40)", false},
         {"GRUPOPRECO", "varchar(60)", false},
     },
     {"CODIGO"}},
    {"DCB",
     {
         {"DCB", "varchar(10)", true},
         {"DESCRICAO", "varchar(60)", false},
     },
     {"DCB"}},
    {"RMNRB2",
     {
         {"DCB", "varchar(15)", false},
         {"DESCRICAO", "varchar(60)", false},
         {"MEDICAMENTO", "varchar(60)", false},
         {"APRESENTACAO", "varchar(60)", false},
         {"NUMERONOTIFICACAO", "varchar(30)", false},
         {"DATA", "date", false},
         {"MEDICO", "varchar(50)", false},
         {"CRM", "varchar(10)", false},
         {"QDE_PRESCRICAO", "varchar(30)", false},
         {"QDE_DISPENSADA", "varchar(30)", false},
         {"ESTACAO", "varchar(2)", false},
         {"NPEDIDO", "varchar(10)", false},
         {"NFORMULA", "varchar(2)", false},
         {"CNPJ", "varchar(14)", false},
     },
     {}},
    {"DADOSGER",
     {
         {"CODIGOLIVRO", "varchar(3)", false},
         {"CODIGOLIVROSC", "varchar(3)", false},
         {"NUMEROINICIAL", "integer", false},
         {"NUMEROINICIALSC", "integer", false},
         {"QDEFOLHAS", "integer", false},
         {"QDEFOLHASSC", "integer", false},
         {"REGISTRO", "varchar(40)", false},
         {"REGISTROSC", "varchar(40)", false},
         {"FIRMA", "varchar(40)", false},
         {"FARMACIA", "varchar(40)", false},
         {"FARMACEUTICO", "varchar(40)", false},
         {"ENDERECO", "varchar(60)", false},
         {"NUMERO", "varchar(6)", false},
         {"CIDADE", "varchar(30)", false},
         {"ESTADO", "varchar(2)", false},
         {"NUMEROJUNTA", "varchar(18)", false},
         {"ESTADOEXT", "varchar(22)", false},
         {"INSCRICAOEST", "varchar(18)", false},
         {"CGC", "varchar(18)", false},
         {"DIADESPACHO", "integer", false},
         {"MESDESPACHO", "varchar(9)", false},
         {"ANODESPACHO", "integer", false},
         {"CID", "varchar(20)", false},
         {"DIA", "integer", false},
         {"MES", "varchar(9)", false},
         {"ANO", "integer", false},
         {"NAUTORIZACAO", "varchar(10)", false},
         {"TELEFONE", "varchar(30)", false},
         {"FAX", "varchar(30)", false},
         {"EXERCICIO", "varchar(4)", false},
         {"ANUALTRIMESTRAL", "varchar(10)", false},
         {"TRIMESTRE", "varchar(10)", false},
         {"PORTARIABSPO", "varchar(20)", false},
         {"QDEFOLHASBSPO", "integer", false},
         {"PREENCHIDOPORBSPO", "varchar(40)", false},
         {"CRF_Q", "varchar(15)", false},
         {"REGIAO", "varchar(20)", false},
         {"DATABSPO", "date", false},
         {"CNPJ", "varchar(18)", false},
         {"NLICENCA_FUNC", "varchar(30)", false},
         {"SECRETARIA_SAUDE", "varchar(60)", false},
         {"AUTORIDADE_SANITARIA", "varchar(60)", false},
         {"CEP", "varchar(10)", false},
         {"BAIRRO", "varchar(30)", false},
         {"COMPLEMENTO", "varchar(30)", false},
     },
     {}},
    {"USUARIOS",
     {
         {"USUARIO", "varchar(30)", true},
         {"CODIGO", "varchar(10)", false},
         {"SENHA", "varchar(12)", false},
         {"ACESSO", "varchar(100)", false},
         {"ARQUIVO", "varchar(8)", false},
         {"LOGADO", "varchar(1)", false},
         {"ESTACAO", "varchar(15)", false},
         {"CONSIST_INICIAL", "varchar(1)", false},
         {"DEFVIDEOORV", "integer", false},
     },
     {"USUARIO"}},
    {"ESTACOES",
     {
         {"ESTACAO", "varchar(3)", true},
         {"DATBASNAM", "varchar(60)", false},
         {"TIPO", "varchar(16)", false},
         {"ATCAIXA", "varchar(60)", false},
         {"ESVAZIAR", "varchar(3)", false},
         {"EMUSO", "varchar(3)", false},
         {"CAMINHOREQUISICAO", "varchar(80)", false},
         {"CAMINHOOM", "varchar(80)", false},
         {"CAMINHOECF", "varchar(80)", false},
         {"CAMINHOSEQUENCIAL1", "varchar(80)", false},
         {"CAMINHO2", "varchar(80)", false},
         {"ROTULO1", "varchar(80)", false},
         {"ROTULO2", "varchar(80)", false},
         {"ROTULO3", "varchar(80)", false},
         {"ROTULO4", "varchar(80)", false},
         {"ROTULO5", "varchar(80)", false},
         {"ROTULO6", "varchar(80)", false},
         {"USUARIO", "varchar(60)", false},
         {"CNPJ", "varchar(14)", false},
     },
     {}},
};

const std::vector<TableDef> kWorkAreaTables = {
    {"PERIODO",
     {
         {"DATAINICIAL", "date", false},
         {"DATAFINAL", "date", false},
         {"HORAINICIAL", "time", false},
         {"HORAFINAL", "time", false},
         {"CHAVE", "varchar(1)", false},
         {"ESTACAO", "varchar(2)", false},
         {"NPEDIDO", "integer", false},
         {"NFORMULA", "integer", false},
         {"VALORTOTAL", "numeric(15,8)", false},
         {"VALORTOTAL2", "numeric(15,8)", false},
     },
     {}},
};

} // namespace

const std::vector<TableDef>& mainTables() {
    return kMainTables;
}
const std::vector<TableDef>& workAreaTables() {
    return kWorkAreaTables;
}

const TableDef* findTable(const std::string& name) {
    for (const auto* list : {&kMainTables, &kWorkAreaTables})
        for (const auto& t : *list)
            if (t.name == name)
                return &t;
    return nullptr;
}

std::string TableDef::columnList() const {
    std::string s;
    for (const auto& c : columns) {
        if (!s.empty())
            s += ", ";
        s += c.name;
    }
    return s;
}

bool TableDef::isKey(const std::string& column) const {
    for (const auto& k : key)
        if (k == column)
            return true;
    return false;
}

std::string createTableSql(const TableDef& table) {
    std::string sql = "CREATE TABLE " + table.name + " (";
    bool first = true;
    for (const auto& c : table.columns) {
        sql += first ? "" : ", ";
        first = false;
        sql += c.name + " " + c.type;
        bool text = c.type.rfind("varchar", 0) == 0 || c.type.rfind("char", 0) == 0;
        if (text)
            sql += " CHARACTER SET NONE";
        if (c.notNull)
            sql += " NOT NULL";
    }
    if (!table.key.empty()) {
        sql += ", PRIMARY KEY (";
        for (size_t i = 0; i < table.key.size(); ++i)
            sql += (i ? ", " : "") + table.key[i];
        sql += ")";
    }
    return sql + ")";
}

namespace {

void createTables(fb::Attachment& db, const std::vector<TableDef>& tables) {
    // DDL must be committed before the tables can be used; one transaction per table keeps a
    // failure pointing at its table.
    for (const auto& t : tables)
        db.executeImmediate(createTableSql(t));
}

fb::Attachment createDatabase(const fb::Client& client, const std::string& path,
                              const std::string& charset, const std::vector<TableDef>& tables,
                              bool forcedWrites) {
    auto params = fb::ConnectionParams::forDatabase(path, charset);
    params.forcedWrites = forcedWrites;
    auto db = fb::Attachment::create(client, params);
    createTables(db, tables);
    return db;
}

} // namespace

fb::Attachment createMainDatabase(const fb::Client& client, const std::string& path,
                                  bool forcedWrites) {
    return createDatabase(client, path, "NONE", kMainTables, forcedWrites);
}

fb::Attachment createWorkAreaDatabase(const fb::Client& client, const std::string& path,
                                      bool forcedWrites) {
    return createDatabase(client, path, "WIN1252", kWorkAreaTables, forcedWrites);
}

} // namespace rmnra
