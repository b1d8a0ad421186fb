#include "layout.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "viewertexts.h"

namespace markview {

namespace {

const QColor kHeadingColor(0x1f, 0x3a, 0x5f);
constexpr double kSubScale = 0.7;
constexpr double kNestScale = 0.9; // fractions and systems are set a little smaller than their line
constexpr double kMinSize = 60;

// A horizontal run of boxes being filled; tab stops and positions are relative to its start.
struct Row {
    std::vector<Box> boxes;
    double x = 0;
    double ascent = 0, descent = 0;

    void Add(Box b) {
        b.x += x;
        x += b.width;
        ascent = std::max(ascent, b.ascent);
        descent = std::max(descent, b.descent);
        boxes.push_back(std::move(b));
    }
    bool Empty() const { return boxes.empty(); }
};

class Composer {
  public:
    Composer(const LayoutOptions& options, const Document& doc) : options_(options), doc_(doc) {
        const QFontMetricsF fm(ReportFont(false, false, kBaseSize));
        columnWidth_ = fm.horizontalAdvance(QLatin1Char('0'));
        baseAscent_ = fm.ascent();
        baseDescent_ = fm.descent();
        lineGap_ = fm.lineSpacing() - fm.ascent() - fm.descent() + 0.25 * kBaseSize;
    }

    double ColumnWidth() const { return columnWidth_; }

    // Flows a part onto pages, wrapping at the right margin.
    void FlowPart(int part, ReportLayout& layout) {
        pages_ = &layout.pages;
        part_ = part;
        NewPage();
        // The heading of the part, with a rule under it.
        Box heading = TextBox(PartHeading(options_.language, part),
                              ReportFont(true, false, 1.45 * kBaseSize, true), 0, kHeadingColor);
        row_.Add(heading);
        EndLine();
        Box rule;
        rule.kind = Box::Kind::Rule;
        rule.width = options_.geometry.TextWidth();
        rule.thickness = 6;
        rule.color = kHeadingColor;
        rule.descent = 0.6 * kBaseSize;
        row_.Add(rule);
        EndLine();
        for (const Node& n : doc_.parts[part]) Flow(n);
        if (!row_.Empty()) EndLine();
    }

  private:
    static Box TextBox(const QString& text, const QFont& font, double shift, QColor color = Qt::black) {
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
    // of the run) is set as the minus sign; hyphens inside words stay.
    static QString Typeset(QString text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != QLatin1Char('-')) continue;
            const QChar before = i > 0 ? text[i - 1] : QLatin1Char(' ');
            const QChar after = i + 1 < text.size() ? text[i + 1] : QLatin1Char(' ');
            if ((before == ' ' || before == '=' || before == '(') && (after == ' ' || after.isDigit()))
                text[i] = QChar(0x2212);
        }
        return text;
    }

    static Box RunBox(const Node& n, QString text, double size) {
        text = Typeset(std::move(text));
        if (n.script == Script::Normal) return TextBox(text, ReportFont(n.bold, n.italic, size), 0);
        const double small = std::max(kMinSize, size * kSubScale);
        const double shift = n.script == Script::Sub ? 0.22 * size : -0.42 * size;
        return TextBox(text, ReportFont(n.bold, n.italic, small), shift);
    }

