#include "boxes.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImageReader>
#include <algorithm>

#include "viewertexts.h"

namespace markview {

namespace {
constexpr double kSubScale = 0.7;
constexpr double kNestScale = 0.9; // fractions and systems are set a little smaller than their line
constexpr double kMinSize = 60;
} // namespace

void Row::Add(Box b) {
    b.x += x;
    x += b.width;
    ascent = std::max(ascent, b.ascent);
    descent = std::max(descent, b.descent);
    boxes.push_back(std::move(b));
}

BoxMaker::BoxMaker(double columnWidth, QString language, QString folder)
    : columnWidth_(columnWidth), language_(std::move(language)), folder_(std::move(folder)) {}

Box BoxMaker::Text(const QString& text, const QFont& font, double shift, QColor color) {
    const QFontMetricsF fm(font);
    Box b;
    b.kind = Box::Kind::Text;
    b.text = text;
    b.font = font;
    b.color = color;
    b.y = shift;
    b.width = fm.horizontalAdvance(text);
    b.ascent = fm.ascent() - shift;
    b.descent = fm.descent() + shift;
    return b;
}

// A hyphen that stands for a minus sign (after a blank, "=" or "(", before a blank, a digit or the end
// of the run) is set as the minus sign; hyphens inside words stay. In prose, a blank-hyphen-blank
// between two words (a letter or digit on each side, no "=" before it on the line) is a dash between
// them, as between the two component names, and stays a hyphen.
QString BoxMaker::Typeset(QString text, bool prose) {
    const auto wordCharacter = [](QChar c) { return c.isLetterOrNumber(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('-')) continue;
        const QChar before = i > 0 ? text[i - 1] : QLatin1Char(' ');
        const QChar after = i + 1 < text.size() ? text[i + 1] : QLatin1Char(' ');
        if (!((before == ' ' || before == '=' || before == '(') && (after == ' ' || after.isDigit())))
            continue;
        if (prose && before == ' ' && after == ' ' && i >= 2 && i + 2 < text.size() &&
            wordCharacter(text[i - 2]) && wordCharacter(text[i + 2]) && !text.left(i).contains('='))
            continue;
        text[i] = QChar(0x2212);
    }
    return text;
}

Box BoxMaker::Run(const Node& n, QString text, double size, bool typeset) {
    if (typeset) text = Typeset(std::move(text));
    if (n.script == Script::Normal) return Text(text, ReportFont(n.bold, n.italic, size), 0);
    const double small = std::max(kMinSize, size * kSubScale);
    const double shift = n.script == Script::Sub ? 0.22 * size : -0.42 * size;
    return Text(text, ReportFont(n.bold, n.italic, small), shift);
}

// A list of nodes set on one line, without wrapping (numerators, denominators, equations).
Box BoxMaker::RowOf(const Nodes& nodes, double size) const {
    Row row;
    for (const Node& n : nodes) {
        switch (n.kind) {
        case Node::Kind::Text:
            row.Add(Run(n, QString::fromStdString(n.text), size));
            break;
        case Node::Kind::Tab:
            row.x = std::max(row.x, n.column * columnWidth_ * size / kBaseSize);
            break;
        case Node::Kind::Break:
            row.x += 0.3 * size;
            break;
        case Node::Kind::Fraction:
            row.Add(Fraction(n, size));
            break;
        case Node::Kind::System:
            row.Add(System(n, size));
            break;
        case Node::Kind::Image:
            break; // pictures stand only in the flow of a part
        }
    }
    Box b;
    b.kind = Box::Kind::Group;
    b.width = row.x;
    b.ascent = row.ascent;
    b.descent = row.descent;
    b.children = std::move(row.boxes);
    return b;
}

Box BoxMaker::Fraction(const Node& n, double size) const {
    const double s = std::max(kMinSize, size * kNestScale);
    Box num = RowOf(n.children[0], s);
    Box den = RowOf(n.children[1], s);
    const double pad = 0.15 * size, gap = 0.14 * size, axis = 0.3 * size;
    Box b;
    b.kind = Box::Kind::Fraction;
    b.width = std::max(num.width, den.width) + 2 * pad;
    b.axis = axis;
    b.thickness = std::max(4.0, 0.055 * size);
    num.x = (b.width - num.width) / 2;
    num.y = -axis - gap - num.descent;
    den.x = (b.width - den.width) / 2;
    den.y = -axis + gap + den.ascent;
    b.ascent = axis + gap + num.descent + num.ascent;
    b.descent = den.y + den.descent;
    b.children = {std::move(num), std::move(den)};
    return b;
}

Box BoxMaker::System(const Node& n, double size) const {
    const double s = std::max(kMinSize, size * kNestScale);
    const double braceWidth = 0.55 * size, indent = braceWidth + 0.3 * size, gap = 0.35 * size;
    Box b;
    b.kind = Box::Kind::System;
    double y = 0, width = 0;
    for (const Nodes& rowNodes : n.children) {
        Box r = RowOf(rowNodes, s);
        y += r.ascent;
        r.x = indent;
        r.y = y;
        y += r.descent + gap;
        width = std::max(width, r.width);
        b.children.push_back(std::move(r));
    }
    const double height = std::max(0.0, y - gap);
    // Centre the block on the axis of the line.
    const double axis = 0.3 * size;
    const double top = -axis - height / 2;
    for (Box& r : b.children) r.y += top;
    b.width = indent + width + 0.3 * size;
    b.ascent = -top;
    b.descent = top + height;
    b.axis = braceWidth; // the brace spans from the left edge to this x
    b.thickness = std::max(4.0, 0.06 * size);
    return b;
}

Box BoxMaker::Image(const Node& n) const {
    Box b;
    b.kind = Box::Kind::Image;
    b.width = n.widthMm * kUnitsPerMm;
    b.ascent = n.heightMm * kUnitsPerMm;
    const QString name = QString::fromStdString(n.imageName);
    QImageReader reader(QDir(folder_).filePath(name));
    reader.setAutoTransform(true);
    b.image = reader.read();
    if (b.image.isNull()) {
        b.text = Tx(language_, "No se encuentra la imagen: ", "Picture not found: ") + name;
        b.font = ReportFont(false, true, kBaseSize);
    }
    return b;
}

} // namespace markview
