#pragma once

#include "BookRowPrinter.h"
#include "RecordingUi.h"
#include "SuiteData.h"
#include "book/BookContext.h"
#include "book/BookRow.h"
#include "common/RegionalSettings.h"
#include "support/FirebirdFixture.h"

#include <cstdlib>

namespace rmnra::test {

inline constexpr const char* kCnpj = "11222333000181";
inline constexpr const char* kOtherCnpj = "99888777000166";

// One month of a pharmacy (March 2024) that covers the rules of the book scan, with the
// rows each order should give written next to it.
class MonthFixture : public FirebirdTest {
protected:
    void SetUp() override {
        RegionalSettings::setCurrent(RegionalSettings::brazilian());
        setenv("ORVANTIS_HOME", db.suiteFolder().c_str(), 1);
        const fb::Value null;
        SuiteData s(db.main());
        s.registration(kCnpj, "MAR\xC7O", "2024");

        s.catalogue("DIAZ", "S", "A", "D01");
        s.catalogue("FENO", "s", "A1", "D02"); // small s counts; D02 is not in DCB
        s.catalogue("LACT", "N", null, null);
        s.catalogue("LISTB", "S", "B1", "D01");
        s.catalogue("LOWA", "S", "a", "D01"); // list must be a capital A
        s.catalogue("NODCB", "S", "A", "");
        s.catalogue("ABCDEFGHIJKLM", "S", "A", "D01");
        s.catalogue("O'K", "S", "A", "D01"); // a quote is a value like any other
        s.catalogue("RIVO", "S", "A", null, "R01");
        s.catalogue("DIPI", "N", null, null, "R02");
        s.dcb("D01", "Diazepam");
        s.dcb("R01", "Clonazepam");

        // 01.1: formulas (its item is not scanned).
        s.order("01", 1, {2024, 3, 1}, "Pedido", "DR A", "CRM1");
        //   F1: 60 capsules, no prescribed quantity -> corrected to 60 once.
        s.formula("01", 1, 1, "CAPSULA", 60, null, "N1", Date{2024, 3, 1});
        //   Stored out of key order: the walk keeps the order the server returns.
        s.component("01", 1, 1, "FENOBARBITAL", "FENO", 0.5, "g"); // row R2
        s.component("01", 1, 1, "LACTOSE", "LACT", 100.0, "mg");   // not controlled
        s.component("01", 1, 1, "DIAZEPAM", "DIAZ", 5.0, "mg");    // row R1
        s.component("01", 1, 1, "", "DIAZ", 1.0, "mg");            // no name: skipped
        //   F123: no capsule count, prescribed 0 -> count 1, corrected to 1; NFORMULA "12".
        s.formula("01", 1, 123, "PO", null, 0, "N2", Date{2024, 3, 2});
        s.component("01", 1, 123, "SEM DCB", "NODCB", 2.0, "g");        // row R3
        s.component("01", 1, 123, "LISTA MINUSCULA", "LOWA", 1.0, "g"); // list "a"
        //   F3: prescribed 20 stays; a 16-character code is looked up by its first 13.
        s.formula("01", 1, 3, "CREME", 30, 20, "N3", Date{2024, 3, 2});
        s.component("01", 1, 3, "LONGO", "ABCDEFGHIJKLMNOP", 1.5, "%"); // row R4
        //   F4: nothing qualifies, so its prescribed 0 stays.
        s.formula("01", 1, 4, "CAPSULA", 10, 0, "N4", Date{2024, 3, 4});
        s.component("01", 1, 4, "LACTOSE", "LACT", 1.0, "g");
        s.component("01", 1, 4, "LISTA B", "LISTB", 1.0, "g");
        s.item("01", 1, "RIVO", "RIVOTRIL", "CX", 1.0, "N9", Date{2024, 3, 1});

        // 01.2: type in capitals: selected, skipped.
        s.order("01", 2, {2024, 3, 10}, "PEDIDO", "DR B", "CRM2");
        s.formula("01", 2, 1, "CAPSULA", 30, null, "N6", Date{2024, 3, 10});
        s.component("01", 2, 1, "DIAZEPAM", "DIAZ", 5.0, "mg");

        // 01.4: another type: never walked.
        s.order("01", 4, {2024, 3, 12}, "Orcamento", "DR B", "CRM2");
        s.formula("01", 4, 1, "CAPSULA", 30, null, "N7", Date{2024, 3, 12});
        s.component("01", 4, 1, "DIAZEPAM", "DIAZ", 5.0, "mg");

        // 02.1: no formulas: its items.
        s.order("02", 1, {2024, 3, 5}, "Pedido", "DR C", "CRM3");
        s.item("02", 1, "RIVO", "RIVOTRIL 2MG", "CX", fb::Numeric{126, -2}, "N5",
               Date{2024, 3, 5}); // row R5
        s.item("02", 1, "DIPI", "DIPIRONA", "CX", 1.0, "N8", Date{2024, 3, 5});

        // 02.2: small letters: skipped.
        s.order("02", 2, {2024, 3, 6}, "pedido", "DR D", "CRM4");
        s.item("02", 2, "RIVO", "RIVOTRIL", "CX", 1.0, "N10", Date{2024, 3, 6});

        // 01.3: April: outside the month.
        s.order("01", 3, {2024, 4, 1}, "Pedido", "DR E", "CRM5");
        s.formula("01", 3, 1, "CAPSULA", 30, null, "N11", Date{2024, 4, 1});
        s.component("01", 3, 1, "DIAZEPAM", "DIAZ", 5.0, "mg");

        // 03.5: the last day of the month; a formula without date, notification or doctor.
        s.order("03", 5, {2024, 3, 31}, "Pedido", null, "CRM7");
        s.formula("03", 5, 1, "CAPSULA", 0, null, null, null);
        s.component("03", 5, 1, "DIAZEPAM", "O'K", 10.0, "mg"); // row R6

        // Old rows of this pharmacy go; another pharmacy's stay.
        s.bookRow(kCnpj, "OLD");
        s.bookRow(kOtherCnpj, "OTHER");
        s.commit();
    }
    void TearDown() override { unsetenv("ORVANTIS_HOME"); }

