#pragma once

#include "ReportModel.h"

#include <QString>
#include <vector>

namespace rmnra {

// One drawing operation on a page, in centimetres from the paper's top-left corner.
// Texts are final: fields, counts and page numbers are filled in and the font size is the
// one that makes the text fit its box.
struct DrawOp {
    ReportItem::Kind kind = ReportItem::Kind::Text;
    RectCm box;
    QString text;
    FontSpec font;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Center;
    Frame frame;
    bool wrap = false;
    double penWidth = 0.02;
};

struct RenderedPage {
    std::vector<DrawOp> ops;
};

// A laid-out report: what the preview, the printer, PDF and HTML all draw.
struct RenderedReport {
    std::string name;
    double pageWidth = 21.0;
    double pageHeight = 29.7;
    bool landscape = false;
    std::vector<RenderedPage> pages;
};

// Inner padding between a text box and its text, cm.
inline constexpr double kTextPadding = 0.1;

} // namespace rmnra
