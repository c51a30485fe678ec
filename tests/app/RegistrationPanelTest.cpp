#include "window/RegistrationPanel.h"

#include "WindowHarness.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace rmnra::test {
namespace {

const std::string kCnpj = "12345678000195";

class RegistrationTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // Logged in: the login panel is gone, the pharmacy is known.
        login().hide();
        session.runValues.setCurrentCnpj(kCnpj);
    }
    void addPharmacy() {
        sql("insert into DADOSGER (CGC, FIRMA, SECRETARIA_SAUDE, MES, EXERCICIO, CRF_Q) "
            "values (?, ?, ?, ?, ?, ?)",
            {kCnpj, "FARMACIA CENTRAL", "SES", "JANEIRO", "2025", nullptr});
    }
    std::vector<fb::Row> pharmacy() {
        return rows("select FIRMA, SECRETARIA_SAUDE, MES, EXERCICIO, CRF_Q, CGC from DADOSGER");
    }
    ui::RegistrationPanel& panel() { return *window->painelConfigLivro(); }
    QLineEdit* field(const char* column) { return panel().field(column); }
    void retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

TEST_F(RegistrationTest, EditedValuesAreStoredWhenLeaving) {
    addPharmacy();
    window->actConfCadExecute();
    ASSERT_TRUE(panel().isVisible());
    EXPECT_EQ(panel().geometry(), QRect(132, 112, 501, 321));
    EXPECT_TRUE(field("SECRETARIA_SAUDE")->hasFocus());
    EXPECT_EQ(field("FIRMA")->text(), "FARMACIA CENTRAL");
    EXPECT_EQ(panel().monthList()->currentText(), "JANEIRO");
    EXPECT_EQ(panel().cnpjField()->text(), "12.345.678/0001-95");

    QTest::keyClicks(field("SECRETARIA_SAUDE"), " SÃO PAULO");
    QTest::keyClick(field("SECRETARIA_SAUDE"), Qt::Key_Return); // Enter moves on as Tab
    EXPECT_TRUE(field("AUTORIDADE_SANITARIA")->hasFocus());
    panel().monthList()->setCurrentText("MARCO");
    panel().yearList()->setCurrentText("2026");
    QTest::mouseClick(panel().exitButton(), Qt::LeftButton);

    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join("|").toStdString();
    EXPECT_FALSE(panel().isVisible());
    const auto r = pharmacy();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0][0].textOr(), "FARMACIA CENTRAL");
    EXPECT_EQ(r[0][1].textOr(), "SES S\xC3O PAULO");
    EXPECT_EQ(r[0][2].textOr(), "MARCO");
    EXPECT_EQ(r[0][3].textOr(), "2026");
    EXPECT_TRUE(r[0][4].isNull()); // untouched columns keep even their NULL
    EXPECT_EQ(r[0][5].textOr(), kCnpj);
}

TEST_F(RegistrationTest, NothingChangedClosesSilentlyWithoutWriting) {
    addPharmacy();
    window->actConfCadExecute();
    QTest::keyClick(field("SECRETARIA_SAUDE"), Qt::Key_Escape);
    EXPECT_FALSE(panel().isVisible());
    EXPECT_EQ(store.stores, 0);
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(RegistrationTest, PharmacyWithoutRowGetsANewOneWithTheTypedCnpj) {
    window->actConfCadExecute();
    retype(field("FIRMA"), "NOVA FARMACIA");
    // Twelve digits are enough; the punctuation is only shown.
    retype(panel().cnpjField(), "123456780001");
    // Enter in the CNPJ field moves to the exit button without storing; Enter there leaves.
    QTest::keyClick(panel().cnpjField(), Qt::Key_Return);
    EXPECT_TRUE(panel().exitButton()->hasFocus());
    EXPECT_EQ(store.stores, 0);
    QTest::keyClick(panel().exitButton(), Qt::Key_Return);

    EXPECT_FALSE(panel().isVisible());
    const auto r = pharmacy();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0][0].textOr(), "NOVA FARMACIA");
    EXPECT_EQ(r[0][5].textOr(), "123456780001");
}

TEST_F(RegistrationTest, RefusedStoreKeepsThePanelOpenForACorrection) {
    sql("alter table DADOSGER add constraint FIRMA_VALIDA check (FIRMA <> 'RECUSADA')");
    addPharmacy();
    window->actConfCadExecute();
    retype(field("FIRMA"), "RECUSADA");
    QTest::mouseClick(panel().exitButton(), Qt::LeftButton);

    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith("Os dados cadastrais não foram gravados:"));
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(field("FIRMA")->text(), "RECUSADA"); // the user's values stay
    EXPECT_EQ(pharmacy()[0][0].textOr(), "FARMACIA CENTRAL");

    retype(field("FIRMA"), "FARMACIA NOVA");
    QTest::mouseClick(panel().exitButton(), Qt::LeftButton);
    EXPECT_FALSE(panel().isVisible());
    EXPECT_EQ(pharmacy()[0][0].textOr(), "FARMACIA NOVA");
    EXPECT_EQ(sink.messages.size(), 1);
}

TEST_F(RegistrationTest, EscAfterARefusalDiscardsOnlyWhenConfirmed) {
    sql("alter table DADOSGER add constraint FIRMA_VALIDA check (FIRMA <> 'RECUSADA')");
    addPharmacy();
    window->actConfCadExecute();
    retype(field("FIRMA"), "RECUSADA");
    QTest::keyClick(field("FIRMA"), Qt::Key_Escape); // as the exit button: refused
    ASSERT_TRUE(panel().isVisible());

    sink.answer = false;
    QTest::keyClick(field("FIRMA"), Qt::Key_Escape);
    EXPECT_EQ(sink.questions.size(), 1);
    EXPECT_TRUE(panel().isVisible());

    sink.answer = true;
    QTest::keyClick(field("FIRMA"), Qt::Key_Escape);
    EXPECT_FALSE(panel().isVisible());
    EXPECT_EQ(pharmacy()[0][0].textOr(), "FARMACIA CENTRAL");

    // Opening again shows the stored row, not the discarded change.
    window->actConfCadExecute();
    EXPECT_EQ(field("FIRMA")->text(), "FARMACIA CENTRAL");
}

TEST_F(RegistrationTest, IncompleteCnpjIsRefusedBeforeStoring) {
    addPharmacy();
    window->actConfCadExecute();
    retype(panel().cnpjField(), "12345");
    QTest::mouseClick(panel().exitButton(), Qt::LeftButton);
    EXPECT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(panel().isVisible());
    EXPECT_TRUE(panel().cnpjField()->hasFocus());
    EXPECT_EQ(store.stores, 0);
}

TEST_F(RegistrationTest, StoredMonthOutsideTheListShowsEmptyAndStaysAsItWas) {
    sql("insert into DADOSGER (CGC, MES, FIRMA) values (?, ?, ?)", {kCnpj, "marco", "F"});
    window->actConfCadExecute();
    EXPECT_EQ(panel().monthList()->currentIndex(), -1);
    retype(field("FIRMA"), "G");
    QTest::mouseClick(panel().exitButton(), Qt::LeftButton);
    EXPECT_EQ(pharmacy()[0][2].textOr(), "marco");
    EXPECT_EQ(pharmacy()[0][0].textOr(), "G");
}

} // namespace
} // namespace rmnra::test
