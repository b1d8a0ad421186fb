// The printed pages on a recording device: page order of copies, the paper check, where the title,
// rule, summary and stage table land, and continuation sheets for text past the printable bottom.
#include <QFontInfo>
#include <gtest/gtest.h>

#include "pagewriter.h"
#include "printtexts.h"
#include "recordingdevice.h"

using namespace zorvek;
using zorvek::test::RecordedPage;
using zorvek::test::RecordingDevice;

namespace {

const QString kTitle = Pick(printtext::PageTitle, "ENG");
const QString kHeading = Pick(printtext::StagesHeading, "ENG");

// Lines "<prefix>1" .. "<prefix>n", each ending with CR LF; the lines listed in blanks are empty.
std::string Lines(const char* prefix, int n, std::vector<int> blanks = {}) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
        if (std::find(blanks.begin(), blanks.end(), i) == blanks.end()) text += prefix + std::to_string(i);
        text += "\r\n";
    }
    return text;
}

PageSource Source(std::string summary, std::string stages) {
    PageSource source;
    source.Informe = [summary] { return summary; };
    source.StageListing = [stages] { return stages; };
    source.CalcularOnPage = [](DiagramCanvas&) {};
    return source;
}

const test::RecordedText* Find(const RecordedPage& page, const QString& text) {
    for (const auto& t : page.texts)
        if (t.text == text) return &t;
    return nullptr;
}

int KindOf(const RecordedPage& page) {
    return page.Has(kTitle) ? 1 : page.Has(kHeading) ? 2 : 0;
}

TEST(PageOrder, CopiesRepeatThePages) {
    struct Case {
        int copies;
        bool collate;
        std::vector<int> order;
    };
    const Case cases[] = {
        {3, true, {1, 2, 1, 2, 1, 2}}, {3, false, {1, 1, 1, 2, 2, 2}}, {1, false, {1, 2}}, {0, true, {}}};
    for (const Case& c : cases) {
        EXPECT_EQ(PageOrder(c.copies, c.collate), c.order) << c.copies << " " << c.collate;
        if (c.copies < 1) continue;
        RecordingDevice device(200, 287);
        ASSERT_EQ(PrintPages(device, Source(Lines("s", 3), Lines("r", 2)), c.copies, c.collate),
                  PrintOutcome::Printed);
        std::vector<int> printed;
        for (const RecordedPage& page : device.pages) printed.push_back(KindOf(page));
        EXPECT_EQ(printed, c.order) << "no blank sheet at the end, one sheet per page";
    }
}

TEST(PaperCheck, PrintsOnlyOnAtLeast190By260) {
    struct Case {
        double w, h;
        bool prints;
    };
    const Case cases[] = {{200, 287, true}, {185, 270, false}, {190, 260, true}, {200, 259.9, false}};
    for (const Case& c : cases) {
        RecordingDevice device(c.w, c.h);
        const PrintOutcome outcome = PrintPages(device, Source(Lines("s", 3), Lines("r", 2)), 2, true);
        EXPECT_EQ(outcome, c.prints ? PrintOutcome::Printed : PrintOutcome::PaperTooSmall)
            << c.w << "x" << c.h;
        EXPECT_EQ(device.begins, c.prints ? 1 : 0) << "nothing is drawn on paper that is too small";
    }
}

