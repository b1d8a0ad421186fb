// Lays a parsed report out on A4 pages: text runs flowed and wrapped at the margins, tab stops in
// character columns of the base font, stacked fractions, braced systems and pictures in millimetres.
// Units are 1/720 inch throughout, so the same layout paints on screen, printer and PDF.
#pragma once
#include <QFont>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "markup.h"

namespace markview {

constexpr double kUnitsPerInch = 720.0;
constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;

struct PageGeometry {
    double widthMm = 210, heightMm = 297; // A4
    double marginLeftMm = 22, marginRightMm = 22, marginTopMm = 20, marginBottomMm = 22;
    double Width() const { return widthMm * kUnitsPerMm; }
    double Height() const { return heightMm * kUnitsPerMm; }
    double Left() const { return marginLeftMm * kUnitsPerMm; }
    double Top() const { return marginTopMm * kUnitsPerMm; }
    double TextWidth() const { return (widthMm - marginLeftMm - marginRightMm) * kUnitsPerMm; }
    double Bottom() const { return (heightMm - marginBottomMm) * kUnitsPerMm; }
};

// One laid-out item. x is its left edge and y its baseline, both relative to the parent's origin.
struct Box {
    enum class Kind { Text, Group, Fraction, System, Image, Rule };
    Kind kind = Kind::Group;
    double x = 0, y = 0;
    double width = 0, ascent = 0, descent = 0;
    QString text; // Text; Image: the file name when the picture could not be read
    QFont font;
    QColor color = Qt::black;
    std::vector<Box> children;
    double axis = 0;      // Fraction: height of the bar above the baseline; System: centre of the brace
    double thickness = 0; // Fraction bar, brace and rule stroke
    QImage image;         // Image (null when missing)
};

struct Page {
    int part = 0;   // the Part it belongs to
    int number = 0; // 1-based over the whole document
    std::vector<Box> boxes;
};

struct ReportLayout {
    PageGeometry geometry;
    std::vector<Page> pages;                            // each part starts on a new page
    std::array<std::vector<int>, kPartCount> partPages; // indices into pages
    double columnWidth = 0;                             // one character column of the base font
};

struct LayoutOptions {
    QString language = "ENG"; // "ESP" or "ENG": the part headings
    QString folder;           // the document's folder, where pictures are looked up
    PageGeometry geometry;
};

ReportLayout LayoutDocument(const Document& document, const LayoutOptions& options);

// Base text font of the given style and size in layout units.
QFont ReportFont(bool bold, bool italic, double size, bool heading = false);

constexpr double kBaseSize = 115; // 11.5 pt

} // namespace markview
