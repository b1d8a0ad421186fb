// markview on the offscreen platform: pages rendered into images and checked where real faults would
// show (a fraction upside down, a missing picture, listing columns out of line), and the window's
// messages and PDF export through the seams.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "commandline.h"
#include "layout.h"
#include "markup.h"
#include "pageview.h"
#include "paint.h"
#include "seams.h"
#include "viewertexts.h"
#include "viewerwindow.h"

namespace markview {
namespace {

constexpr double kDpi = 150;

bool Dark(QRgb c) {
    return qGray(c) < 110;
}
bool Red(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

struct Rendered {
    ReportLayout layout;
    QImage page;
    double scale = kDpi / kUnitsPerInch; // pixels per layout unit
};

Rendered Render(const std::string& markup, const QString& folder = {}) {
    ParseResult r = ParsePartMarkup(markup, ".");
    EXPECT_TRUE(r.ok) << r.error;
    LayoutOptions options;
    options.folder = folder;
    Rendered out;
    out.layout = LayoutDocument(r.document, options);
    out.page = RenderPage(out.layout, out.layout.partPages[kStatement].front(), kDpi);
    return out;
}

double BoxMakerWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

const Box* FindBox(const std::vector<Box>& boxes, Box::Kind kind) {
    for (const Box& b : boxes)
        if (b.kind == kind) return &b;
    return nullptr;
}

// Leftmost and rightmost dark column in a pixel rectangle; -1 when there is no ink.
std::pair<int, int> InkSpan(const QImage& img, int x0, int y0, int x1, int y1) {
    int lo = -1, hi = -1;
    for (int x = std::max(0, x0); x < std::min(img.width(), x1); ++x)
        for (int y = std::max(0, y0); y < std::min(img.height(), y1); ++y)
            if (Dark(img.pixel(x, y))) {
                if (lo < 0) lo = x;
                hi = x;
                break;
            }
    return {lo, hi};
}

TEST(MarkviewRender, FractionNumeratorStandsAboveItsDenominator) {
    const Rendered r = Render("Where:  #COC(WWWWWWWW#N)(ii#COC) end");
    const Box* f = FindBox(r.layout.pages.front().boxes, Box::Kind::Fraction);
    ASSERT_NE(f, nullptr);
    const int left = int(f->x * r.scale), right = int((f->x + f->width) * r.scale);
    const int bar = int((f->y - f->axis) * r.scale);
    const int top = int((f->y - f->ascent) * r.scale), bottom = int((f->y + f->descent) * r.scale);
    // The bar: a dark row across most of the fraction.
    int barRun = 0;
    for (int y = bar - 2; y <= bar + 2; ++y) {
        int run = 0;
        for (int x = left; x < right; ++x) run += Dark(r.page.pixel(x, y)) ? 1 : 0;
        barRun = std::max(barRun, run);
    }
    EXPECT_GT(barRun, 0.85 * (right - left));
    const auto above = InkSpan(r.page, left, top, right, bar - 3);
    const auto below = InkSpan(r.page, left, bar + 4, right, bottom + 1);
    ASSERT_GE(above.first, 0);
    ASSERT_GE(below.first, 0);
    // The wide numerator is above the bar, the narrow denominator below it, both centred.
    EXPECT_GT(above.second - above.first, 3 * (below.second - below.first));
    EXPECT_NEAR((above.first + above.second) / 2.0, (below.first + below.second) / 2.0, 3);
}

TEST(MarkviewRender, PictureIsShownAt130Millimetres) {
    QTemporaryDir dir;
    QImage red(400, 400, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(dir.filePath("diagram.jpg"), "JPG", 95));
    const std::string markup = "Minimum reflux ratio:&LF#IMG('diagram.jpg'DXmm=130:DYmm=130:#IMG)&LFafter";
    const Rendered r = Render(markup, dir.path());
    int count = 0, minX = r.page.width(), maxX = -1;
    for (int y = 0; y < r.page.height(); ++y)
        for (int x = 0; x < r.page.width(); ++x)
            if (Red(r.page.pixel(x, y))) {
                ++count;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    const double side = 130 / 25.4 * kDpi;
    EXPECT_NEAR(maxX - minX + 1, side, 3);
    EXPECT_GT(count, 0.97 * side * side);
    // Centred between the margins.
    const double centre = (r.layout.geometry.Left() + r.layout.geometry.TextWidth() / 2) * r.scale;
    EXPECT_NEAR((minX + maxX) / 2.0, centre, 3);

    const Rendered missing = Render(markup, dir.path() + "/elsewhere");
    int redMissing = 0;
    for (int y = 0; y < missing.page.height(); y += 2)
        for (int x = 0; x < missing.page.width(); x += 2) redMissing += Red(missing.page.pixel(x, y)) ? 1 : 0;
    EXPECT_EQ(redMissing, 0);
    const Box* placeholder = FindBox(missing.layout.pages.front().boxes, Box::Kind::Image);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_TRUE(placeholder->text.contains("diagram.jpg"));
}

TEST(MarkviewRender, ListingColumnsLineUp) {
    const std::string markup = "&+I&SP=8:x&SP=18:y&-I&LF"
                               "&SP=5:0&.8500&SP=15:0&.8500&LF"
                               "&SP=5:1&SP=15:0&.7668&LF"
                               "&SP=5:WWW&SP=15:0&.1159&LF";
    const Rendered r = Render(markup);
    std::vector<double> baselines;
    for (const Box& b : r.layout.pages.front().boxes)
        if (b.kind == Box::Kind::Text && b.text.startsWith("0.") &&
            b.x > r.layout.geometry.Left() + 10 * r.layout.columnWidth)
            baselines.push_back(b.y);
    ASSERT_EQ(baselines.size(), 3u);
    const double expected = (r.layout.geometry.Left() + 15 * r.layout.columnWidth) * r.scale;
    for (double baseline : baselines) {
        const int y = int(baseline * r.scale);
        const int from = int((r.layout.geometry.Left() + 12 * r.layout.columnWidth) * r.scale);
        const auto span = InkSpan(r.page, from, y - 12, r.page.width(), y);
        EXPECT_NEAR(span.first, expected, 2.5) << baseline;
    }
}

TEST(MarkviewRender, SubscriptSitsBelowTheBaseline) {
    const Rendered r = Render("x_D");
    const auto& boxes = r.layout.pages.front().boxes;
    const Box* base = nullptr;
    const Box* sub = nullptr;
    for (const Box& b : boxes)
        if (b.kind == Box::Kind::Text && b.text == "x")
            base = &b;
        else if (b.kind == Box::Kind::Text && b.text == "D")
            sub = &b;
    ASSERT_TRUE(base && sub);
    EXPECT_GT(sub->y, base->y);
    EXPECT_LT(sub->font.pixelSize(), base->font.pixelSize());
    // Ink of the subscript reaches below the baseline of the x.
    int lowest = 0;
    for (int y = int(base->y * r.scale); y < int(base->y * r.scale) + 30; ++y)
        for (int x = int(sub->x * r.scale); x < int((sub->x + sub->width) * r.scale); ++x)
            if (Dark(r.page.pixel(x, y))) lowest = y;
    EXPECT_GT(lowest, int(base->y * r.scale) + 2);
}

// Text stays between the margins: long lines wrap at blanks, a word longer than a line is cut.
TEST(MarkviewRender, TextStaysWithinTheMargins) {
    std::string markup;
    for (int i = 0; i < 60; ++i) markup += "Intersection of the operating lines ";
    markup += "&LF" + std::string(400, 'W') + "&LF" + std::string(20000, 'i') + "&LF";
    const Rendered r = Render(markup);
    const double left = r.layout.geometry.Left(), right = left + r.layout.geometry.TextWidth();
    int lines = 0;
    for (const Page& page : r.layout.pages)
        for (const Box& b : page.boxes) {
            if (b.kind != Box::Kind::Text || b.text.trimmed().isEmpty()) continue;
            const double inkRight = b.x + BoxMakerWidth(b.font, b.text.trimmed());
            EXPECT_LE(inkRight, right + 1) << b.text.toStdString();
            EXPECT_GE(b.x, left - 1);
            ++lines;
        }
    EXPECT_GT(lines, 60);
}

// Every text a laid-out page shows, in order, fractions and systems included.
void CollectTexts(const std::vector<Box>& boxes, QString& out) {
    for (const Box& b : boxes) {
        if (b.kind == Box::Kind::Text) out += b.text;
        CollectTexts(b.children, out);
    }
}

// The blank-hyphen-blank between the two component names stays a hyphen; a hyphen that stands for a
// minus sign in an equation, in a fraction or before a number is still set as the minus sign.
TEST(MarkviewRender, HyphenBetweenNamesStaysAMinusInEquations) {
    const struct {
        const char* markup;
        const char* shown;
    } cases[] = {
        {"Binary feed of agua - etanol&LF", "Binary feed of agua - etanol"},
        {"Binary feed of R134a - 1-propanol&LF", "Binary feed of R134a - 1-propanol"},
        {"    &+Iy&-I = 1&.4756&+Ix&-I - 0&.080854&LF", "    y = 1.4756x \u2212 0.080854"},
        {"&+Iy = -x + 0&.92&-I&LF", "y = -x + 0.92"},
        {"Rmin = 2 - 1&LF", "Rmin = 2 \u2212 1"},
        {"#COC(1#N)(&alfa - 1#COC)&LF", "1\u03b1 \u2212 1"},
        {"&+Iy = #COC(q#N)(q - 1#COC)x - 1&-I&LF", "y = qq \u2212 1x \u2212 1"},
    };
    for (const auto& c : cases) {
        const Rendered r = Render(c.markup);
        QString shown;
        for (int page : r.layout.partPages[kStatement]) CollectTexts(r.layout.pages[page].boxes, shown);
        const QString expected =
            QString(c.shown).replace("\\u2212", QChar(0x2212)).replace("\\u03b1", QChar(0x3b1));
        EXPECT_EQ(shown.toStdString(), ("Statement" + expected).toStdString())
            << c.markup; // the heading first
    }
}

// Every document the fuzzer keeps is laid out and painted without a fault, and stays on its pages.
TEST(MarkviewRender, LaysOutEveryCorpusDocument) {
    const QDir corpus(MARKUP_CORPUS);
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    int laidOut = 0;
    for (const QString& name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string bytes = file.readAll().toStdString();
        for (const ParseResult& r : {ParseReportMarkup(bytes), ParsePartMarkup(bytes, ",")}) {
            if (!r.ok) continue;
            const ReportLayout layout = LayoutDocument(r.document, LayoutOptions{});
            for (int part = 0; part < kPartCount; ++part)
                EXPECT_FALSE(layout.partPages[part].empty()) << name.toStdString();
            for (const Page& page : layout.pages)
                for (const Box& b : page.boxes)
                    EXPECT_LT(b.y - b.ascent, layout.geometry.Height()) << name.toStdString();
            EXPECT_FALSE(RenderPage(layout, 0, 30).isNull());
            ++laidOut;
        }
    }
    EXPECT_GE(laidOut, 10);
}

class MarkviewWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = zorvek::seams();
        zorvek::seams().messageBox = [this](QWidget*, const zorvek::MessageRequest& r) {
            messages_.push_back(r.text);
            return zorvek::MsgAnswer::Ok;
        };
    }
    void TearDown() override { zorvek::seams() = saved_; }
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile f(dir_.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    zorvek::Seams saved_;
    QStringList messages_;
    QTemporaryDir dir_;
};

TEST_F(MarkviewWindow, MissingFileAndMalformedMarkupGiveAMessage) {
    for (const QString lang : {"ENG", "ESP"}) {
        messages_.clear();
        ViewerWindow w(lang);
        const QString missing = dir_.filePath("nothing.rex");
        EXPECT_FALSE(w.OpenReport(missing));
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_TRUE(messages_[0].startsWith(
            (lang == "ENG" ? "Cannot open the report:\r\n" : "No se puede abrir el informe:\r\n") + missing +
            "\r\nError : "))
            << messages_[0].toStdString();
        const QString bad = Write("bad.rex", "#ENU(#COC(a#N)(b#ENU)");
        EXPECT_FALSE(w.OpenReport(bad));
        ASSERT_EQ(messages_.size(), 2);
        EXPECT_TRUE(messages_[1].contains(lang == "ENG" ? "is not valid" : "no es válido"))
            << messages_[1].toStdString();
        EXPECT_EQ(w.Problem(), messages_[1]);
        EXPECT_TRUE(w.OpenReport(Write("good.rex", "#ENU(a#ENU)"))); // a good report clears the reason
        EXPECT_TRUE(w.Problem().isEmpty());
    }
}

TEST_F(MarkviewWindow, ShowsFourHeadedPartsAndExportsPdf) {
    QImage pic(100, 100, QImage::Format_RGB32);
    pic.fill(Qt::red);
    pic.save(dir_.filePath("mcth_temp100001.jpg"), "JPG", 95);
    const QString path =
        Write("restemp123456.rex",
              "#DEC(,#DEC)\r\n\r\n#ENU(&+BN\xC3\xBAmero de platos&-B&LF0&.5#ENU)\r\n\r\n"
              "#SOL(&+Ba)&-B R#SOL)\r\n\r\n#RS1(#IMG('mcth_temp100001.jpg'DXmm=130:DYmm=130:#IMG)&LF#RS1)"
              "\r\n\r\n#RS2(fin#RS2)");
    ViewerWindow w("ESP");
    ASSERT_TRUE(w.OpenReport(path));
    EXPECT_TRUE(messages_.isEmpty());
    ASSERT_EQ(w.Tabs()->count(), 4);
    const QStringList titles = {"Enunciado", "Respuestas", "Resultados", "Resolución completa"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.Tabs()->tabText(i), titles[i]);
    EXPECT_EQ(w.Layout().pages.size(), 4u);
    bool sawDecimal = false;
    for (const Box& b : w.Layout().pages.front().boxes) sawDecimal |= b.text == "0,5";
    EXPECT_TRUE(sawDecimal);

    const QString pdf = dir_.filePath("out");
    zorvek::seams().fileDialog = [&](QWidget*, const zorvek::FileDialogRequest& r) {
        EXPECT_TRUE(r.save);
        EXPECT_EQ(r.fileName, "restemp123456.pdf");
        return pdf;
    };
    w.ExportPdfCommand();
    QFile out(pdf + ".pdf");
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 4);
}

TEST_F(MarkviewWindow, ZoomChangesThePageSize) {
    const QString path = Write("z.rex", "#ENU(a#ENU)");
    ViewerWindow w("ENG");
    ASSERT_TRUE(w.OpenReport(path));
    const int width = w.View(kStatement)->width();
    w.ZoomIn();
    EXPECT_GT(w.View(kStatement)->width(), width);
    w.ActualSize();
    EXPECT_EQ(w.View(kStatement)->width(), width);
    // Ctrl + wheel zooms; the plain wheel leaves the zoom alone (it scrolls).
    const auto wheel = [&](Qt::KeyboardModifiers modifiers, int delta) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.View(kStatement), &event);
    };
    wheel(Qt::NoModifier, 120);
    EXPECT_EQ(w.View(kStatement)->width(), width);
    wheel(Qt::ControlModifier, -120);
    EXPECT_LT(w.View(kStatement)->width(), width);
}

} // namespace
} // namespace markview

