#include "reports/ReportLoader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace rmnra;

namespace {

const char* const kValid = R"(<?xml version="1.0" encoding="UTF-8"?>
<reportProject>
  <report name="r1" pageSize="A4" orientation="landscape" marginLeft="1.5">
    <pageHeader height="2">
      <text left="0" top="0" width="10" height="0.5" size="12" bold="true" align="center"
            frame="LB" wrap="true">Relação [DADOSGER.FIRMA]</text>
      <line x1="0" y1="1" x2="27" y2="1" pen="0.05"/>
      <rect left="0" top="0" width="5" height="1"/>
    </pageHeader>
    <group field="RMNRB2.DCB"><groupFooter height="0.5"/></group>
    <detail height="0.6"/>
  </report>
  <report name="r2"/>
</reportProject>
)";

ReportLoadError loadError(const std::string& xml) {
    try {
        parseReportProject(QByteArray::fromStdString(xml), QStringLiteral("/x/rptRMNRA.xml"));
    } catch (const ReportLoadError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for:\n" << xml;
    return ReportLoadError("", {}, 0, 0);
}

} // namespace

TEST(ReportLoader, ReadsReportsBandsAndItems) {
    ReportProject p = parseReportProject(kValid, QStringLiteral("mem"));
    ASSERT_EQ(p.reports.size(), 2u);
    const Report* r = p.find("r1");
    ASSERT_NE(r, nullptr);
    EXPECT_DOUBLE_EQ(r->pageWidth, 29.7);
    EXPECT_DOUBLE_EQ(r->pageHeight, 21.0);
    EXPECT_DOUBLE_EQ(r->marginLeft, 1.5);
    EXPECT_DOUBLE_EQ(r->marginTop, 1.0);
    ASSERT_TRUE(r->pageHeader);
    ASSERT_EQ(r->pageHeader->items.size(), 3u);
    const ReportItem& text = r->pageHeader->items[0];
    EXPECT_EQ(text.kind, ReportItem::Kind::Text);
    EXPECT_TRUE(text.font.bold);
    EXPECT_EQ(text.hAlign, HAlign::Center);
    EXPECT_EQ(text.frame, (Frame{true, false, false, true}));
    EXPECT_EQ(text.text.parts()[0].literal, QStringLiteral("Relação "));
    EXPECT_EQ(r->pageHeader->items[1].box, (RectCm{0, 1, 27, 0}));
    ASSERT_EQ(r->groups.size(), 1u);
    EXPECT_EQ(r->groups[0].field, "DCB");
    EXPECT_EQ(p.find("nenhum"), nullptr);
}

TEST(ReportLoader, BrokenFileNamesFileLineAndColumn) {
    struct Case {
        std::string xml;
        qint64 line;
        qint64 column;
        std::string mentions;
    } cases[] = {
        // Not well-formed: the element is never closed.
        {"<reportProject>\n  <report name=\"a\">\n    <detail height=\"1\">\n  </report>\n", 4, 11,
         ""},
        // An attribute value that is no number.
        {"<reportProject>\n<report name=\"a\">\n  <detail height=\"um\"/>\n</report>\n"
         "</reportProject>",
         3, 23, "height"},
        // An unknown field token inside a text.
        {"<reportProject><report name=\"a\"><detail height=\"1\">\n"
         "   <text width=\"1\" height=\"1\">[RMNRB2.]</text></detail></report></reportProject>",
         2, 30, "[RMNRB2.]"},
        // An element the model does not know.
        {"<reportProject>\n<report name=\"a\">\n<rodape height=\"1\"/></report></reportProject>", 3,
         20, "rodape"},
    };
    for (const auto& c : cases) {
        // The position is where the reader stood: the end of the faulty tag.
        ReportLoadError e = loadError(c.xml);
        EXPECT_EQ(e.line(), c.line) << c.xml;
        EXPECT_EQ(e.column(), c.column) << c.xml;
        std::string what = e.what();
        EXPECT_NE(what.find("/x/rptRMNRA.xml"), std::string::npos) << what;
        EXPECT_NE(what.find("linha " + std::to_string(c.line)), std::string::npos) << what;
        EXPECT_NE(what.find("coluna " + std::to_string(c.column)), std::string::npos) << what;
        EXPECT_NE(what.find(c.mentions), std::string::npos) << what;
    }
}

TEST(ReportLoader, RefusesDuplicatesAndBandsThatCannotFit) {
    loadError("<reportProject><report name=\"a\"/><report name=\"a\"/></reportProject>");
    loadError("<reportProject><report name=\"a\"><detail height=\"1\"/><detail height=\"1\"/>"
              "</report></reportProject>");
    loadError("<reportProject><report name=\"a\"><detail height=\"30\"/></report></reportProject>");
    loadError("<reportProject><report name=\"a\" orientation=\"diagonal\"/></reportProject>");
    loadError("<projeto/>");
    loadError("");
}

TEST(ReportLoader, MissingFileNamesItsFullPath) {
    test::TempDir dir;
    auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    try {
        loadReportProject(QStringLiteral("RPT/rptRMNRA.xml"));
        FAIL() << "no error";
    } catch (const ReportLoadError& e) {
        std::string expected = (dir.path() / "RPT/rptRMNRA.xml").string();
        EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
    std::filesystem::current_path(previous);
}