TEST(PageOne, TitleRuleAndFortySummaryLines) {
    RecordingDevice device(200, 287);
    ASSERT_EQ(PrintPages(device, Source(Lines("line ", 40, {5, 6}), ""), 1, true), PrintOutcome::Printed);
    const RecordedPage& page = device.pages.at(0);
    const auto* title = Find(page, kTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->x, 10, 0.05);
    EXPECT_NEAR(title->top, 10, 0.05);
    EXPECT_EQ(title->font.family(), "Arial");
    EXPECT_EQ(title->font.pointSizeF(), 11);
    EXPECT_TRUE(title->font.bold());
    EXPECT_FALSE(title->font.italic() || title->font.underline() || title->font.strikeOut());
    // The rule: an outline from (10, 14.5) to (180, 15), in black.
    QRectF rule;
    for (const auto& line : page.lines) {
        rule = rule.united(QRectF(line.mm.p1(), line.mm.p2()).normalized());
        EXPECT_EQ(line.colour, QColor(Qt::black));
    }
    EXPECT_NEAR(rule.left(), 10, 0.01);
    EXPECT_NEAR(rule.right(), 180, 0.01);
    EXPECT_NEAR(rule.top(), 14.5, 0.01);
    EXPECT_NEAR(rule.bottom(), 15, 0.01);
    for (int i = 1; i <= 40; ++i) {
        const auto* line = Find(page, QString("line %1").arg(i));
        if (i == 5 || i == 6) {
            EXPECT_EQ(line, nullptr);
            continue;
        }
        ASSERT_NE(line, nullptr) << i;
        EXPECT_NEAR(line->x, 10, 0.05);
        EXPECT_NEAR(line->top, 18 + 4 * (i - 1), 0.05) << i; // blank lines keep their 4 mm
        EXPECT_EQ(line->font.family(), "Courier New");
        EXPECT_EQ(line->font.pointSizeF(), 10);
        EXPECT_TRUE(line->font.bold());
    }
    EXPECT_NEAR(Find(page, "line 40")->top, 174, 0.05);
}

TEST(PageTwo, HeadingAndStageTableBelowTheDiagram) {
    RecordingDevice device(200, 287);
    PageSource source = Source("s\r\n", Lines("row ", 11));
    bool drawn = false;
    source.CalcularOnPage = [&](DiagramCanvas&) { drawn = true; };
    ASSERT_EQ(PrintPages(device, source, 1, true), PrintOutcome::Printed);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_TRUE(drawn);
    const RecordedPage& page = device.pages[1];
    const auto* heading = Find(page, kHeading);
    ASSERT_NE(heading, nullptr);
    EXPECT_NEAR(heading->top, 200, 0.05);
    EXPECT_EQ(heading->font.family(), "Courier New");
    for (int i = 1; i <= 11; ++i) {
        const auto* row = Find(page, QString("row %1").arg(i));
        ASSERT_NE(row, nullptr) << i;
        EXPECT_NEAR(row->top, 205 + 4 * (i - 1), 0.05) << i;
    }
    EXPECT_NEAR(Find(page, "row 11")->top, 245, 0.05);
}

TEST(PageText, HeadingsInEachLanguage) {
    struct Case {
        QString language, title, heading;
    };
    const Case cases[] = {{"ESP", "Número de platos teóricos por el método McCabe-Thiele",
                           "Composición de los platos teóricos (de arriba a abajo):"},
                          {"ENG", "Number of Theoretical Plates by McCabe-Thiele method",
                           "Theoretical stages. From top to bottom:"}};
    for (const Case& c : cases) {
        RecordingDevice device(200, 287);
        PageSource source = Source("s\r\n", "r\r\n");
        source.UiLanguage = c.language;
        PrintPages(device, source, 1, true);
        ASSERT_EQ(device.pages.size(), 2u);
        EXPECT_TRUE(device.pages[0].Has(c.title)) << c.language.toStdString();
        EXPECT_TRUE(device.pages[1].Has(c.heading)) << c.language.toStdString();
    }
}

TEST(PageText, LastLineWithoutBreakAndTrailingBlanks) {
    RecordingDevice device(200, 287);
    PrintPages(device, Source("a\r\nb", "r\r\n   \r\n\r\n"), 1, true);
    ASSERT_EQ(device.pages.size(), 2u);
    EXPECT_NEAR(Find(device.pages[0], "b")->top, 22, 0.05);
    EXPECT_EQ(device.pages[1].texts.size(), 2u); // heading and "r": the blank rest is not written
}

TEST(PageText, TextPastThePrintableBottomContinuesOnANewSheet) {
    RecordingDevice device(200, 270);
    // 18 + 4 * 62 = 266 is the last top whose line still fits 270 mm.
    ASSERT_EQ(PrintPages(device, Source(Lines("line ", 70), "r\r\n"), 1, true), PrintOutcome::Printed);
    ASSERT_EQ(device.pages.size(), 3u);
    EXPECT_NEAR(Find(device.pages[0], "line 63")->top, 266, 0.05);
    EXPECT_NEAR(Find(device.pages[1], "line 64")->top, 10, 0.05);
    EXPECT_NEAR(Find(device.pages[1], "line 70")->top, 34, 0.05);
    EXPECT_TRUE(device.pages[2].Has(kHeading));
}

} // namespace
