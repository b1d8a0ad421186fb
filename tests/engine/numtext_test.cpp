// Number <-> text conversions: the reference tables of reading, rounding, display and markup forms.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numtext.h"

using namespace zorvek;

TEST(ParseNumber, ReadsLikeTheClassicValueOfText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"0,46", 0.46},     {"0.46", 0.46},    {"1 000,5", 1000.5}, {"1,2,3", 1.2},
        {"1.234,5", 1.234}, {"-0,5 kg", -0.5}, {"2e-3", 0.002},     {"", 0},
        {"abc", 0},         {"  \t\n 7", 7},   {"+3", 3},           {"- 2", -2},
        {".5", 0.5},        {"5.", 5},         {"1E2", 100},        {"1e", 1},
        {"1e+", 1},         {"1e 2", 100},     {"inf", 0},          {"nan", 0},
        {"1e999", 0},       {"-1e999", 0},     {"0x1p3", 0},        {"\r5", 0},
        {"-", 0},           {".", 0},          {"--1", 0},          {"12abc34", 12},
        {"1d2", 1},         {"1e-400", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseNumber, IsExactForLongAndRoundTripTexts) {
    EXPECT_EQ(ParseNumber("0.30000000000000004"), 0.30000000000000004);
    EXPECT_EQ(ParseNumber(std::string(400, '9')), 0); // beyond the double range
    EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), 0);
}

TEST(RoundHalfUp, RoundsHalvesTowardPlusInfinity) {
    EXPECT_DOUBLE_EQ(RoundHalfUp(0.4567, -4), 0.457);
    EXPECT_DOUBLE_EQ(RoundHalfUp(123456, 0), 123460);
    EXPECT_EQ(RoundHalfUp(2.5, -1), 3);
    EXPECT_EQ(RoundHalfUp(-2.5, -1), -2);
    EXPECT_EQ(RoundHalfUp(1, -400), 0); // 10^399 overflows
    EXPECT_EQ(RoundHalfUp(1e300, -20), 0);
}

TEST(PlainNumberText, ClassicForm) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {0, "0"},
        {0.5, ".5"},
        {-0.5, "-.5"},
        {1, "1"},
        {-1, "-1"},
        {12.25, "12.25"},
        {100, "100"},
        {1.5e-5, "1.5E-05"},
        {0.0001, ".0001"},
        {2e20, "2E+20"},
        {1e15, "1E+15"},
        {123456789012345, "123456789012345"},
        {1.0 / 3, ".333333333333333"},
        {2.0 / 3, ".666666666666667"},
        {-1.25e-100, "-1.25E-100"},
        {0.1 + 0.2, ".3"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlainNumberText(c.x), c.text) << c.x;
}

TEST(MarkupNumber, RewritesPointAndExponent) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {0.5, "0&.5"},        {12.25, "12&.25"}, {-0.125, "-0&.125"},    {100, "100"},
        {1.5e-5, "1&.5&E-5"}, {2e20, "2&E+20"},  {-2.5e-7, "-2&.5&E-7"}, {1e-10, "1&E-10"},
    };
    for (const auto& c : cases) EXPECT_EQ(MarkupNumber(c.x), c.text) << c.x;
}

TEST(FormatSignificant, ReferenceTable) {
    const struct {
        double x;
        double n;
        const char* text;
    } cases[] = {
        {0, 5, "0"},
        {0.46, 5, "0,46"},
        {3, 5, "3"},
        {1.23456789, 5, "1,2346"},
        {-0.123456, 3, "-0,123"},
        {1.0 / 3, 5, "0,33333"},
        {12345.678, 3, "12300"},
        {99999.7, 5, "100000"},
        {123456, 5, "1,2346E5"},
        {100000, 3, "1E5"},
        {0.01, 5, "0,01"},
        {0.0099, 5, "9,9E-3"},
        {0.00123456, 3, "1,23E-3"},
        {0.005, 5, "5E-3"},
        {0.004, 1, "4E-3"},
        {0.0096, 1, "1E-2"},
        {0.0099999, 2, "1E-2"},
        {-0.0099999, 2, "-1E-2"},
        {2.5e-7, 4, "2,5E-7"},
        {1000, 3, "1000"},
        {-123456, 5, "-1,2346E5"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatSignificant(c.x, c.n, ","), c.text) << c.x << " n=" << c.n;
    EXPECT_EQ(FormatSignificant(0.46, 5, "."), "0.46");
    EXPECT_EQ(FormatSignificant(2.5e-7, 4, "."), "2.5E-7");
}

TEST(FormatFixed4, SixCharacters) {
    const struct {
        double v;
        const char* text;
    } cases[] = {
        {0.46, "0,4600"}, {0, "0,0000"},       {0.123456, "0,1235"}, {0.99999, "1,0000"},
        {1, "1,0000"},    {0.00004, "0,0000"}, {-0.25, "0,2500"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFixed4(c.v, ","), c.text) << c.v;
    EXPECT_EQ(FormatFixed4(0.46, "."), "0.4600");
}

TEST(Recta, LineEquations) {
    const struct {
        double m, n;
        const char* text;
    } cases[] = {
        {0.75, 0.2125, "y = 0,75x + 0,2125"},
        {-1, 0.92, "y = -x + 0,92"},
        {1, 0, "y = x "},
        {-1, 0, "y = -x "},
        {0, 0.5, "y = 0,5"},
        {0, -0.5, "y = -0,5"},
        {2.3, -0.1, "y = 2,3x - 0,1"},
        {1.5, -0.0005, "y = 1,5x - 5E-4"},
    };
    for (const auto& c : cases) EXPECT_EQ(Recta(c.m, c.n, ","), c.text);
}

TEST(TableNumberText, FileAndClipboardFormsReadBack) {
    EXPECT_EQ(FileNumberText(0.5), ".5");
    EXPECT_EQ(ClipboardNumberText(0.5), "0.5");
    EXPECT_EQ(ClipboardNumberText(-0.5), "-0.5");
    EXPECT_EQ(FileNumberText(-1), "-1");
    EXPECT_EQ(ClipboardNumberText(1.5e-5), "1.5E-05");
    const double values[] = {0.5, -1, 0.0952380952380952, 2.0 / 3, 1e-7, 123456.789, 1e300, 4.9e-300};
    for (double v : values) {
        for (const std::string& s : {FileNumberText(v), ClipboardNumberText(v)}) {
            const double back = ParseNumber(s);
            EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << s;
        }
    }
}

TEST(FormatFixed4, AgreesWithItsDefinitionEverywhere) {
    // s = FormatSignificant(|v| + 10, 6), padded with the symbol and zeros, from its second character.
    auto definition = [](double v, std::string_view ds) {
        std::string s = FormatSignificant(std::fabs(v) + 10, 6, ds);
        if (s.find(ds) == std::string::npos) s += std::string(ds) + "0000";
        s += "0000";
        return s.substr(1, 6);
    };
    for (int i = -200000; i <= 1200000; i += 7) {
        const double v = i / 1000000.0;
        ASSERT_EQ(FormatFixed4(v, ","), definition(v, ",")) << v;
    }
    for (double v : {0.00005, 0.99995, 0.12345, 0.5, 88.99999, 89.5, 120.0, 1e-300})
        EXPECT_EQ(FormatFixed4(v, "."), definition(v, ".")) << v;
}
