#include "layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "boxes.h"
#include "viewertexts.h"

namespace markview {

namespace {

double BaseColumnWidth() {
    return QFontMetricsF(ReportFont(false, false, kBaseSize)).horizontalAdvance(QLatin1Char('0'));
}

const QColor kHeadingColor(0x1f, 0x3a, 0x5f);
constexpr qsizetype kLongestLine = 400; // no line of the text width holds more characters

class Composer {
  public:
    Composer(const LayoutOptions& options, const Document& doc)
        : options_(options), doc_(doc), columnWidth_(BaseColumnWidth()),
          maker_(columnWidth_, options.language, options.folder) {
        const QFontMetricsF fm(ReportFont(false, false, kBaseSize));
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
        Box heading = BoxMaker::Text(PartHeading(options_.language, part),
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
            Box b =
                n.kind == Node::Kind::Fraction ? maker_.Fraction(n, kBaseSize) : maker_.System(n, kBaseSize);
            if (!row_.Empty() && row_.x + b.width > right) EndLine();
            row_.Add(std::move(b));
            break;
        }
        case Node::Kind::Image: {
            if (!row_.Empty()) EndLine();
            Box b = maker_.Image(n);
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
        // Typeset as a whole, before the words are cut apart, so that each hyphen sees its neighbours.
        const QString text = BoxMaker::Typeset(QString::fromStdString(n.text), !n.italic);
        const double right = options_.geometry.TextWidth();
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype wordEnd = start;
            while (wordEnd < text.size() && text[wordEnd] != QLatin1Char(' ')) ++wordEnd;
            qsizetype end = wordEnd;
            while (end < text.size() && text[end] == QLatin1Char(' ')) ++end;
            if (wordEnd > start && !row_.Empty() &&
                row_.x + BoxMaker::Run(n, text.mid(start, wordEnd - start), kBaseSize, false).width > right)
                EndLine();
            // A word longer than a whole line is cut where the line ends (found by halving, so even a
            // very long word costs only a few measurements per line).
            const auto fits = [&](qsizetype stop) {
                return row_.x + BoxMaker::Run(n, text.mid(start, stop - start), kBaseSize, false).width <=
                       right;
            };
            while (wordEnd - start > 1 && (wordEnd - start > kLongestLine || !fits(wordEnd))) {
                qsizetype lo = start + 1, hi = std::min(wordEnd, start + kLongestLine); // lo always kept
                while (lo < hi) {
                    const qsizetype mid = (lo + hi + 1) / 2;
                    if (fits(mid))
                        lo = mid;
                    else
                        hi = mid - 1;
                }
                row_.Add(BoxMaker::Run(n, text.mid(start, lo - start), kBaseSize, false));
                EndLine();
                start = lo;
            }
            row_.Add(BoxMaker::Run(n, text.mid(start, end - start), kBaseSize, false));
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
            Box head = BoxMaker::Text(PartHeading(options_.language, part_) +
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
    double columnWidth_ = 0;
    BoxMaker maker_;
    double baseAscent_ = 0, baseDescent_ = 0, lineGap_ = 0;
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
