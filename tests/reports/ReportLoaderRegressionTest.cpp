#include "reports/ReportLoader.h"

#include <gtest/gtest.h>

using namespace rmnra;

// Found by fuzzing: Qt reads "nan" and "inf" as numbers, and a NaN height passed every check
// of room (all comparisons with NaN are false) into the paginator.
TEST(ReportLoaderRegression, NonFiniteMeasuresAreRefusedNamingTheAttribute) {
    const std::string item = "<text left=\"0\" top=\"0\" width=\"1\" height=\"0.5\">x</text>";
    struct Case {
        std::string reportAttributes, detailAttributes, itemText, attribute;
    } cases[] = {
        {"", "height=\"nan\"", item, "height"},
        {"", "height=\"inf\"", item, "height"},
        {"", "height=\"1\"", "<text width=\"NaN\" height=\"0.5\">x</text>", "width"},
        {"", "height=\"1\"", "<text width=\"1\" height=\"0.5\" size=\"inf\">x</text>", "size"},
        {"", "height=\"1\"", "<line x1=\"-inf\" y1=\"0\" x2=\"1\" y2=\"0\"/>", "x1"},
        {"", "height=\"1\"", "<rect width=\"1\" height=\"1\" pen=\"nan\"/>", "pen"},
        {"marginLeft=\"nan\"", "height=\"1\"", item, "marginLeft"},
        {"pageSize=\"CUSTOM\" pageWidth=\"inf\" pageHeight=\"20\"", "height=\"1\"", item,
         "pageWidth"},
    };
    for (const Case& c : cases) {
        const std::string xml = "<reportProject><report name=\"a\" " + c.reportAttributes +
                                "><detail " + c.detailAttributes + ">" + c.itemText +
                                "</detail></report></reportProject>";
        try {
            parseReportProject(QByteArray::fromStdString(xml), QStringLiteral("/x/p.xml"));
            ADD_FAILURE() << "accepted: " << xml;
        } catch (const ReportLoadError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("atributo \"" + c.attribute + "\""), std::string::npos) << what;
            EXPECT_NE(what.find("/x/p.xml"), std::string::npos) << what;
        }
    }
}
