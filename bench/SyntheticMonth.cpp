#include "SyntheticMonth.h"

#include "data/fb/Attachment.h"
#include "data/fb/Statement.h"
#include "data/fb/Transaction.h"

#include <algorithm>
#include <optional>
#include <random>
#include <vector>

namespace rmnra::bench {
namespace {

using fb::Numeric;
using fb::Value;

constexpr int kSubstances = 4500;
constexpr int kProducts = 500;
constexpr int kDcbNames = 2000;
constexpr int kDoctors = 400;
constexpr int kOrdersPerTransaction = 5000;

// Only the raw output of the engine is used, so the data are the same on every standard
// library.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int below(int n) { return int(engine_() % std::uint32_t(n)); }
    bool chance(int percent) { return below(1000) < percent * 10; }
    bool permille(int p) { return below(1000) < p; }
    template <typename T> const T& pick(const std::vector<T>& v) {
        return v[size_t(below(int(v.size())))];
    }

private:
    std::mt19937 engine_;
};

std::string digits(Dice& dice, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += char('0' + dice.below(10));
    return s;
}

std::string numbered(const char* prefix, int n, int width) {
    std::string d = std::to_string(n);
    return prefix + std::string(size_t(std::max(0, width - int(d.size()))), '0') + d;
}

const std::vector<const char*> kSalts = {
    "Cloridrato de ", "Sulfato de ", "Fosfato de ", "Maleato de ", "Tartarato de ", "", "",
    "Citrato de ",    "Acetato de "};
const std::vector<const char*> kSyllables = {"ba",  "ce",  "di",  "fo",  "gu",  "la",  "me", "ni",
                                             "po",  "ra",  "se",  "ti",  "vo",  "xa",  "ze", "tra",
                                             "mol", "fen", "dol", "pam", "zol", "cod", "met"};
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
                                              "Marina",
                                              "Ot\xE1vio",
                                              "Rafael",
                                              "S\xF4nia",
                                              "Tiago",
                                              "Vit\xF3ria"};
const std::vector<const char*> kSurnames = {"Almeida",  "Barbosa", "Concei\xE7\xE3o", "Duarte",
                                            "Ferreira", "Lopes",   "Nascimento",      "Oliveira",
                                            "Pereira",  "Ribeiro", "Santos",          "Teixeira"};
const std::vector<const char*> kForms = {"C\xE1psula", "C\xE1psula", "C\xE1psula",
                                         "C\xE1psula", "C\xE1psula", "Solu\xE7\xE3o oral",
                                         "Creme",      "Sach\xEA"};
const std::vector<const char*> kUnits = {"mg", "mg", "mg", "mcg", "g", "UI"};
const std::vector<double> kDoses = {0.25, 0.5, 1, 2, 2.5, 5, 7.5, 10, 15, 20, 25, 30, 50, 100};
const std::vector<const char*> kOtherTypes = {"Orcamento", "Venda", "PEDIDO", "Devolucao"};

std::string substanceName(Dice& dice, int n) {
    std::string base;
    for (int i = 0, k = 2 + dice.below(3); i < k; ++i)
        base += dice.pick(kSyllables);
    base[0] = char(base[0] - 'a' + 'A');
    // The number keeps names unique within a formula's key.
    return dice.pick(kSalts) + base + " " + std::to_string(n);
}

struct Code {
    std::string code;
    std::string name;
};

struct Catalogue {
    std::vector<Code> substances;
    std::vector<Code> products;
};

