#pragma once

#include "TextTemplate.h"

#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rmnra {

// Lengths are centimetres; font sizes are points.
struct FontSpec {
    QString family = QStringLiteral("Liberation Sans");
    double size = 9.0;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

// Which sides of a box carry a frame line.
struct Frame {
    bool left = false, top = false, right = false, bottom = false;
    bool any() const { return left || top || right || bottom; }
    bool operator==(const Frame&) const = default;
};

struct RectCm {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const RectCm&) const = default;
};

struct ReportItem {
    enum class Kind { Text, Line, Rectangle };
    Kind kind = Kind::Text;
    RectCm box; // Text and Rectangle; for a Line: from (left, top) to (left+width, top+height)
    TextTemplate text; // Text
    FontSpec font;     // Text
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Center;
    Frame frame;            // Text
    bool wrap = false;      // Text: may break into several lines
    double penWidth = 0.02; // frame, line and rectangle pen, cm
};

struct Band {
    double height = 0;
    std::vector<ReportItem> items;
};

// A group header and footer around the rows that share a field's value.
struct ReportGroup {
    std::string field;         // RMNRB2 column name
    bool repeatHeader = false; // print the header again at the top of a page it continues on
    std::optional<Band> header;
    std::optional<Band> footer;
};

struct Report {
    std::string name;
    double pageWidth = 21.0; // as laid out, orientation applied
    double pageHeight = 29.7;
    bool landscape = false;
    double marginLeft = 1, marginTop = 1, marginRight = 1, marginBottom = 1;

    std::optional<Band> title;        // first page, before the page header
    std::optional<Band> pageHeader;   // every page
    std::optional<Band> columnHeader; // every page that prints rows
    std::vector<ReportGroup> groups;  // outermost first
    std::optional<Band> detail;       // one per row, never split
    std::optional<Band> summary;      // after the last row
    std::optional<Band> pageFooter;   // bottom of every page; its room stays free of rows
};

// The named reports of one project file.
struct ReportProject {
    std::map<std::string, Report> reports;
    const Report* find(const std::string& name) const {
        auto it = reports.find(name);
        return it == reports.end() ? nullptr : &it->second;
    }
};

} // namespace rmnra
