#include "tools/FormatDcbDescriptions.h"

#include "book/RecordingUi.h"
#include "book/SuiteData.h"
#include "support/FirebirdFixture.h"

namespace rmnra {
namespace {

using FormatDcbTest = test::FirebirdTest;

std::vector<std::pair<std::string, std::string>> descriptions(fb::Attachment& db) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& r : test::query(db, "select DCB, DESCRICAO from DCB order by DCB"))
        out.emplace_back(r[0].textOr(), r[1].isNull() ? "<null>" : r[1].text());
    return out;
}

TEST_F(FormatDcbTest, RewritesEveryDescriptionAndGoesOnAfterARefusal) {
    test::SuiteData s(db.main());
    s.dcb("01", "DIAZEPAM");
    s.dcb("02", "\xC1"
                "CIDO ASC\xD3RBICO");
    s.dcb("03", "Vitamina C");
    s.dcb("04", nullptr);
    s.dcb("05", "");
    s.dcb("06", "REFUSED");
    s.dcb("07", "VITAMINAS DO COMPLEXO B");
    s.commit();
    db.main().executeImmediate("create exception E_TEST_FAIL 'recusado'");
    db.main().executeImmediate("create trigger T_TEST_FAIL for DCB before update as begin "
                               "if (new.DCB = '06') then exception E_TEST_FAIL; end");

    test::RecordingUi ui;
    FormatarDescrioDCB1Click(db.main(), ui);

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"01", "Diazepam"},
        {"02", "acido ascorbico"},
        {"03", "Vitamina C"},
        {"04", "<null>"},
        {"05", ""},
        {"06", "REFUSED"},
        {"07", "Vitaminas do complexo b"}};
    EXPECT_EQ(descriptions(db.main()), expected);

    // The refusal is shown once, for its own row, and the run ends with its message.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].rfind("[Formata_Descricao] UM ERRO N\xC3O TRATADO FOI GERADO!!!\r"
                                   "Erro encontrado: ",
                                   0),
              0u);
    EXPECT_NE(ui.messages[0].find("\rClasse: rmnra::fb::Error\rLinha: 2756."), std::string::npos);
    EXPECT_EQ(ui.messages[1], "Procedimento conclu\xED"
                              "do com sucesso!!!");
    EXPECT_EQ(ui.labels, std::vector<std::string>{"Formatando Descri\xE7\xF5"
                                                  "es"});
    EXPECT_EQ(ui.maxima, std::vector<int>{7});
    EXPECT_EQ(ui.positions.back(), 7);
    EXPECT_EQ(ui.pendingEventCalls, 7);
    EXPECT_FALSE(ui.progressVisible);

    // A second run capitalises what the first left with a small first letter.
    FormatarDescrioDCB1Click(db.main(), ui);
    EXPECT_EQ(descriptions(db.main())[1].second, "Acido ascorbico");
}

TEST_F(FormatDcbTest, AnEmptyCatalogueStillCompletes) {
    test::RecordingUi ui;
    FormatarDescrioDCB1Click(db.main(), ui);
    EXPECT_EQ(ui.maxima, std::vector<int>{0});
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Procedimento conclu\xED"
                                                    "do com sucesso!!!"});
}

} // namespace
} // namespace rmnra
