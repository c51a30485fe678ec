// A report file that cannot be written whole: the error names the file and an earlier file
// of that name is left as it was.

#include "reports/BookFixture.h"
#include "reports/DefaultProject.h"
#include "reports/ReportModule.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace rmnra::test {
namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(FaultReportFile, AFullDiskKeepsTheEarlierFilesAndNamesTheOneNotWritten) {
    TempDir dir;
    ASSERT_TRUE(installDefaultReportProject(dir.folder() + "RPT"));
    ReportModule module(dir.folder() + "RPT/rptRMNRA.xml");
    const std::string pdf = dir.folder() + "livro.pdf";
    const std::string html = dir.folder() + "livro.html";
    const ReportData data = bookData(45);
    ASSERT_TRUE(module.exportReport("rptOficial", data, pdf, html));
    const std::string earlierPdf = contents(pdf);
    const std::string earlierHtml = contents(html);
    ASSERT_GT(earlierPdf.size(), 4000u);
    ASSERT_GT(earlierHtml.size(), 4000u);

    struct Case {
        std::string pdf, html, named;
    };
    const Case cases[] = {{pdf, "", pdf}, {"", html, html}};
    for (const Case& c : cases) {
        // The project is read before the disk fills.
        ReportData more = bookData(46);
        try {
            FileSizeLimit disk(4000);
            module.exportReport("rptOficial", more, c.pdf, c.html);
            ADD_FAILURE() << "a file that did not fit was taken as written: " << c.named;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
        EXPECT_EQ(contents(pdf), earlierPdf);
        EXPECT_EQ(contents(html), earlierHtml);
    }
    // Nothing half-written is left beside them.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.is_regular_file())
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"livro.html", "livro.pdf"}));
}

} // namespace
} // namespace rmnra::test
