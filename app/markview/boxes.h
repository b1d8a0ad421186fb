// The boxes of a report's inline items: styled text runs (subscripts, superscripts, minus signs), rows
// set without wrapping, fractions stacked numerator over denominator, systems of equations with a left
// brace, and pictures at their size in millimetres.
#pragma once
#include <QColor>
#include <QString>
#include <vector>

#include "layout.h"

namespace markview {

// A horizontal run of boxes being filled; tab stops and positions are relative to its start.
struct Row {
    std::vector<Box> boxes;
    double x = 0;
    double ascent = 0, descent = 0;

    void Add(Box b);
    bool Empty() const { return boxes.empty(); }
};

class BoxMaker {
  public:
    // columnWidth: one character column of the base font (tab stops); folder: where pictures are read.
    BoxMaker(double columnWidth, QString language, QString folder);

    // Text in a font, its baseline moved down by shift (negative: up).
    static Box Text(const QString& text, const QFont& font, double shift, QColor color = Qt::black);
    // A hyphen standing for a minus sign set as the minus sign; hyphens inside words stay, and in prose
    // (a paragraph's text, not an equation's row) so does a dash between two words.
    static QString Typeset(QString text, bool prose = false);
    // A text run in the style and script of its node, at the given size; typeset: with Typeset applied
    // to the text alone (false when the whole run has been typeset already).
    static Box Run(const Node& n, QString text, double size, bool typeset = true);

    Box RowOf(const Nodes& nodes, double size) const;
    Box Fraction(const Node& n, double size) const;
    Box System(const Node& n, double size) const;
    Box Image(const Node& n) const;

  private:
    double columnWidth_;
    QString language_;
    QString folder_;
};

} // namespace markview
