#include "Paginator.h"

#include "TextFitter.h"
#include "ValueFormat.h"

#include <unordered_map>

namespace rmnra {
namespace {

// Stand-ins for the page numbers until the number of pages is known.
constexpr char16_t kPageMark = u'\uE000';
constexpr char16_t kPagesMark = u'\uE001';

class Layout {
public:
    Layout(const Report& report, const ReportData& data, const PaginateOptions& options)
        : r_(report), d_(data), opt_(options), today_(toQStringDate(options.today)) {
        index(d_.dadosGer, dadosGerIndex_);
        index(d_.rmnrb2, rmnrb2Index_);
        for (const auto& g : r_.groups) {
            auto it = rmnrb2Index_.find(g.field);
            groupColumns_.push_back(it == rmnrb2Index_.end() ? -1 : it->second);
        }
        rowCount_ = static_cast<long>(d_.rmnrb2.rows.size());
        out_.name = r_.name;
        out_.pageWidth = r_.pageWidth;
        out_.pageHeight = r_.pageHeight;
        out_.landscape = r_.landscape;
        footerTop_ = r_.pageHeight - r_.marginBottom - (r_.pageFooter ? r_.pageFooter->height : 0);
    }

    RenderedReport run() {
        startPage(0);
        const long n = rowCount_;
        const int levels = static_cast<int>(r_.groups.size());
        std::vector<long>& groupStart = groupStart_;
        groupStart.assign(levels, 0);
        groupOpen_.assign(levels, false);
        for (long i = 0; i < n; ++i) {
            int changed = levels; // outermost level whose value changes at this row
            if (i == 0)
                changed = 0;
            else
                for (int g = 0; g < levels; ++g)
                    if (!sameGroup(g, i - 1, i)) {
                        changed = g;
                        break;
                    }
            if (i > 0)
                closeGroups(changed, i - 1, groupStart);
            openGroups(changed, i, groupStart);
            if (r_.detail) {
                ensureRoom(r_.detail->height, true, i);
                place(*r_.detail, i, i + 1);
            }
            lastRow_ = i;
        }
        if (n > 0)
            closeGroups(0, n - 1, groupStart);
        if (r_.summary) {
            ensureRoom(r_.summary->height, false, lastRow_);
            place(*r_.summary, lastRow_, n);
        }
        finishPage();
        resolvePageNumbers();
        return std::move(out_);
    }

private:
    static QString toQStringDate(const Date& d) { return formatReportValue(ReportValue{d}); }

    static void index(const ReportTable& t, std::unordered_map<std::string, int>& map) {
        for (size_t i = 0; i < t.columns.size(); ++i)
            map.emplace(t.columns[i], static_cast<int>(i));
    }

    const ReportValue& rowValue(long row, int column) const {
        static const ReportValue none;
        if (row < 0 || row >= rowCount_ || column < 0)
            return none;
        const auto& values = d_.rmnrb2.rows[size_t(row)];
        return size_t(column) < values.size() ? values[size_t(column)] : none;
    }

    bool sameGroup(int level, long a, long b) const {
        return rowValue(a, groupColumns_[level]) == rowValue(b, groupColumns_[level]);
    }

    // Rows of the group at `level` that begins at `first`.
    long groupSize(int level, long first) const {
        long j = first + 1;
        while (j < rowCount_) {
            bool same = true;
            for (int g = 0; g <= level && same; ++g)
                same = sameGroup(g, first, j);
            if (!same)
                break;
            ++j;
        }
        return j - first;
    }

    void openGroups(int from, long row, std::vector<long>& groupStart) {
        const int levels = static_cast<int>(r_.groups.size());
        for (int g = from; g < levels; ++g)
            groupOpen_[g] = false;
        // A group header stays with the inner headers and the first row that follow it.
        double together = r_.detail ? r_.detail->height : 0;
        for (int g = from; g < levels; ++g)
            if (r_.groups[g].header)
                together += r_.groups[g].header->height;
        bool first = true;
        for (int g = from; g < levels; ++g) {
            groupStart[g] = row;
            if (r_.groups[g].header) {
                if (first)
                    ensureRoom(together, true, row);
                first = false;
                place(*r_.groups[g].header, row, groupSize(g, row));
            }
            groupOpen_[g] = true;
        }
    }

    void closeGroups(int downTo, long lastRow, const std::vector<long>& groupStart) {
        for (int g = static_cast<int>(r_.groups.size()) - 1; g >= downTo; --g) {
            if (!r_.groups[g].footer)
                continue;
            ensureRoom(r_.groups[g].footer->height, true, lastRow);
            place(*r_.groups[g].footer, lastRow, lastRow - groupStart[g] + 1);
            groupOpen_[g] = false;
        }
        for (int g = downTo; g < static_cast<int>(r_.groups.size()); ++g)
            groupOpen_[g] = false;
    }