    // A list of nodes set on one line, without wrapping (numerators, denominators, equations).
    Box RowBox(const Nodes& nodes, double size) {
        Row row;
        for (const Node& n : nodes) {
            switch (n.kind) {
            case Node::Kind::Text:
                row.Add(RunBox(n, QString::fromStdString(n.text), size));
                break;
            case Node::Kind::Tab:
                row.x = std::max(row.x, n.column * columnWidth_ * size / kBaseSize);
                break;
            case Node::Kind::Break:
                row.x += 0.3 * size;
                break;
            case Node::Kind::Fraction:
                row.Add(FractionBox(n, size));
                break;
            case Node::Kind::System:
                row.Add(SystemBox(n, size));
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

    Box FractionBox(const Node& n, double size) {
        const double s = std::max(kMinSize, size * kNestScale);
        Box num = RowBox(n.children[0], s);
        Box den = RowBox(n.children[1], s);
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

    Box SystemBox(const Node& n, double size) {
        const double s = std::max(kMinSize, size * kNestScale);
        const double braceWidth = 0.55 * size, indent = braceWidth + 0.3 * size, gap = 0.35 * size;
        Box b;
        b.kind = Box::Kind::System;
        double y = 0, width = 0;
        for (const Nodes& rowNodes : n.children) {
            Box r = RowBox(rowNodes, s);
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

    Box ImageBox(const Node& n) {
        Box b;
        b.kind = Box::Kind::Image;
        b.width = n.widthMm * kUnitsPerMm;
        b.ascent = n.heightMm * kUnitsPerMm;
        const QString name = QString::fromStdString(n.imageName);
        QImageReader reader(QDir(options_.folder).filePath(name));
        reader.setAutoTransform(true);
        b.image = reader.read();
        if (b.image.isNull()) {
            b.text = Tx(options_.language, "No se encuentra la imagen: ", "Picture not found: ") + name;
            b.font = ReportFont(false, true, kBaseSize);
        }
        return b;
    }

    void Flow(const Node& n) {
        const double right = options_.geometry.TextWidth();
        switch (n.kind) {
        case Node::Kind::Text:
            FlowText(n);
            break;
        case Node::Kind::Break:
            EndLine();
            break;
        case Node::Kind::Tab: {
            const double stop = n.column * columnWidth_;
            row_.x = row_.x > stop ? row_.x + 0.3 * kBaseSize : stop;
            break;
        }
        case Node::Kind::Fraction:
        case Node::Kind::System: {
            Box b = n.kind == Node::Kind::Fraction ? FractionBox(n, kBaseSize) : SystemBox(n, kBaseSize);
            if (!row_.Empty() && row_.x + b.width > right) EndLine();
            row_.Add(std::move(b));
            break;
        }
        case Node::Kind::Image: {
            if (!row_.Empty()) EndLine();
            Box b = ImageBox(n);
            row_.x = std::max(0.0, (right - b.width) / 2);
            row_.Add(std::move(b));
            row_.descent = std::max(row_.descent, 0.3 * kBaseSize);
            EndLine();
            break;
        }
        }
    }

    // Text broken into words, each kept whole with the blanks after it; a word that would pass the right
    // margin starts the next line. Leading blanks of a run (indentation) are kept.
    void FlowText(const Node& n) {
        const QString text = QString::fromStdString(n.text);
        const double right = options_.geometry.TextWidth();
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype wordEnd = start;
            while (wordEnd < text.size() && text[wordEnd] != QLatin1Char(' ')) ++wordEnd;
            qsizetype end = wordEnd;
            while (end < text.size() && text[end] == QLatin1Char(' ')) ++end;
            if (wordEnd > start && !row_.Empty() &&
                row_.x + RunBox(n, text.mid(start, wordEnd - start), kBaseSize).width > right)
                EndLine();
            row_.Add(RunBox(n, text.mid(start, end - start), kBaseSize));
            start = end;
        }
    }

    // Closes the current line and places it on the page, starting a new page when it does not fit.
    void EndLine() {
        // Subscripts and small overhangs may use most of the gap between lines, so lines keep an even
        // spacing; fractions and pictures open the lines around them.
        const double slack = 0.8 * lineGap_;
        const double ascent = std::max(baseAscent_, row_.ascent - slack);
        const double descent = std::max(baseDescent_, row_.descent - slack);
        const double height = ascent + descent;
        const PageGeometry& g = options_.geometry;
        if (y_ + height > g.Bottom() && pageHasLines_) NewPage();
        const double baseline = y_ + ascent;
        for (Box& b : row_.boxes) {
            b.x += g.Left();
            b.y += baseline;
            pages_->back().boxes.push_back(std::move(b));
        }
        y_ = baseline + descent + lineGap_;
        pageHasLines_ = true;
        row_ = Row{};
    }

    void NewPage() {
        Page p;
        p.part = part_;
        p.number = static_cast<int>(pages_->size()) + 1;
        const bool continued = !pages_->empty() && pages_->back().part == part_;
        pages_->push_back(std::move(p));
        y_ = options_.geometry.Top();
        pageHasLines_ = false;
        if (continued) {
            // A running head names the part on its following pages.
            Box head = TextBox(PartHeading(options_.language, part_) +
                                   Tx(options_.language, " (continuación)", " (continued)"),
                               ReportFont(false, true, 0.85 * kBaseSize, true), 0, kHeadingColor);
            head.x = options_.geometry.Left();
            head.y = y_ + head.ascent;
            y_ += head.ascent + head.descent + 0.8 * kBaseSize;
            pages_->back().boxes.push_back(std::move(head));
        }
    }

    const LayoutOptions& options_;
    const Document& doc_;
    double columnWidth_ = 0, baseAscent_ = 0, baseDescent_ = 0, lineGap_ = 0;
    std::vector<Page>* pages_ = nullptr;
    int part_ = 0;
    Row row_;
    double y_ = 0;
    bool pageHasLines_ = false;
};

} // namespace

QFont ReportFont(bool bold, bool italic, double size, bool heading) {
    QFont f(heading ? QStringLiteral("Liberation Sans") : QStringLiteral("Liberation Serif"));
    f.setStyleHint(heading ? QFont::SansSerif : QFont::Serif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

ReportLayout LayoutDocument(const Document& document, const LayoutOptions& options) {
    ReportLayout layout;
    layout.geometry = options.geometry;
    Composer composer(options, document);
    layout.columnWidth = composer.ColumnWidth();
    for (int part = 0; part < kPartCount; ++part) {
        const int first = static_cast<int>(layout.pages.size());
        composer.FlowPart(part, layout);
        for (int i = first; i < static_cast<int>(layout.pages.size()); ++i)
            layout.partPages[part].push_back(i);
    }
    return layout;
}

} // namespace markview
