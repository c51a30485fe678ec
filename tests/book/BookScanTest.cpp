#include "book/BookScan.h"

#include "RecordingUi.h"
#include "common/RegionalSettings.h"

#include <gtest/gtest.h>
#include <map>

namespace rmnra {
namespace {

class FakeCatalogue : public Catalogue {
public:
    std::map<std::string, CatalogueEntry> components;
    std::map<std::string, DcbEntry> dcbs;
    std::optional<CatalogueEntry> component(const std::string& code) override {
        auto it = components.find(code);
        return it == components.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<DcbEntry> dcb(const std::string& code) override {
        auto it = dcbs.find(code);
        return it == dcbs.end() ? std::nullopt : std::optional(it->second);
    }
};

class BookScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegionalSettings::setCurrent(RegionalSettings::brazilian());
        catalogue.components = {
            {"DIAZ", {"DIAZ", "S", "A", "D1", ""}},  {"LACT", {"LACT", "N", "", "", ""}},
            {"FENO", {"FENO", "S", "A1", "D9", ""}}, {"RIVO", {"RIVO", "S", "A", "", "R1"}},
            {"DIPI", {"DIPI", "N", "", "", "R2"}},
        };
        catalogue.dcbs = {{"D1", {"D1", "Diazepam"}}, {"R1", {"R1", "Clonazepam"}}};

        FormulaRecord f1;
        f1.NFORMULA = 1;
        f1.FORMAFARMA = "CAPSULA";
        f1.QDECAPSULAS = 30;
        f1.NUMERONOTIFICACAO = "N1";
        f1.DATAPRESCRICAO = Date{2024, 3, 1};
        f1.components = {{"DIAZEPAM", "DIAZ", 5, "mg"},
                         {"LACTOSE", "LACT", 100, "mg"},
                         {"", "DIAZ", 1, "mg"},
                         {"FENOBARBITAL", "FENO", 0.5, "g"}};
        FormulaRecord f2;
        f2.NFORMULA = 2;
        f2.FORMAFARMA = "CREME";
        f2.QDE_CAPS_PRESCRITA = 0;
        f2.components = {{"LACTOSE", "LACT", 1, "g"}};
        OrderRecord o1{"01", 1, "Pedido", "DR A", "CRM1", {f1, f2}, {}};
        o1.items = {{"RIVO", "RIVOTRIL", "CX", 1, "N9", Date{2024, 3, 2}}};
        OrderRecord o2{"01", 2, "PEDIDO", "DR B", "CRM2", {f1}, {}};
        OrderRecord o3{"02", 1, "Pedido", "DR C", "CRM3", {}, {}};
        o3.items = {{"RIVO", "RIVOTRIL 2MG", "CX", 2, "N3", Date{2024, 3, 3}},
                    {"DIPI", "DIPIRONA", "CX", 1, "N4", Date{2024, 3, 3}}};
        OrderRecord o4{"02", 2, "pedido", "DR D", "CRM4", {}, {}};
        o4.items = o3.items;
        orders = {o1, o2, o3, o4};
    }

    FakeCatalogue catalogue;
    test::RecordingUi ui;
    std::vector<OrderRecord> orders;
};

TEST_F(BookScanTest, PreparationWalk) {
    ScanResult r = BookScan(catalogue, ui, ScanOptions{}, "CNPJ").run(orders);

    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0].DESCRICAO, "Diazepam");
    EXPECT_EQ(r.rows[0].APRESENTACAO, "CAP e 5 mg");
    EXPECT_EQ(r.rows[0].QDE_PRESCRICAO, "30 CAP");
    EXPECT_EQ(r.rows[0].QDE_DISPENSADA, "30 CAP");
    // The DCB catalogue does not know D9: the component name stands in.
    EXPECT_EQ(r.rows[1].DESCRICAO, "FENOBARBITAL");
    EXPECT_EQ(r.rows[1].APRESENTACAO, "CAP e 0,5 g");
    EXPECT_EQ(r.rows[1].QDE_PRESCRICAO, "30 CAP");
    // An order without formulas gives its item rows.
    EXPECT_EQ(r.rows[2].MEDICAMENTO, "RIVOTRIL 2MG");
    EXPECT_EQ(r.rows[2].DESCRICAO, "Clonazepam");
    EXPECT_EQ(r.rows[2].QDE_PRESCRICAO, "2 cx");
    EXPECT_EQ(r.rows[2].ESTACAO + "." + r.rows[2].NPEDIDO, "02.1");
    for (const auto& row : r.rows)
        EXPECT_EQ(row.CNPJ, "CNPJ");

    // Corrected once, with the first qualifying component; formula 2 has none.
    ASSERT_EQ(r.corrections.size(), 1u);
    EXPECT_EQ(r.corrections[0], (CapsuleCorrection{"01", 1, 1, 30}));

    EXPECT_EQ(ui.positions, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ui.labels, (std::vector<std::string>{"Pedido 01.1", "Pedido 02.1"}));
    // One per order, per formula, per component and per item walked.
    EXPECT_EQ(ui.pendingEventCalls, 4 + 2 + 5 + 2);
}

TEST_F(BookScanTest, CorrectionWalkScansNoItemsAndProcessesNoEvents) {
    ScanResult r = BookScan(catalogue, ui, ScanOptions{false, false}, "CNPJ").run(orders);
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0].NPEDIDO, "1");
    EXPECT_EQ(r.rows[1].NPEDIDO, "1");
    EXPECT_EQ(r.corrections.size(), 1u);
    EXPECT_EQ(ui.pendingEventCalls, 0);
    EXPECT_EQ(ui.positions, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(BookScanTest, APositivePrescribedQuantityIsKept) {
    orders[0].formulas[0].QDE_CAPS_PRESCRITA = 20;
    orders[0].formulas[0].QDECAPSULAS = std::nullopt;
    ScanResult r = BookScan(catalogue, ui, ScanOptions{}, "").run(orders);
    EXPECT_TRUE(r.corrections.empty());
    EXPECT_EQ(r.rows[0].QDE_PRESCRICAO, "20 CAP");
    EXPECT_EQ(r.rows[0].QDE_DISPENSADA, "1 CAP");
}

TEST_F(BookScanTest, CodesAreCutTo13AndNamesTo40BeforeUse) {
    catalogue.components["ABCDEFGHIJKLM"] = {"ABCDEFGHIJKLM", "S", "A", "D1", ""};
    FormulaRecord f;
    f.NFORMULA = 1;
    f.FORMAFARMA = "CAP";
    f.components = {{std::string(50, 'N'), "ABCDEFGHIJKLMNOP", 1, "mg"}};
    OrderRecord o{"03", 7, "Pedido", "", "", {f}, {}};
    catalogue.dcbs.clear();
    ScanResult r = BookScan(catalogue, ui, ScanOptions{}, "").run({o});
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0].DESCRICAO, std::string(40, 'N'));
}

} // namespace
} // namespace rmnra
