#include "DemoData.h"

#include "common/Dates.h"
#include "common/Text.h"
#include "fb/Attachment.h"
#include "fb/Statement.h"
#include "fb/Transaction.h"
#include "security/CredentialEncoding.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace rmnra {
namespace {

using fb::Numeric;
using fb::Value;

// Only the raw output of the engine is used: it is the same on every standard library,
// unlike the distributions.
class Dice {
public:
    explicit Dice(uint32_t seed) : engine_(seed) {}
    int below(int n) { return int(engine_() % uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T& pick(const std::vector<T>& v) {
        return v[size_t(below(int(v.size())))];
    }

private:
    std::mt19937 engine_;
};

struct Substance {
    const char* code;       // COMPONEN.CODIGO
    const char* name;       // COMPONEN.COMPONENTE
    const char* controlled; // CONTROLADA
    const char* list;       // LISTA
    const char* dcb;        // DCB code, may be absent from the DCB table
    const char* unit;       // UNIDDIG
    std::vector<double> doses;
};

// Compounding components. Lists as the Brazilian controlled-substance lists name them.
const std::vector<Substance> kListA = {
    {"00101", "Sulfato de morfina", "S", "A1", "06093", "mg", {10, 15, 30}},
    {"00102", "Cloridrato de metadona", "S", "A1", "05848", "mg", {5, 10}},
    {"00103", "Fosfato de code\xEDna", "S", "A2", "02367", "mg", {7.5, 15, 30}},
    {"00104", "Cloridrato de tramadol", "S", "A2", "08757", "mg", {25, 50, 100}},
    {"00105", "Cloridrato de metilfenidato", "S", "A3", "05886", "mg", {5, 10, 20}},
    {"00106", "Dimesilato de lisdexanfetamina", "s", "A3", "09999", "mg", {30, 50}},
};

const std::vector<Substance> kOtherControlled = {
    {"00201", "Diazepam", "S", "B1", "03061", "mg", {2, 5, 10}},
    {"00202", "Clonazepam", "S", "B1", "02318", "mg", {0.25, 0.5, 2}},
    {"00203", "Cloridrato de fluoxetina", "S", "C1", "04170", "mg", {10, 20, 40}},
    {"00204", "Cloridrato de sertralina", "S", "C1", "07918", "mg", {25, 50}},
};

const std::vector<Substance> kFree = {
    {"00301", "Melatonina", "N", "", "", "mg", {1, 3, 5}},
    {"00302", "Cafe\xEDna anidra", "N", "", "01663", "mg", {50, 100}},
    {"00303", "Vitamina D3", "", "", "", "UI", {1000, 2000, 5000}},
    {"00304", "Magn\xE9sio quelato", "N", "", "", "mg", {100, 200}},
    {"00305", "Extrato seco de Valeriana", "N", "", "", "mg", {50, 100}},
    {"00306",
     "\xC1"
     "cido f\xF3lico",
     "N",
     "",
     "",
     "mg",
     {0.4, 5}},
};

const Substance kExcipient = {"00401", "Excipiente padr\xE3o (amido e lactose)", "N", "", "", "qsp",
                              {1}};

struct Product {
    const char* code; // CODIGO / ITENS.CODPROD (13 characters)
    const char* name;
    const char* controlled;
    const char* list;
    const char* regms; // REGMSMEDICAM: stands in for the DCB code
    double price;
};

const std::vector<Product> kProducts = {
    {"7896004700014", "Tramadol 50 mg c/ 10 c\xE1psulas", "S", "A2", "1055301", 24.90},
    {"7896004700021", "Code\xEDna 30 mg c/ 20 comprimidos", "S", "A2", "1055302", 41.50},
    {"7896004700038", "Metilfenidato 10 mg c/ 30 comprimidos", "S", "A3", "1055303", 59.90},
    {"7896004700045", "Clonazepam 2 mg c/ 30 comprimidos", "S", "B1", "1055304", 12.30},
    {"7896004700052", "Fluoxetina 20 mg c/ 28 c\xE1psulas", "S", "C1", "1055305", 18.70},
    {"7896004700069", "Dipirona 500 mg c/ 10 comprimidos", "N", "", "", 6.50},
    {"7896004700076", "Protetor solar FPS 50 120 ml", "N", "", "", 49.00},
};

// DCB names as the suite has them: some in capitals, some accented, some plain.
const std::vector<std::pair<const char*, const char*>> kDcb = {
    {"06093", "SULFATO DE MORFINA"},
    {"05848", "Cloridrato de metadona"},
    {"02367", "Fosfato de code\xEDna hemi-hidratado"},
    {"08757", "CLORIDRATO DE TRAMADOL"},
    {"05886", "cloridrato de metilfenidato"},
    {"03061", "DIAZEP\xC2M"},
    {"02318", "Clonazepam"},
    {"04170", "CLORIDRATO DE FLUOXETINA"},
    {"07918", "Cloridrato de sertralina"},
    {"01663", "Cafe\xEDna"},
    {"1055301", "Cloridrato de tramadol (medicamento)"},
    {"1055302", "FOSFATO DE CODE\xCDNA (MEDICAMENTO)"},
    {"1055303", "Cloridrato de metilfenidato (medicamento)"},
    {"1055304", "Clonazepam (medicamento)"},
    {"1055305", "Cloridrato de fluoxetina (medicamento)"},
};

struct Doctor {
    const char* name;
    const char* crm; // empty: the order lacks it
};

const std::vector<Doctor> kDoctors = {
    {"Dr. Ant\xF4nio Carlos Ribeiro", "54321"},
    {"Dra. Beatriz Nogueira Lima", "61234"},
    {"Dr. Jo\xE3o Paulo Mendon\xE7"
     "a",
     "48876"},
    {"Dra. Fernanda Assis Prado", "72210"},
    {"Dr. Ricardo Tavares", "39904"},
    {"Dra. L\xFA"
     "cia Helena Campos",
     "80531"},
    {"Dr. Marcelo Azevedo", ""},
};

const std::vector<const char*> kFirstNames = {"Ana",
                                              "Bruno",
                                              "Carla",
                                              "Diego",
                                              "Elaine",
                                              "F\xE1"
                                              "bio",
                                              "Gabriela",
                                              "Hugo",
                                              "Isabela",
                                              "Jos\xE9",
                                              "Karina",
                                              "Lu\xED"
                                              "s",
                                              "Marina",
                                              "Ot\xE1vio",
                                              "Patr\xED"
                                              "cia",
                                              "Rafael",
                                              "S\xF4nia",
                                              "Tiago",
                                              "Vit\xF3ria",
                                              "Wagner"};
const std::vector<const char*> kSurnames = {"Almeida",
                                            "Barbosa",
                                            "Concei\xE7\xE3o",
                                            "Duarte",
                                            "Esteves",
                                            "Ferreira",
                                            "Gon\xE7"
                                            "alves",
                                            "Henriques",
                                            "Lopes",
                                            "Magalh\xE3"
                                            "es",
                                            "Nascimento",
                                            "Oliveira",
                                            "Pereira",
                                            "Ribeiro",
                                            "Santos",
                                            "Teixeira"};
const std::vector<const char*> kForms = {"C\xE1psula", "C\xE1psula",         "C\xE1psula",
                                         "C\xE1psula", "Solu\xE7\xE3o oral", "Creme",
                                         "Sach\xEA"};
const std::vector<const char*> kDosages = {"Tomar 1 c\xE1psula ao dia",
                                           "Tomar 1 c\xE1psula \xE0 noite",
                                           "Tomar 1 c\xE1psula de 12 em 12 horas",
                                           "Usar conforme orienta\xE7\xE3o m\xE9"
                                           "dica"};

std::string digits(Dice& dice, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += char('0' + dice.below(10));
    return s;
}

// ACESSO: one flag per program of the suite; this program's is the 14th character, whose code
// lowered by 15 must be that of the user's initial.
std::string accessString(const std::string& user, bool granted) {
    std::string s = "SSNSNNSSNNSSN";
    s += granted ? char(user[0] + 15) : 'N';
    return s + "NSNNSN";
}

void insertCatalogue(fb::Transaction& tr) {
    auto comp = tr.prepare("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO, UNID, CONTROLADA, "
                           "DCB, LISTA, CUSTOUNITR, PRECOR, QDEESTOQUE, VALIDADE, TIPORECEITA, "
                           "REGMSMEDICAM, FICHATECNICA) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, NULL)");
    const Timestamp validity{{2028, 6, 30}, {0, 0, 0, 0}};
    auto addSubstance = [&](const Substance& s, const char* group) {
        std::string list = s.list;
        std::string recipe = list.empty() ? "" : list.substr(0, 1); // the colour of the form
        comp.execute({s.code, s.name, group, "g", s.controlled, s.dcb[0] ? Value(s.dcb) : Value(),
                      s.list, Numeric{125000000, -8}, Numeric{480000000, -8}, 250.0, validity,
                      recipe, nullptr});
    };
    for (const auto& s : kListA)
        addSubstance(s, "CTRL");
    for (const auto& s : kOtherControlled)
        addSubstance(s, "CTRL");
    for (const auto& s : kFree)
        addSubstance(s, "MP");
    addSubstance(kExcipient, "EXC");
    for (const auto& p : kProducts)
        comp.execute({p.code, p.name, "PA", "cx", p.controlled, nullptr, p.list,
                      Numeric{int64_t(p.price * 60), -2}, Numeric{int64_t(p.price * 100), -2}, 40.0,
                      validity, "", p.regms[0] ? Value(p.regms) : Value()});
    auto dcb = tr.prepare("insert into DCB (DCB, DESCRICAO) values (?, ?)");
    for (const auto& [code, name] : kDcb)
        dcb.execute({code, name});
}

void insertPharmacy(fb::Transaction& tr, const std::string& suiteFolder) {
    tr.execute(
        "insert into DADOSGER (CODIGOLIVRO, NUMEROINICIAL, QDEFOLHAS, REGISTRO, FIRMA, FARMACIA, "
        "FARMACEUTICO, ENDERECO, NUMERO, CIDADE, ESTADO, INSCRICAOEST, CGC, MES, EXERCICIO, "
        "TELEFONE, CRF_Q, CNPJ, NLICENCA_FUNC, SECRETARIA_SAUDE, AUTORIDADE_SANITARIA, CEP, "
        "BAIRRO, COMPLEMENTO, NAUTORIZACAO) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {"A",
         1,
         200,
         "Livro de Receitu\xE1rio A",
         "Farm\xE1"
         "cia de Manipula\xE7\xE3o Boa F\xF3rmula Ltda",
         "Boa F\xF3rmula",
         "Helena Souza Brand\xE3o",
         "Rua das Ac\xE1"
         "cias",
         "120",
         "Campinas",
         "SP",
         "244.556.778.119",
         kDemoCnpj,
         kDemoMonth,
         kDemoYear,
         "(19) 3232-4545",
         "CRF-SP 45.873",
         "11.222.333/0001-81",
         "LF 3509/2026",
         "Secretaria Municipal de Sa\xFA"
         "de de Campinas",
         "Vigil\xE2ncia Sanit\xE1ria Municipal - VISA Campinas",
         "13010-110",
         "Centro",
         "Loja 2",
         "1.23456-7"});
    auto user = tr.prepare("insert into USUARIOS (USUARIO, CODIGO, SENHA, ACESSO, LOGADO, "
                           "ESTACAO) values (?, ?, ?, ?, ?, ?)");
    struct DemoUser {
        const char* name;
        const char* password;
        bool granted;
        const char* station;
    };
    const DemoUser users[] = {{"DEMO", "1234", true, "01"},
                              {"HELENA", "2026", true, "01"},
                              {"CAIXA", "1111", false, "01"}};
    int code = 1;
    for (const auto& u : users)
        user.execute({EncodeCredential(u.name), std::to_string(code++),
                      EncodeCredential(u.password), accessString(u.name, u.granted), "N",
                      u.station});
    auto station = tr.prepare("insert into ESTACOES (ESTACAO, DATBASNAM, TIPO, ATCAIXA, EMUSO, "
                              "USUARIO, CNPJ) values (?, ?, ?, ?, ?, ?, ?)");
    // DATBASNAM only informs (and must not be empty); a long folder is cut to the column.
    const std::string workArea = cutTo(suiteFolder + "interfac01/orvantis.bd", 60);
    station.execute({"01", workArea, "BALCAO", "", "N", "DEMO", kDemoCnpj});
    station.execute({"01", workArea, "LABORATORIO", "", "N", "Helena", kDemoCnpj});
    station.execute({"01", workArea, "CAIXA", "", "N", "CAIXA", kDemoCnpj});
}

class OrderWriter {
public:
    OrderWriter(fb::Transaction& tr, Dice& dice)
        : dice_(dice),
          order_(tr.prepare("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, FONE, MEDICO, "
                            "DATAPEDIDO, HORAPEDIDO, RECEBIDOPOR, TIPOPEDIDO, QDEFORMULAS, "
                            "PRECOFINAL, PRECOTOTAL, USASUBSTCONTR, CRM, PRONTO, ENTREGUE, "
                            "PACIENTE, UFCONSELHO, CONSELHOPROFISSIONAL) values (?, ?, ?, ?, ?, ?, "
                            "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
          formula_(tr.prepare("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, FORMAFARMA, "
                              "POSOLOGIA, PRECOFORMULA, QDECAPSULAS, USASUBSTCONTR, PRONTO, "
                              "ENTREGUE, NUMERONOTIFICACAO, DATAPRESCRICAO, QDE_CAPS_PRESCRITA) "
                              "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
          component_(tr.prepare("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE, "
                                "QDE, UNID, VALOR, COMPONENTEDIG, QDEDIG, UNIDDIG, ORDEM, "
                                "CONTROLADA, CODIGOCOMP, DCB) values (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                "?, ?, ?, ?, ?)")),
          item_(tr.prepare("insert into ITENS (ESTACAO, NPEDIDO, CODPROD, DESCRICAO, UNIDADE, "
                           "VALUNIT, QDE, VALTOT, VALFINAL, ORDEM, CONTROLADA, "
                           "NUMERONOTIFICACAO, DATAPRESCRICAO) values (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, ?, ?)")) {}

    void write(const std::string& station, int number, const Date& date) {
        const Doctor& doctor = dice_.pick(kDoctors);
        std::string patient = std::string(dice_.pick(kFirstNames)) + " " + dice_.pick(kSurnames) +
                              " " + dice_.pick(kSurnames);
        int kind = dice_.below(100);
        std::string type = kind < 82   ? "Pedido"
                           : kind < 87 ? "PEDIDO"
                           : kind < 95 ? "Orcamento"
                                       : "Venda";
        Date prescribed = prescriptionDate(date);
        bool controlled = false;
        Numeric total{0, -2};
        int formulas = dice_.chance(70) ? 1 + dice_.below(3) : 0;
        for (int f = 1; f <= formulas; ++f)
            total.units += writeFormula(station, number, f, prescribed, controlled);
        if (formulas == 0) {
            int items = 1 + dice_.below(2);
            std::vector<size_t> used;
            for (int i = 0; i < items; ++i) {
                size_t p = size_t(dice_.below(int(kProducts.size())));
                if (std::find(used.begin(), used.end(), p) != used.end())
                    continue;
                used.push_back(p);
                total.units +=
                    writeItem(station, number, i + 1, kProducts[p], prescribed, controlled);
            }
        }
        std::string crm = doctor.crm;
        Value crmValue = crm.empty() ? (dice_.chance(50) ? Value() : Value("")) : Value(crm);
        order_.execute(
            {station, number, patient, "(19) 9" + digits(dice_, 4) + "-" + digits(dice_, 4),
             doctor.name, date, Time{8 + dice_.below(11), dice_.below(60), dice_.below(60), 0},
             dice_.pick(kFirstNames), type, formulas, total, total, controlled ? "S" : "N",
             crmValue, "S", dice_.chance(80) ? "S" : "N", patient, "SP", "CRM"});
    }

private:
    Date prescriptionDate(const Date& orderDate) {
        int mjd = orderDate.modifiedJulianDay() - dice_.below(6);
        return Date::fromModifiedJulianDay(mjd);
    }

    Value notification(bool controlled) {
        if (!controlled || dice_.chance(6))
            return dice_.chance(50) ? Value() : Value("");
        return Value("SP" + digits(dice_, 8));
    }

    Value prescribedOn(bool controlled, const Date& d) {
        if (controlled && dice_.chance(5))
            return {};
        return controlled ? Value(d) : Value();
    }

    int64_t writeFormula(const std::string& station, int number, int nformula,
                         const Date& prescribed, bool& orderControlled) {
        std::string form = dice_.pick(kForms);
        bool capsules = form == "C\xE1psula";
        int count = capsules ? 30 * (1 + dice_.below(4)) : 1;
        std::vector<const Substance*> parts;
        if (dice_.chance(40))
            parts.push_back(&dice_.pick(kListA));
        if (dice_.chance(30))
            parts.push_back(&dice_.pick(kOtherControlled));
        for (int i = dice_.below(3); i >= 0; --i) {
            const Substance* s = &dice_.pick(kFree);
            if (std::find(parts.begin(), parts.end(), s) == parts.end())
                parts.push_back(s);
        }
        if (capsules)
            parts.push_back(&kExcipient);
        bool controlled = false;
        for (auto* s : parts)
            controlled = controlled || std::string(s->list).size() > 0;
        orderControlled = orderControlled || controlled;
        // Some formulas lack the prescribed capsule quantity, or have it as 0.
        int r = dice_.below(100);
        int64_t prescribedCaps = r < 8 ? -1 : r < 11 ? 0 : count;
        int64_t price = 3500 + dice_.below(12000);
        formula_.execute({station, number, nformula, form, dice_.pick(kDosages), Numeric{price, -2},
                          capsules ? Value(count) : Value(dice_.chance(50) ? 0 : 1),
                          controlled ? "S" : "N", "S", "N", notification(controlled),
                          prescribedOn(controlled, prescribed),
                          capsules && prescribedCaps >= 0 ? Value(prescribedCaps) : Value()});
        int order = 1;
        for (auto* s : parts) {
            double dose = s == &kExcipient ? 0 : dice_.pick(s->doses);
            double total = s == &kExcipient ? 0 : dose * count / 1000.0;
            component_.execute({station, number, nformula, s->name, total,
                                s == &kExcipient ? "qsp" : "g",
                                Numeric{int64_t(total * 48000000), -8}, s->name,
                                s == &kExcipient ? Value() : Value(dose), s->unit, order++,
                                s->controlled, s->code, s->dcb[0] ? Value(s->dcb) : Value()});
        }
        return price;
    }

    int64_t writeItem(const std::string& station, int number, int order, const Product& p,
                      const Date& prescribed, bool& orderControlled) {
        bool controlled = std::string(p.list).size() > 0;
        orderControlled = orderControlled || controlled;
        int quantity = 1 + (dice_.chance(25) ? dice_.below(3) : 0);
        int64_t unit = int64_t(p.price * 100 + 0.5);
        Numeric total{unit * quantity, -2};
        item_.execute({station, number, p.code, p.name, "CX", Numeric{unit, -2},
                       Numeric{quantity * 100, -2}, total, total, order, p.controlled,
                       notification(controlled), prescribedOn(controlled, prescribed)});
        return total.units;
    }

    Dice& dice_;
    fb::Statement order_;
    fb::Statement formula_;
    fb::Statement component_;
    fb::Statement item_;
};

void insertOrders(fb::Transaction& tr) {
    Dice dice(20261031);
    OrderWriter writer(tr, dice);
    int number[2] = {4000, 7000};
    const char* stations[2] = {"01", "02"};
    // A few orders of the months around, so the month's selection has something to leave out.
    auto writeMonth = [&](int year, int month, int orders) {
        for (int i = 0; i < orders; ++i) {
            int s = dice.below(4) == 0 ? 1 : 0;
            Date date{year, month, 1 + dice.below(daysInMonth(year, month))};
            writer.write(stations[s], ++number[s], date);
        }
    };
    writeMonth(2026, 9, 40);
    writeMonth(2026, 10, 320);
    writeMonth(2026, 11, 25);
}

} // namespace

void fillDemoData(fb::Attachment& main, const std::string& suiteFolder) {
    auto tr = main.startTransaction();
    insertCatalogue(tr);
    insertPharmacy(tr, suiteFolder);
    insertOrders(tr);
    tr.commit();
}

} // namespace rmnra
