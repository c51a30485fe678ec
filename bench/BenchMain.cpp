// Figures of the book preparation over a synthetic month: the preparation against the
// single-statement floor, the official book as PDF and HTML, peak memory, and, on request, the
// order-by-order walk and the same preparation through a Firebird server on loopback.
// Prints readable lines and one "RESULT key=value ..." line per connection for scripts/bench.
#include "FloorStatement.h"
#include "LiteralWalk.h"
#include "PhaseBreakdown.h"
#include "ProcessFigures.h"
#include "ReportTiming.h"
#include "SilentUi.h"
#include "Stopwatch.h"
#include "SyntheticMonth.h"
#include "book/BookReports.h"
#include "book/PrepareBook.h"
#include "data/Schema.h"
#include "data/fb/Attachment.h"
#include "data/fb/Client.h"
#include "data/fb/Transaction.h"
#include "support/FirebirdServer.h"
#include "support/TempDir.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>

namespace rmnra::bench {
namespace {

struct Options {
    int orders = 2000;
    int repeat = 3;
    bool baseline = false;
    bool server = true;
    bool prepareOnly = false; // for a profiler: one preparation, nothing else
    bool phases = false;      // how long each step of the preparation takes
    bool reportOnly = false;  // the official book of the stored rows, nothing else
    std::string database;     // kept database: generated when missing, reused when present
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--orders" && i + 1 < argc)
            o.orders = std::atoi(argv[++i]);
        else if (a == "--repeat" && i + 1 < argc)
            o.repeat = std::max(1, std::atoi(argv[++i]));
        else if (a == "--baseline")
            o.baseline = true;
        else if (a == "--no-server")
            o.server = false;
        else if (a == "--report-only")
            o.reportOnly = true;
        else if (a == "--phases")
            o.phases = true;
        else if (a == "--prepare-only")
            o.prepareOnly = true;
        else if (a == "--database" && i + 1 < argc)
            o.database = argv[++i];
        else
            throw std::runtime_error(
                "usage: rmnra_bench --orders N [--repeat R] [--baseline] "
                "[--no-server] [--prepare-only] [--phases] [--report-only] [--database FILE]");
    }
    return o;
}

std::int64_t count(fb::Attachment& db, const std::string& sql) {
    fb::Transaction tx = db.startTransaction();
    const std::int64_t n = tx.query(sql).front()[0].integerOr();
    tx.commit();
    return n;
}

// Every run starts from an empty book whose deleted versions are already collected.
void clearBook(fb::Attachment& db) {
    db.executeImmediate("DELETE FROM RMNRB2");
    count(db, "SELECT COUNT(*) FROM RMNRB2");
}

using Results = std::map<std::string, std::string>;

std::string fixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

void printResult(const Results& r) {
    std::cout << "RESULT";
    for (const auto& [k, v] : r)
        std::cout << " " << k << "=" << v;
    std::cout << std::endl;
}

// Best of `repeat` preparations and floors on one connection.
void measurePreparation(fb::Attachment& db, const Options& o, Results& r) {
    SilentUi ui;
    BookContext ctx{db, kSyntheticCnpj, "", ui};
    double best = std::numeric_limits<double>::max();
    double bestFloor = best;
    double peak = 0;
    double bestCpu = std::numeric_limits<double>::max();
    double bestFloorCpu = bestCpu;
    unsigned floorRows = 0;
    for (int i = 0; i < o.repeat; ++i) {
        clearBook(db);
        Stopwatch floorWatch;
        double cpu = processCpuSeconds();
        floorRows = insertFormulaRowsInOneStatement(db, kSyntheticCnpj, kSyntheticFirstDay,
                                                    kSyntheticLastDay);
        const double floorSeconds = floorWatch.lap();
        bestFloor = std::min(bestFloor, floorSeconds);
        bestFloorCpu = std::min(bestFloorCpu, processCpuSeconds() - cpu);
        clearBook(db);
        resetPeakResident();
        cpu = processCpuSeconds();
        Stopwatch watch;
        Prepara_Rmnra(ctx, kSyntheticFirstDay, kSyntheticLastDay);
        const double s = watch.lap();
        bestCpu = std::min(bestCpu, processCpuSeconds() - cpu);
        peak = std::max(peak, peakResidentMb());
        best = std::min(best, s);
        std::cerr << "  run " << i + 1 << "/" << o.repeat << ": preparation " << fixed(s, 3)
                  << " s, floor " << fixed(floorSeconds, 3) << " s\n";
    }
    const std::int64_t rows = count(db, "SELECT COUNT(*) FROM RMNRB2");
    const std::int64_t formulaRows = count(db, "SELECT COUNT(*) FROM RMNRB2 WHERE NFORMULA <> '0'");
    r["book_rows"] = std::to_string(rows);
    r["formula_rows"] = std::to_string(formulaRows);
    r["prepare_s"] = fixed(best, 3);
    r["rows_per_s"] = fixed(double(rows) / best, 0);
    r["floor_s"] = fixed(bestFloor, 3);
    r["floor_rows"] = std::to_string(floorRows);
    r["ratio"] = fixed(best / bestFloor, 2);
    r["prepare_peak_mb"] = fixed(peak, 1);
    r["prepare_cpu_s"] = fixed(bestCpu, 3);
    r["floor_cpu_s"] = fixed(bestFloorCpu, 3);
    r["inconsistency_lines"] = std::to_string(ui.inconsistencyLines);
}

void measureReport(fb::Attachment& db, const std::string& folder, Results& r) {
    SilentUi ui;
    BookContext ctx{db, kSyntheticCnpj, "", ui};
    resetPeakResident();
    const ReportData data = readBookReportData(ctx);
    std::cerr << "  book data read: peak " << fixed(peakResidentMb(), 0) << " MB\n";
    ReportTimes best;
    for (int i = 0; i < 2; ++i) {
        ReportTimes t = timeOfficialBook(data, folder);
        std::cerr << "  report " << i + 1 << ": " << t.pages << " pages, paginate "
                  << fixed(t.paginate, 3) << " s, PDF " << fixed(t.pdf, 3) << " s, HTML "
                  << fixed(t.html, 3) << " s; peak MB " << fixed(t.paginatePeakMb, 0) << " / "
                  << fixed(t.pdfPeakMb, 0) << " / " << fixed(t.htmlPeakMb, 0) << "\n";
        if (i == 0 || t.paginate + t.pdf < best.paginate + best.pdf)
            best = t;
    }
    r["pages"] = std::to_string(best.pages);
    r["paginate_s"] = fixed(best.paginate, 3);
    r["pdf_s"] = fixed(best.pdf, 3);
    r["paginate_pdf_s"] = fixed(best.paginate + best.pdf, 3);
    r["html_s"] = fixed(best.html, 3);
    r["report_peak_mb"] = fixed(peakResidentMb(), 1);
    r["paginate_peak_mb"] = fixed(best.paginatePeakMb, 1);
    r["pdf_peak_mb"] = fixed(best.pdfPeakMb, 1);
    r["html_peak_mb"] = fixed(best.htmlPeakMb, 1);
}

void measureBaseline(fb::Attachment& db, Results& r) {
    clearBook(db);
    const double cpu = processCpuSeconds();
    Stopwatch watch;
    const int rows =
        prepareBookLiterally(db, kSyntheticCnpj, kSyntheticFirstDay, kSyntheticLastDay);
    r["baseline_s"] = fixed(watch.lap(), 3);
    r["baseline_cpu_s"] = fixed(processCpuSeconds() - cpu, 3);
    r["baseline_rows"] = std::to_string(rows);
}

int run(const Options& o) {
    test::TempDir dir;
    setenv("ORVANTIS_HOME", dir.folder().c_str(), 1);
    std::filesystem::create_directories(dir.path() / "dados");
    const std::string path = o.database.empty() ? dir.folder() + "dados/orvantis.bd" : o.database;
    const bool reuse = !o.database.empty() && std::filesystem::exists(path);
    fb::Client& client = fb::Client::load(fb::kClientLibraryName);

    Results common;
    common["orders"] = std::to_string(o.orders);
    {
        fb::Attachment db =
            reuse ? fb::Attachment::attach(client, fb::ConnectionParams::forDatabase(path, "NONE"))
                  : createMainDatabase(client, path, true);
        if (!reuse) {
            Stopwatch watch;
            const SyntheticCounts c = fillSyntheticMonth(db, o.orders);
            const double s = watch.lap();
            std::cerr << o.orders << " orders: generated " << c.orders << " orders, " << c.formulas
                      << " formulas, " << c.components << " components, " << c.items << " items in "
                      << fixed(s, 1) << " s\n";
            common["generate_s"] = fixed(s, 1);
        }

        if (o.reportOnly) {
            Results r = common;
            measureReport(db, dir.folder(), r);
            printResult(r);
            return 0;
        }
        if (o.phases) {
            printPhaseBreakdown(db, kSyntheticCnpj);
            return 0;
        }
        if (o.prepareOnly) {
            SilentUi ui;
            BookContext ctx{db, kSyntheticCnpj, "", ui};
            Stopwatch p;
            Prepara_Rmnra(ctx, kSyntheticFirstDay, kSyntheticLastDay);
            std::cerr << "preparation " << fixed(p.lap(), 3) << " s\n";
            return 0;
        }

        Results embedded = common;
        embedded["mode"] = "embedded";
        measurePreparation(db, o, embedded);
        measureReport(db, dir.folder(), embedded);
        if (o.baseline)
            measureBaseline(db, embedded);
        embedded["process_peak_mb"] = fixed(peakResidentMb(), 1);
        printResult(embedded);
        db.detach();
    }
    if (o.server) {
        test::FirebirdServer server("rmnra-bench-pw");
        fb::ConnectionParams params;
        params.database = server.host() + ":" + path;
        params.user = "SYSDBA";
        params.password = server.password();
        fb::Attachment db = fb::Attachment::attach(client, params);
        Results remote = common;
        remote["mode"] = "server";
        measurePreparation(db, o, remote);
        printResult(remote);
        db.detach();
    }
    return 0;
}

} // namespace
} // namespace rmnra::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    try {
        return rmnra::bench::run(rmnra::bench::parse(argc, argv));
    } catch (const std::exception& e) {
        std::cerr << "rmnra_bench: " << e.what() << "\n";
        return 1;
    }
}
