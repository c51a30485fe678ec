#include "reports/Paginator.h"

#include "BookFixture.h"

#include <gtest/gtest.h>

using namespace rmnra;

namespace {

ReportItem text(const char* source, double top = 0, double height = 0.5) {
    ReportItem item;
    item.kind = ReportItem::Kind::Text;
    item.box = {0, top, 8, height};
    item.text = TextTemplate::compile(QString::fromUtf8(source));
    return item;
}

Band band(double height, std::vector<ReportItem> items = {}) {
    return Band{height, std::move(items)};
}

// A 10 cm high page with 1 cm margins: 8 cm of room, 1 for the header and 1 for the footer.
Report smallReport() {
    Report r;
    r.name = "teste";
    r.pageWidth = 10;
    r.pageHeight = 10;
    r.pageHeader = band(1, {text("CAB [PAGE]/[PAGES]")});
    r.pageFooter = band(1, {text("ROD [PAGE]/[PAGES]")});
    r.detail = band(1, {text("[RMNRB2.NUMERONOTIFICACAO]", 0, 1)});
    return r;
}

// Texts of a page whose text starts with `prefix`, with their tops.
std::vector<std::pair<QString, double>> texts(const RenderedPage& page, const QString& prefix) {
    std::vector<std::pair<QString, double>> out;
    for (const auto& op : page.ops)
        if (op.kind == ReportItem::Kind::Text && op.text.startsWith(prefix))
            out.emplace_back(op.text, op.box.top);
    return out;
}

std::vector<QString> allTexts(const RenderedReport& r) {
    std::vector<QString> out;
    for (const auto& p : r.pages)
        for (const auto& op : p.ops)
            if (op.kind == ReportItem::Kind::Text)
                out.push_back(op.text);
    return out;
}

} // namespace

TEST(Paginator, BreaksPagesKeepingTheFooterRoomFree) {
    Report r = smallReport();
    ReportData data = test::bookData(13);
    RenderedReport out = paginate(r, data);

    // 6 rows fit between the header (ends at 2 cm) and the footer (starts at 8 cm).
    ASSERT_EQ(out.pages.size(), 3u);
    std::vector<size_t> perPage;
    for (size_t p = 0; p < out.pages.size(); ++p) {
        auto rows = texts(out.pages[p], "N");
        perPage.push_back(rows.size());
        for (const auto& [t, top] : rows)
            EXPECT_LE(top + 1.0, 8.0 + 1e-9) << "row in the footer's room: " << t.toStdString();
        auto header = texts(out.pages[p], "CAB");
        auto footer = texts(out.pages[p], "ROD");
        QString number = QStringLiteral("%1/3").arg(p + 1);
        ASSERT_EQ(header.size(), 1u);
        ASSERT_EQ(footer.size(), 1u);
        EXPECT_EQ(header[0], std::make_pair(QStringLiteral("CAB ") + number, 1.0));
        EXPECT_EQ(footer[0], std::make_pair(QStringLiteral("ROD ") + number, 8.0));
    }
    EXPECT_EQ(perPage, (std::vector<size_t>{6, 6, 1}));
    // Every row once, in order.
    std::vector<QString> rows;
    for (const auto& p : out.pages)
        for (const auto& [t, top] : texts(p, "N"))
            rows.push_back(t);
    ASSERT_EQ(rows.size(), 13u);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(rows[i], QStringLiteral("N%1").arg(100000 + i));
}

TEST(Paginator, DetailRowsAreNeverSplit) {
    Report r = smallReport();
    r.detail->height = 1.4; // 6 cm of room: four rows (5.6 cm), never a fifth cut in two
    RenderedReport out = paginate(r, test::bookData(9));
    ASSERT_EQ(out.pages.size(), 3u);
    EXPECT_EQ(texts(out.pages[0], "N").size(), 4u);
    EXPECT_EQ(texts(out.pages[1], "N").size(), 4u);
    EXPECT_EQ(texts(out.pages[2], "N").size(), 1u);
}

TEST(Paginator, ColumnHeaderOnEveryPageWithRowsButNotBeforeALoneSummary) {
    Report r = smallReport();
    r.columnHeader = band(1, {text("COLUNAS")});
    r.summary = band(2, {text("TOTAL [COUNT]")});
    // 5 rows per page after the column header; 10 rows fill two pages, the summary
    // needs a third one.
    RenderedReport out = paginate(r, test::bookData(10));
    ASSERT_EQ(out.pages.size(), 3u);
    for (int p = 0; p < 2; ++p) {
        auto header = texts(out.pages[p], "COLUNAS");
        ASSERT_EQ(header.size(), 1u);
        EXPECT_DOUBLE_EQ(header[0].second, 2.0);
        EXPECT_EQ(texts(out.pages[p], "N").size(), 5u);
    }
    EXPECT_TRUE(texts(out.pages[2], "COLUNAS").empty());
    auto total = texts(out.pages[2], "TOTAL");
    ASSERT_EQ(total.size(), 1u);
    EXPECT_EQ(total[0], std::make_pair(QStringLiteral("TOTAL 10"), 2.0));
}