    void startPage(long row) {
        out_.pages.emplace_back();
        y_ = r_.marginTop;
        columnHeaderPlaced_ = false;
        if (out_.pages.size() == 1 && r_.title)
            place(*r_.title, row, rowCount_);
        if (r_.pageHeader)
            place(*r_.pageHeader, row, rowCount_);
        bodyTop_ = y_;
        if (opt_.onPage)
            opt_.onPage(static_cast<int>(out_.pages.size()));
    }

    void finishPage() {
        if (r_.pageFooter) {
            y_ = footerTop_;
            place(*r_.pageFooter, lastRow_, rowCount_);
        }
    }

    // Makes room for a band of height h (plus the column header when it belongs there and
    // is not yet on the page), starting a new page when the current one is full; on a new
    // page the open groups' repeating headers come back. A band taller than an empty page
    // is placed anyway rather than looping forever.
    void ensureRoom(double h, bool wantsColumnHeader, long row) {
        bool addHeader = wantsColumnHeader && r_.columnHeader && !columnHeaderPlaced_;
        double need = h + (addHeader ? r_.columnHeader->height : 0);
        if (y_ + need > footerTop_ + 1e-9 && y_ > bodyTop_ + 1e-9) {
            finishPage();
            startPage(row);
            addHeader = wantsColumnHeader && r_.columnHeader;
            if (addHeader) {
                place(*r_.columnHeader, row, rowCount_);
                columnHeaderPlaced_ = true;
                addHeader = false;
            }
            for (size_t g = 0; g < r_.groups.size(); ++g)
                if (groupOpen_[g] && r_.groups[g].repeatHeader && r_.groups[g].header)
                    place(*r_.groups[g].header, row, groupSize(int(g), groupStart_[g]));
        }
        if (addHeader) {
            place(*r_.columnHeader, row, rowCount_);
            columnHeaderPlaced_ = true;
        }
    }

    void place(const Band& band, long row, long count) {
        auto& ops = out_.pages.back().ops;
        for (const auto& item : band.items) {
            DrawOp op;
            op.kind = item.kind;
            op.box = item.box;
            op.box.left += r_.marginLeft;
            op.box.top += y_;
            op.font = item.font;
            op.hAlign = item.hAlign;
            op.vAlign = item.vAlign;
            op.frame = item.frame;
            op.wrap = item.wrap;
            op.penWidth = item.penWidth;
            if (item.kind == ReportItem::Kind::Text)
                op.text = resolve(item.text, row, count);
            ops.push_back(std::move(op));
        }
        y_ += band.height;
    }

    QString resolve(const TextTemplate& t, long row, long count) const {
        QString s;
        using K = TemplatePart::Kind;
        for (const auto& p : t.parts()) {
            switch (p.kind) {
            case K::Literal:
                s += p.literal;
                break;
            case K::DadosGerField:
                s += dadosGerValue(p);
                break;
            case K::Rmnrb2Field: {
                auto it = rmnrb2Index_.find(p.field);
                if (it != rmnrb2Index_.end())
                    s += formatReportValue(rowValue(row, it->second), p.format);
                break;
            }
            case K::Page:
                s += QChar(kPageMark);
                break;
            case K::Pages:
                s += QChar(kPagesMark);
                break;
            case K::Date:
                s += today_;
                break;
            case K::Count:
                s += QString::number(count);
                break;
            }
        }
        return s;
    }

    QString dadosGerValue(const TemplatePart& p) const {
        auto it = dadosGerIndex_.find(p.field);
        if (it == dadosGerIndex_.end() || d_.dadosGer.rows.empty())
            return {};
        const auto& values = d_.dadosGer.rows.front();
        if (size_t(it->second) >= values.size())
            return {};
        return formatReportValue(values[size_t(it->second)], p.format);
    }

    void resolvePageNumbers() {
        const QString total = QString::number(out_.pages.size());
        for (size_t n = 0; n < out_.pages.size(); ++n) {
            const QString page = QString::number(n + 1);
            for (auto& op : out_.pages[n].ops) {
                if (op.kind != ReportItem::Kind::Text)
                    continue;
                op.text.replace(QChar(kPageMark), page).replace(QChar(kPagesMark), total);
                fitText(op);
            }
        }
    }

    const Report& r_;
    const ReportData& d_;
    const PaginateOptions& opt_;
    QString today_;
    std::unordered_map<std::string, int> dadosGerIndex_, rmnrb2Index_;
    std::vector<int> groupColumns_;
    std::vector<long> groupStart_; // first row of each group level now open
    std::vector<bool> groupOpen_;
    long rowCount_ = 0;
    long lastRow_ = -1;
    RenderedReport out_;
    double y_ = 0, bodyTop_ = 0, footerTop_ = 0;
    bool columnHeaderPlaced_ = false;
};

} // namespace

RenderedReport paginate(const Report& report, const ReportData& data,
                        const PaginateOptions& options) {
    return Layout(report, data, options).run();
}

} // namespace rmnra
