// The start-up case (alpha 2, q 0.5, zF 0.46, xD 0.85, xB 0.17, R 3) as the main window shows it, for
// the report tests.
#pragma once
#include "reportfields.h"

namespace zorvek::test {

// Texts written with "," where the decimal symbol is a comma and with "." otherwise.
inline std::string WithDecimal(const char* text, const std::string& dec) {
    std::string s(text);
    if (dec != ",")
        for (char& c : s)
            if (c == ',') c = '.';
    return s;
}

inline ReportFields StartupFields(const std::string& lang, const std::string& dec) {
    ReportFields f;
    f.Text1 = std::string("2");
    f.Text2 = WithDecimal("0,5", dec);
    f.Text3 = WithDecimal("0,46", dec);
    f.Text4 = WithDecimal("0,85", dec);
    f.Text5 = WithDecimal("0,17", dec);
    f.Text6 = std::string("3");
    f.Text15 = std::string("1");
    const char* results[kResultTextCount] = {"1,7882",
                                             "y = -x + 0,92",
                                             "y = 0,75x + 0,2125",
                                             "y = 1,4756x - 0,080854",
                                             "xq = 0,40429;   yq = 0,51571",
                                             "xm = 0,37478;   ym = 0,54522",
                                             "4,35",
                                             "7,55"};
    for (int i = 0; i < kResultTextCount; ++i) f.results[i] = WithDecimal(results[i], dec);
    f.NPT = 7.5471;
    f.MinRefluxSlope = 0.64134;
    f.StageListing = "   x       y      \r\n" + WithDecimal("0,8500  0,8500    \r\n", dec);
    f.StageListingMarkup = "&+I&SP=8:x&SP=18:y&-I&LF&SP=5:0&.8500&SP=15:0&.8500&LF";
    f.EquilibriumListing = "   x        y           x        y\r\n" +
                           WithDecimal("0,0000   0,0000      0,5000   0,6667\r\n", dec);
    f.EquilibriumListingMarkup = "&+I&SP=8:x &SP=18:y &SP=32:x &SP=42:y &-I &LF"
                                 "&SP=5:0&.0000&SP=15:0&.0000&SP=29:0&.5000&SP=39:0&.6667&LF";
    f.FeedState = lang == "ESP" ? "Mezcla líquido-vapor" : "Vapor-liquid mixture";
    f.UiLanguage = lang;
    f.DecimalSymbol = dec;
    return f;
}

} // namespace zorvek::test