namespace markview {

// The language comes with the document; a document given alone still opens, in the saved language.
TEST(MarkviewCommandLine, TakesTheLanguageHandedOverWithTheDocument) {
    const QString saved = SavedLanguage();
    const struct {
        QStringList args;
        QString document, language, pdf;
    } cases[] = {
        {{"/tmp/restemp123456.rex"}, "/tmp/restemp123456.rex", saved, ""},
        {{"/tmp/restemp123456.rex", "--lang", "ESP"}, "/tmp/restemp123456.rex", "ESP", ""},
        {{"--lang", "ENG", "/tmp/my", "reports/r.rex"}, "/tmp/my reports/r.rex", "ENG", ""},
        {{"/tmp/r.rex", "--lang", "FRA"}, "/tmp/r.rex", saved, ""}, // not a language of the program
        {{"/tmp/r.rex", "--pdf", "/tmp/r.pdf", "--lang", "ESP"}, "/tmp/r.rex", "ESP", "/tmp/r.pdf"},
    };
    for (const auto& c : cases) {
        const ViewerCommand command = ParseViewerCommand(c.args);
        EXPECT_EQ(command.document, c.document) << c.args.join(' ').toStdString();
        EXPECT_EQ(command.language, c.language) << c.args.join(' ').toStdString();
        EXPECT_EQ(command.pdfOut, c.pdf) << c.args.join(' ').toStdString();
    }
}

} // namespace markview
