// The four result listings: the staircase corners and the equilibrium curve, as plain text and markup.
#include "listings.h"

#include <algorithm>
#include <charconv>

#include "numtext.h"

namespace zorvek {

namespace {

// A listing cell in markup: the decimal symbol of the FormatFixed4 text written as "&.".
void AppendMarkupCell(std::string& markup, const std::string& cell, std::string_view decimalSymbol) {
    const size_t at = cell.find(decimalSymbol);
    if (decimalSymbol.empty() || at == std::string::npos) {
        markup += cell;
        return;
    }
    markup.append(cell, 0, at).append("&.").append(cell, at + decimalSymbol.size(), std::string::npos);
}

void AppendNumber(std::string& s, int n) {
    char buf[16];
    s.append(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

} // namespace

void BuildStageListings(const std::array<double, kStairSlots>& x, const std::array<double, kStairSlots>& y,
                        int count, std::string_view decimalSymbol, std::string& text, std::string& markup) {
    // The markup holds only these cells, tags and digits, so writing each cell's decimal symbol as "&."
    // is the same as replacing every symbol of the finished listing.
    text.clear();
    markup.clear();
    text.reserve(1024);
    markup.reserve(2048);
    const int columns = std::min((count + 19) / 20, 4);
    for (int p = 0; p < columns; ++p) {
        text += "   x       y      ";
        markup += "&+I&SP=";
        AppendNumber(markup, 24 * p + 8);
        markup += ":x&SP=";
        AppendNumber(markup, 24 * p + 18);
        markup += ":y&-I";
    }
    text += "\r\n";
    markup += "&LF";
    // The rows follow the staircase drawing, which stops at the first point lying exactly on x = 0.
    for (int i = 1; i <= 19 && i <= count; i += 2) {
        bool stop = false;
        for (int j = (i == 1 ? 1 : i - 1); j <= i; ++j) stop = stop || x[j] == 0;
        if (stop) break;
        for (int p = 0; p < columns; ++p) {
            const int k = 20 * p + i;
            if (x[k] == 0) continue;
            const std::string xs = FormatFixed4(x[k], decimalSymbol), ys = FormatFixed4(y[k], decimalSymbol);
            text.append(xs).append("  ").append(ys).append("    ");
            markup += "&SP=";
            AppendNumber(markup, 24 * p + 5);
            markup += ':';
            AppendMarkupCell(markup, xs, decimalSymbol);
            markup += "&SP=";
            AppendNumber(markup, 24 * p + 15);
            markup += ':';
            AppendMarkupCell(markup, ys, decimalSymbol);
        }
        text += "\r\n";
        markup += "&LF";
    }
}

void BuildEquilibriumListings(const EquilibriumModel& model, std::string_view decimalSymbol,
                              std::string& text, std::string& markup) {
    text = "   x        y           x        y\r\n";
    markup = "&+I&SP=8:x &SP=18:y &SP=32:x &SP=42:y &-I &LF";
    text.reserve(512);
    markup.reserve(1024);
    FailureRecord unused; // the listed arguments lie inside the tables and never fail
    for (int j = 0; j <= 9; ++j) {
        const double xa = j / 20.0, xb = (j + 10) / 20.0;
        const std::string a = FormatFixed4(xa, decimalSymbol);
        const std::string ya = FormatFixed4(model.EquilibriumY(xa, unused), decimalSymbol);
        const std::string b = FormatFixed4(xb, decimalSymbol);
        const std::string yb = FormatFixed4(model.EquilibriumY(xb, unused), decimalSymbol);
        text.append(a).append("   ").append(ya).append("      ").append(b).append("   ").append(yb).append(
            "\r\n");
        const std::pair<const char*, const std::string*> cells[] = {
            {"&SP=5:", &a}, {"&SP=15:", &ya}, {"&SP=29:", &b}, {"&SP=39:", &yb}};
        for (const auto& [tag, cell] : cells) {
            markup += tag;
            AppendMarkupCell(markup, *cell, decimalSymbol);
        }
        markup += "&LF";
    }
}

} // namespace zorvek