TEST(Paginator, GroupsBreakOnTheFieldWithCounts) {
    Report r = smallReport();
    r.pageHeight = 30; // one page
    ReportGroup g;
    g.field = "DCB";
    g.header = band(1, {text("G [RMNRB2.DCB] [COUNT]")});
    g.footer = band(1, {text("F [RMNRB2.DCB] [COUNT]")});
    r.groups.push_back(g);
    r.detail = band(1, {text("D [COUNT] [RMNRB2.DCB]")});
    r.summary = band(1, {text("S [COUNT]")});
    ReportData data = test::bookData(5, 2); // rows 0-2 in 04000, rows 3-4 in 04001
    RenderedReport out = paginate(r, data);
    ASSERT_EQ(out.pages.size(), 1u);
    std::vector<QString> seen;
    for (const auto& t : allTexts(out))
        if (!t.startsWith("CAB") && !t.startsWith("ROD"))
            seen.push_back(t);
    EXPECT_EQ(seen,
              (std::vector<QString>{"G 04000 3", "D 1 04000", "D 2 04000", "D 3 04000", "F 04000 3",
                                    "G 04001 2", "D 4 04001", "D 5 04001", "F 04001 2", "S 5"}));
}

TEST(Paginator, GroupHeaderMovesWithItsFirstRow) {
    Report r = smallReport(); // 6 cm of room per page
    ReportGroup g;
    g.field = "DCB";
    g.header = band(1, {text("G [RMNRB2.DCB]")});
    r.groups.push_back(g);
    // Group 04000: header + 4 rows = 5 cm; group 04001's header would fit in the last
    // centimetre alone, but its first row would not: both go to page 2.
    ReportData data = test::bookData(6, 1);
    for (int i = 4; i < 6; ++i)
        data.rmnrb2.rows[i][0] = std::string("04001");
    RenderedReport out = paginate(r, data);
    ASSERT_EQ(out.pages.size(), 2u);
    EXPECT_TRUE(texts(out.pages[0], "G 04001").empty());
    auto moved = texts(out.pages[1], "G 04001");
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_DOUBLE_EQ(moved[0].second, 2.0);
}

TEST(Paginator, EmptyDataGivesOnePageWithItsFixedBands) {
    Report r = smallReport();
    r.title = band(1, {text("TITULO [DADOSGER.FIRMA] [DATE]")});
    r.summary = band(1, {text("S [COUNT] [RMNRB2.DCB].")});
    ReportData data = test::bookData(0);
    PaginateOptions options;
    options.today = Date{2026, 4, 2};
    RenderedReport out = paginate(r, data, options);
    ASSERT_EQ(out.pages.size(), 1u);
    EXPECT_EQ(allTexts(out), (std::vector<QString>{"TITULO Farmácia Bom Remédio Ltda 02/04/2026",
                                                   "CAB 1/1", "S 0 .", "ROD 1/1"}));
}

TEST(Paginator, ReportsEachPageAsItIsGenerated) {
    std::vector<int> pages;
    PaginateOptions options;
    options.onPage = [&](int p) { pages.push_back(p); };
    paginate(smallReport(), test::bookData(13), options);
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 3}));
}

TEST(Paginator, ShrinksTextThatWouldNotFitItsBox) {
    Report r = smallReport();
    r.detail = band(1, {text("[RMNRB2.DESCRICAO]", 0, 0.5)});
    r.detail->items[0].box.width = 2;
    r.detail->items[0].font.size = 10;
    ReportData data = test::bookData(2);
    data.rmnrb2.rows[0][1] = std::string("Curto");
    data.rmnrb2.rows[1][1] = std::string("Um nome de subst\xE2ncia bem comprido");
    RenderedReport out = paginate(r, data);
    auto& ops = out.pages[0].ops;
    std::vector<double> sizes;
    for (const auto& op : ops)
        if (op.text == "Curto" || op.text.startsWith("Um nome"))
            sizes.push_back(op.font.size);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_DOUBLE_EQ(sizes[0], 10.0);
    EXPECT_LT(sizes[1], 10.0);
}

TEST(Paginator, RepeatingGroupHeaderComesBackOnTheNextPage) {
    Report r = smallReport(); // 6 cm of room per page
    ReportGroup g;
    g.field = "DCB";
    g.repeatHeader = true;
    g.header = band(1, {text("G [RMNRB2.DCB] [COUNT]")});
    g.footer = band(1, {text("F [COUNT]")});
    r.groups.push_back(g);
    // One group of 9 rows: header + 5 rows on page 1, header again + 4 rows + footer on 2.
    RenderedReport out = paginate(r, test::bookData(9, 1));
    ASSERT_EQ(out.pages.size(), 2u);
    for (const auto& page : out.pages) {
        auto header = texts(page, "G ");
        ASSERT_EQ(header.size(), 1u);
        EXPECT_EQ(header[0], std::make_pair(QStringLiteral("G 04000 9"), 2.0));
    }
    EXPECT_EQ(texts(out.pages[0], "N").size(), 5u);
    EXPECT_EQ(texts(out.pages[1], "N").size(), 4u);
    EXPECT_EQ(texts(out.pages[1], "F ").size(), 1u);
}

TEST(Paginator, MissingRegistrationRowLeavesItsFieldsBlank) {
    Report r = smallReport();
    r.pageHeader = band(1, {text("<[DADOSGER.FIRMA]|[DADOSGER.CGC|cnpj]|[DADOSGER.NADA]>")});
    ReportData data = test::bookData(1);
    data.dadosGer.rows.clear();
    RenderedReport out = paginate(r, data);
    ASSERT_EQ(out.pages.size(), 1u);
    EXPECT_EQ(texts(out.pages[0], "<").front().first, QStringLiteral("<||>"));
    EXPECT_EQ(texts(out.pages[0], "N").size(), 1u);
}