Catalogue insertCatalogue(fb::Transaction& tx, Dice& dice) {
    Catalogue cat;
    auto dcb = tx.prepare("insert into DCB (DCB, DESCRICAO) values (?, ?)");
    for (int i = 1; i <= kDcbNames; ++i) {
        std::string name = substanceName(dice, i);
        if (dice.chance(30))
            std::transform(name.begin(), name.end(), name.begin(),
                           [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
        dcb.execute({numbered("", i, 5), name});
    }
    auto comp = tx.prepare("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO, UNID, CONTROLADA, "
                           "DCB, LISTA, PRECOR, QDEESTOQUE, REGMSMEDICAM) values (?, ?, ?, ?, ?, "
                           "?, ?, ?, ?, ?)");
    // A DCB code of the catalogue: mostly one of the table, sometimes one it lacks or none.
    auto dcbCode = [&]() -> Value {
        int r = dice.below(100);
        if (r < 2)
            return Value();
        if (r < 5)
            return Value(numbered("9", 1 + dice.below(9999), 4));
        return Value(numbered("", 1 + dice.below(kDcbNames), 5));
    };
    auto classify = [&](int listAPercent, const char*& controlled, const char*& list) {
        int r = dice.below(1000);
        static const std::vector<const char*> listsA = {"A1", "A2", "A3"};
        static const std::vector<const char*> others = {"B1", "B2", "C1", "C2", "C5"};
        if (r < listAPercent * 10) {
            controlled = dice.chance(5) ? "s" : "S";
            list = dice.pick(listsA);
        } else if (r < listAPercent * 10 + 70) {
            controlled = "S";
            list = dice.pick(others);
        } else {
            controlled = dice.chance(80) ? "N" : "";
            list = "";
        }
    };
    for (int i = 1; i <= kSubstances; ++i) {
        const char *controlled, *list;
        classify(8, controlled, list);
        Code c{numbered("M", i, 5), substanceName(dice, i)};
        comp.execute({c.code, c.name, list[0] ? "CTRL" : "MP", "g", controlled, dcbCode(), list,
                      Numeric{100 + dice.below(90000), -2}, double(dice.below(5000)), nullptr});
        cat.substances.push_back(std::move(c));
    }
    for (int i = 1; i <= kProducts; ++i) {
        const char *controlled, *list;
        classify(8, controlled, list);
        Code c{"789" + numbered("", 1000000 + i, 10),
               substanceName(dice, i) + " c/ " + std::to_string(10 * (1 + dice.below(6)))};
        comp.execute({c.code, c.name, "PA", "cx", controlled, nullptr, list,
                      Numeric{500 + dice.below(20000), -2}, double(dice.below(200)), dcbCode()});
        cat.products.push_back(std::move(c));
    }
    return cat;
}

void insertPharmacy(fb::Transaction& tx) {
    tx.execute("insert into DADOSGER (CODIGOLIVRO, NUMEROINICIAL, QDEFOLHAS, REGISTRO, FIRMA, "
               "FARMACIA, FARMACEUTICO, ENDERECO, NUMERO, CIDADE, ESTADO, CGC, MES, EXERCICIO, "
               "CRF_Q, CNPJ) values ('A', 1, 2000, ?, ?, ?, ?, ?, '455', ?, 'SP', ?, "
               "'OUTUBRO', '2026', ?, ?)",
               {"Livro de Receitu\xE1rio A",
                "Farm\xE1"
                "cia Grande M\xEAs Ltda",
                "Grande M\xEAs", "Rita Moura Sales", "Avenida Brasil", "Campinas", kSyntheticCnpj,
                "CRF-SP 12.345", "22.333.444/0001-55"});
}

struct Doctor {
    std::string name;
    std::string crm;
};

class OrderWriter {
public:
    OrderWriter(fb::Transaction& tx, Dice& dice, const Catalogue& cat,
                const std::vector<Doctor>& doctors, SyntheticCounts& counts)
        : dice_(dice), cat_(cat), doctors_(doctors), counts_(counts),
          order_(tx.prepare("insert into PEDIDOS (ESTACAO, NPEDIDO, NOME, MEDICO, DATAPEDIDO, "
                            "TIPOPEDIDO, QDEFORMULAS, CRM, PACIENTE) values (?, ?, ?, ?, ?, ?, ?, "
                            "?, ?)")),
          formula_(tx.prepare("insert into PEDIFORM (ESTACAO, NPEDIDO, NFORMULA, FORMAFARMA, "
                              "QDECAPSULAS, NUMERONOTIFICACAO, DATAPRESCRICAO, "
                              "QDE_CAPS_PRESCRITA) values (?, ?, ?, ?, ?, ?, ?, ?)")),
          component_(tx.prepare("insert into COMPEDID (ESTACAO, NPEDIDO, NFORMULA, COMPONENTE, "
                                "QDE, COMPONENTEDIG, QDEDIG, UNIDDIG, CODIGOCOMP) values (?, ?, "
                                "?, ?, ?, ?, ?, ?, ?)")),
          item_(tx.prepare("insert into ITENS (ESTACAO, NPEDIDO, CODPROD, DESCRICAO, UNIDADE, QDE, "
                           "NUMERONOTIFICACAO, DATAPRESCRICAO) values (?, ?, ?, ?, ?, ?, ?, ?)")) {}

    void write(const std::string& station, int number, const Date& date) {
        ++counts_.orders;
        const Doctor& doctor = dice_.pick(doctors_);
        const std::string patient =
            std::string(dice_.pick(kFirstNames)) + " " + dice_.pick(kSurnames);
        const char* type = dice_.chance(5) ? dice_.pick(kOtherTypes) : "Pedido";
        const Date prescribed =
            Date::fromModifiedJulianDay(date.modifiedJulianDay() - dice_.below(6));
        int formulas = dice_.chance(80) ? 1 + dice_.below(3) : 0;
        for (int f = 1; f <= formulas; ++f)
            writeFormula(station, number, f, prescribed);
        if (formulas == 0)
            writeItems(station, number, prescribed);
        Value crm = doctor.crm.empty() ? Value() : Value(doctor.crm);
        order_.execute({station, number, patient, doctor.name, date, type, formulas, crm, patient});
    }

private:
    Value notification() {
        if (dice_.chance(5))
            return dice_.chance(50) ? Value() : Value("");
        return Value("SP" + digits(dice_, 8));
    }

    Value prescriptionDate(const Date& d) { return dice_.chance(4) ? Value() : Value(d); }

    void writeFormula(const std::string& station, int number, int nformula, const Date& date) {
        ++counts_.formulas;
        const std::string form = dice_.pick(kForms);
        const bool capsules = form == "C\xE1psula";
        const int count = capsules ? 30 * (1 + dice_.below(4)) : 1;
        const int r = dice_.below(100);
        // Some formulas lack the prescribed capsule count or have it as 0: the book corrects them.
        std::optional<std::int64_t> prescribedCaps;
        if (r >= 8)
            prescribedCaps = r < 11 ? 0 : count;
        formula_.execute({station, number, nformula, form,
                          capsules ? Value(count) : (dice_.chance(50) ? Value() : Value(1)),
                          notification(), prescriptionDate(date),
                          prescribedCaps ? Value(*prescribedCaps) : Value()});
        std::vector<int> used;
        for (int n = 2 + dice_.below(5); n > 0; --n) {
            int s = dice_.below(int(cat_.substances.size()));
            if (std::find(used.begin(), used.end(), s) != used.end())
                continue;
            used.push_back(s);
            const Code& c = cat_.substances[size_t(s)];
            const double dose = dice_.pick(kDoses);
            ++counts_.components;
            component_.execute({station, number, nformula, c.name, dose * count / 1000.0, c.name,
                                dose, dice_.pick(kUnits), c.code});
        }
    }

    void writeItems(const std::string& station, int number, const Date& date) {
        std::vector<int> used;
        for (int n = 1 + dice_.below(2); n > 0; --n) {
            int p = dice_.below(int(cat_.products.size()));
            if (std::find(used.begin(), used.end(), p) != used.end())
                continue;
            used.push_back(p);
            const Code& c = cat_.products[size_t(p)];
            ++counts_.items;
            item_.execute({station, number, c.code, c.name, "CX",
                           Numeric{100 * (1 + (dice_.chance(25) ? dice_.below(3) : 0)), -2},
                           notification(), prescriptionDate(date)});
        }
    }

    Dice& dice_;
    const Catalogue& cat_;
    const std::vector<Doctor>& doctors_;
    SyntheticCounts& counts_;
    fb::Statement order_;
    fb::Statement formula_;
    fb::Statement component_;
    fb::Statement item_;
};

} // namespace

SyntheticCounts fillSyntheticMonth(fb::Attachment& main, int orders, std::uint32_t seed) {
    Dice dice(seed);
    SyntheticCounts counts;
    Catalogue cat;
    {
        auto tx = main.startTransaction();
        cat = insertCatalogue(tx, dice);
        insertPharmacy(tx);
        tx.commit();
    }
    std::vector<Doctor> doctors;
    for (int i = 0; i < kDoctors; ++i)
        doctors.push_back({std::string(i % 2 ? "Dra. " : "Dr. ") + dice.pick(kFirstNames) + " " +
                               dice.pick(kSurnames) + " " + dice.pick(kSurnames),
                           dice.chance(3) ? "" : digits(dice, 5 + dice.below(2))});

    // The month's orders, plus 2 % in each month around it for the selection to leave out.
    struct Month {
        int year, month, orders;
    };
    const int around = std::max(1, orders / 50);
    const std::vector<Month> months = {{2026, 9, around}, {2026, 10, orders}, {2026, 11, around}};
    int number[3] = {10000, 40000, 70000};
    const std::string stations[3] = {"01", "02", "03"};
    for (const Month& m : months) {
        for (int done = 0; done < m.orders;) {
            auto tx = main.startTransaction();
            OrderWriter writer(tx, dice, cat, doctors, counts);
            const int batch = std::min(kOrdersPerTransaction, m.orders - done);
            for (int i = 0; i < batch; ++i) {
                const int s = dice.below(3);
                const Date date{m.year, m.month, 1 + dice.below(daysInMonth(m.year, m.month))};
                writer.write(stations[s], ++number[s], date);
            }
            tx.commit();
            done += batch;
        }
    }
    return counts;
}

} // namespace rmnra::bench
