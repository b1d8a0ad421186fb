// The start-up case (alpha 2, q 0.5, zF 0.46, xD 0.85, xB 0.17, R 3) as the main window shows it, for
// the report tests.
#pragma once
#include "reportfields.h"

namespace zorvek::test {

inline ReportFields StartupFields(const std::string& lang, const std::string& dec) {
    const auto d = [&](std::string s) { return ReplaceAll(std::move(s), ",", dec); };
    ReportFields f;
    f.Text1 = "2";
    f.Text2 = d("0,5");
    f.Text3 = d("0,46");
    f.Text4 = d("0,85");
    f.Text5 = d("0,17");
    f.Text6 = "3";
    f.Text15 = "1";
    f.results = {d("1,7882"),
                 d("y = -x + 0,92"),
                 d("y = 0,75x + 0,2125"),
                 d("y = 1,4756x - 0,080854"),
                 d("xq = 0,40429;   yq = 0,51571"),
                 d("xm = 0,37478;   ym = 0,54522"),
                 d("4,35"),
                 d("7,55")};
    f.NPT = 7.5471;
    f.MinRefluxSlope = 0.64134;
    f.StageListing = "   x       y      \r\n" + d("0,8500  0,8500    \r\n");
    f.StageListingMarkup = "&+I&SP=8:x&SP=18:y&-I&LF&SP=5:0&.8500&SP=15:0&.8500&LF";
    f.EquilibriumListing =
        "   x        y           x        y\r\n" + d("0,0000   0,0000      0,5000   0,6667\r\n");
    f.EquilibriumListingMarkup = "&+I&SP=8:x &SP=18:y &SP=32:x &SP=42:y &-I &LF"
                                 "&SP=5:0&.0000&SP=15:0&.0000&SP=29:0&.5000&SP=39:0&.6667&LF";
    f.FeedState = lang == "ESP" ? "Mezcla líquido-vapor" : "Vapor-liquid mixture";
    f.UiLanguage = lang;
    f.DecimalSymbol = dec;
    return f;
}

} // namespace zorvek::test
