// The four result listings, character for character, and the stage listing's column layout.
#include <gtest/gtest.h>

#include "design.h"
#include "listings.h"

using namespace zorvek;

namespace {

DesignOutcome StartUp(std::string ds) {
    CalcSettings settings;
    settings.DecimalSymbol = ds;
    return Calcular({}, settings);
}

} // namespace

TEST(Listings, StartUpStageListing) {
    const DesignOutcome o = StartUp(",");
    ASSERT_EQ(o.error, "");
    const char* rows[] = {"0,8500  0,8500", "0,7391  0,7668", "0,6219  0,6789",
                          "0,5139  0,5979", "0,4264  0,5323", "0,3627  0,4544",
                          "0,2940  0,3529", "0,2143  0,2353", "0,1334  0,1159"};
    std::string expected = "   x       y      \r\n";
    for (const char* r : rows) expected += std::string(r) + "    \r\n";
    EXPECT_EQ(o.StageListing, expected);
    std::string markup = "&+I&SP=8:x&SP=18:y&-I&LF";
    for (const char* r : rows) {
        std::string row(r);
        markup += "&SP=5:" + row.substr(0, 6) + "&SP=15:" + row.substr(8, 6) + "&LF";
    }
    for (size_t p; (p = markup.find(',')) != std::string::npos;) markup.replace(p, 1, "&.");
    EXPECT_EQ(o.StageListingMarkup, markup);
}

TEST(Listings, StartUpEquilibriumListing) {
    const DesignOutcome o = StartUp(",");
    const std::string& t = o.EquilibriumListing;
    EXPECT_EQ(t.substr(0, 36 + 38 + 38), "   x        y           x        y\r\n"
                                         "0,0000   0,0000      0,5000   0,6667\r\n"
                                         "0,0500   0,0952      0,5500   0,7097\r\n");
    EXPECT_TRUE(t.ends_with("0,4500   0,6207      0,9500   0,9744\r\n"));
    EXPECT_EQ(t.size(), 36u + 10 * 38u);
    const std::string& m = o.EquilibriumListingMarkup;
    EXPECT_TRUE(m.starts_with("&+I&SP=8:x &SP=18:y &SP=32:x &SP=42:y &-I &LF"
                              "&SP=5:0&.0000&SP=15:0&.0000&SP=29:0&.5000&SP=39:0&.6667&LF"));
    EXPECT_EQ(m.find(','), std::string::npos);
    // With the decimal point the same listing writes "." and the markup still "&.".
    const DesignOutcome dot = StartUp(".");
    EXPECT_TRUE(dot.EquilibriumListing.ends_with("0.4500   0.6207      0.9500   0.9744\r\n"));
    EXPECT_EQ(dot.EquilibriumListingMarkup, m);
    EXPECT_EQ(dot.StageListingMarkup, o.StageListingMarkup);
}

TEST(Listings, FortyFivePointsFillThreeColumns) {
    std::array<double, kStairSlots> x{}, y{};
    for (int i = 1; i <= 45; ++i) {
        x[i] = 1 - i / 100.0;
        y[i] = 1 - i / 200.0;
    }
    std::string text, markup;
    BuildStageListings(x, y, 45, ".", text, markup);
    std::vector<std::string> lines;
    for (size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2)
        lines.push_back(text.substr(pos, end - pos));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "   x       y         x       y         x       y      ");
    EXPECT_EQ(lines[1], "0.9900  0.9950    0.7900  0.8950    0.5900  0.7950    ");
    EXPECT_EQ(lines[3], "0.9500  0.9750    0.7500  0.8750    0.5500  0.7750    ");
    EXPECT_EQ(lines[4], "0.9300  0.9650    0.7300  0.8650    ");
    EXPECT_EQ(lines[10], "0.8100  0.9050    0.6100  0.8050    ");
    EXPECT_TRUE(markup.starts_with("&+I&SP=8:x&SP=18:y&-I&+I&SP=32:x&SP=42:y&-I&+I&SP=56:x&SP=66:y&-I&LF"
                                   "&SP=5:0&.9900&SP=15:0&.9950&SP=29:0&.7900&SP=39:0&.8950&SP=53:0&.5900"));
}

TEST(Listings, StageRowsStopAtAPointOnTheAxis) {
    std::array<double, kStairSlots> x{}, y{};
    for (int i = 1; i <= 9; ++i) x[i] = y[i] = 1 - i / 10.0;
    x[4] = 0; // the staircase drawing stops here
    std::string text, markup;
    BuildStageListings(x, y, 9, ".", text, markup);
    EXPECT_EQ(text, "   x       y      \r\n0.9000  0.9000    \r\n0.7000  0.7000    \r\n");
}
