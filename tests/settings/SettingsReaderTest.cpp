#include "settings/SettingsReader.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace rmnra;

namespace {

const std::string kServer = "IP DO SERVIDOR CENTRAL.........................:";
const std::string kColour = "COR DE FUNDO DAS TELAS.........................:";
const std::string kOrdering = "ORDENAR RMNRB2 POR DATA OU DCB, DATA, NUMNOTIF.:";
const std::string kStationIp = "IP DA ESTACAO DO USUARIO.......................:";
const std::string kLog = "LOG DE ATIVIDADES..............................:";
const std::string kOther = "PADRAO PRECO MINIMO............................:";

std::string line(const std::string& key, const std::string& value, const std::string& sep = " ") {
    return key + sep + value + "\r\n";
}

AppSettings readText(const std::string& text) {
    test::TempDir dir;
    dir.write("ORVANTIS.INI", text);
    AppSettings s;
    readSettingsFile(s, dir.folder());
    return s;
}

} // namespace

TEST(SettingsReader, ReadsTheColumnLayout) {
    struct Case {
        const char* what;
        std::string file;
        std::string server;
        std::int32_t colour;
        std::string ordering;
    } cases[] = {
        {"no recognised key", "TITULO\r\n\r\nqualquer coisa\r\n", "", 0, ""},
        {"plain values", line(kServer, "192.168.0.10") + line(kColour, "13222311") +
                             line(kOrdering, "DATA"),
         "192.168.0.10", 13222311, "DATA"},
        {"key in lower case is ignored", line("ip do servidor central.........................:", "x"),
         "", 0, ""},
        {"one dot fewer is ignored", line("IP DO SERVIDOR CENTRAL........................:", " x"),
         "", 0, ""},
        {"column 49 is never read", kServer + "ABC\r\n", "BC", 0, ""},
        {"trim spaces only, tabs stay", line(kServer, "  \t10.0.0.1 x\t  "), "\t10.0.0.1 x\t", 0, ""},
        {"bare LF ends a line", kServer + " a\n" + kOrdering + " DCB\n", "a", 0, "DCB"},
        {"last line of a key wins", line(kServer, "first") + line(kServer, "second"), "second", 0, ""},
        {"an empty value replaces", line(kServer, "first") + kServer + "\r\n", "", 0, ""},
        {"Ctrl+Z ends the file", line(kServer, "kept") + "\x1A" + line(kOrdering, "DATA"), "kept", 0, ""},
        {"last line without line end", line(kOrdering, "DATA") + kServer + " end", "end", 0, "DATA"},
        {"hexadecimal colour with $", line(kColour, "$FF"), "", 255, ""},
        {"hexadecimal colour with 0x", line(kColour, "0x10"), "", 16, ""},
        {"signed colour", line(kColour, "-16777201"), "", -16777201, ""},
        {"system colour pattern", line(kColour, "$FF00000F"), "", -16777201, ""},
        {"colour with spaces around", line(kColour, "   255   "), "", 255, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AppSettings s = readText(c.file);
        EXPECT_EQ(s.CentralServerIp, c.server);
        EXPECT_EQ(s.ScreenBackgroundColor, c.colour);
        EXPECT_EQ(s.BookOrdering, c.ordering);
    }
}

TEST(SettingsReader, CutsAtColumn109AndToEachPlacesWidth) {
    std::string sixty(60, 'V');
    std::string tail = "IGNORED";
    AppSettings s = readText(line(kOrdering, sixty + tail) + line(kServer, sixty + tail) +
                             line(kStationIp, "  " + std::string(45, 'I') + "  ") +
                             line(kLog, "SIM") + line(kOther, std::string(35, 'P')));
    EXPECT_EQ(s.BookOrdering, sixty); // stored whole, columns 50 to 109
    EXPECT_EQ(s.CentralServerIp, sixty);
    EXPECT_EQ(s.value(kStationIp), std::string(40, 'I')); // width applied after trimming
    EXPECT_EQ(s.value(kLog), "SIM");
    EXPECT_EQ(s.value(kOther), std::string(30, 'P'));
}

TEST(SettingsReader, ColourConversionErrorKeepsEarlierValues) {
    for (std::string bad : {"", "abc", "12x", "2147483648", "$1FFFFFFFF", "-", "0x"}) {
        SCOPED_TRACE(bad);
        test::TempDir dir;
        dir.write("ORVANTIS.INI", line(kServer, "before") + line(kColour, bad) + line(kOrdering, "DATA"));
        AppSettings s;
        try {
            readSettingsFile(s, dir.folder());
            FAIL() << "no error";
        } catch (const SettingsConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + bad + "' is not a valid integer value");
        }
        EXPECT_EQ(s.CentralServerIp, "before");
        EXPECT_EQ(s.BookOrdering, ""); // lines after the faulty one are not read
    }
}

TEST(SettingsReader, MissingAndUnreadableFiles) {
    test::TempDir dir;
    AppSettings s;
    EXPECT_THROW(readSettingsFile(s, dir.folder()), SettingsFileMissing);
    std::filesystem::create_directory(dir.path() / "ORVANTIS.INI");
    EXPECT_THROW(readSettingsFile(s, dir.folder()), SettingsReadError);
}

TEST(SettingsReader, TrimSpaces) {
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(" a b "), "a b");
    EXPECT_EQ(TrimSpaces("\ta "), "\ta");
}