    BookContext context(const std::string& ordering = "") {
        return BookContext{db.main(), kCnpj, ordering, ui};
    }

    // The expected rows, in the configured order (DCB, date, notification); Firebird puts
    // a missing date first.
    static BookRow row(const char* dcb, const char* desc, const char* med, const char* apres,
                       const char* notif, std::optional<Date> date, const char* medico,
                       const char* crm, const char* prescr, const char* disp, const char* est,
                       const char* ped, const char* form) {
        return {dcb, desc,   med,  apres, notif, date, medico,
                crm, prescr, disp, est,   ped,   form, kCnpj};
    }
    const BookRow R1 = row("D01", "Diazepam", "-", "CAP e 5 mg", "N1", Date{2024, 3, 1}, "DR A",
                           "CRM1", "60 CAP", "60 CAP", "01", "1", "1");
    const BookRow R2 = row("D02", "FENOBARBITAL", "-", "CAP e 0,5 g", "N1", Date{2024, 3, 1},
                           "DR A", "CRM1", "60 CAP", "60 CAP", "01", "1", "1");
    const BookRow R3 = row("", "", "-", "PO e 2 g", "N2", Date{2024, 3, 2}, "DR A", "CRM1", "1 PO",
                           "1 PO", "01", "1", "12");
    const BookRow R4 = row("D01", "Diazepam", "-", "CRE e 1,5 %", "N3", Date{2024, 3, 2}, "DR A",
                           "CRM1", "20 CRE", "30 CRE", "01", "1", "3");
    const BookRow R5 = row("R01", "Clonazepam", "RIVOTRIL 2MG", "CX", "N5", Date{2024, 3, 5},
                           "DR C", "CRM3", "1,3 cx", "1,3 cx", "02", "1", "0");
    const BookRow R6 = row("D01", "Diazepam", "-", "CAP e 10 mg", "", std::nullopt, "", "CRM7",
                           "1 CAP", "1 CAP", "03", "5", "1");

    std::vector<fb::Row> prescribed() {
        return query(db.main(), "select ESTACAO, NPEDIDO, NFORMULA, QDE_CAPS_PRESCRITA from "
                                "PEDIFORM order by ESTACAO, NPEDIDO, NFORMULA");
    }
    std::vector<std::string> bookDcbs(const std::string& cnpj) {
        std::vector<std::string> dcbs;
        for (const auto& r :
             query(db.main(), "select DCB from RMNRB2 where CNPJ = ? order by DCB", {cnpj}))
            dcbs.push_back(r[0].textOr());
        return dcbs;
    }

    RecordingUi ui;
};

} // namespace rmnra::test
