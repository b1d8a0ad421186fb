// The two equilibrium models and the build of the dense tables from an accepted x-y table.
#include "equilibrium.h"

#include <cmath>
#include <utility>

namespace zorvek {

EquilibriumTable DefaultEquilibriumTable() {
    EquilibriumTable table;
    for (int i = 0; i <= 20; ++i) {
        const double x = i / 20.0;
        table.x[i] = x;
        table.y[i] = 2 * x / (1 + x);
    }
    return table;
}

double DenseIndex(double v) {
    return std::nearbyint(v * 1000);
} // default rounding: ties to even

namespace {

// Local relative volatility of a point strictly inside the diagram.
bool LocalVolatility(double x, double y, double& alpha, FailureRecord& failures) {
    return failures.Divide(alpha, y * (1 - x), x * (1 - y));
}

// Validates a dense-table index: 9 when outside 0..1000, 6 when it does not even fit an integer.
bool CheckedIndex(double k, int& index, FailureRecord& failures) {
    if (std::isnan(k) || std::fabs(k) > 2147483647.0) {
        failures.Record(kOverflow);
        return false;
    }
    if (k < 0 || k > kDenseSize - 1) {
        failures.Record(kSubscriptOutOfRange);
        return false;
    }
    index = static_cast<int>(k);
    return true;
}

// a / b when it is a finite double; otherwise the checked division records why.
inline bool QuotientOk(double a, double b, double q) {
    return b != 0 && std::isfinite(a) && std::isfinite(b) && std::isfinite(q);
}

// Fills one dense table along one coordinate of a segment: at v = k/1000 the volatility is interpolated
// linearly between the segment's end volatilities, and `parts` gives the numerator and denominator of
// the conjugate composition. The divisions are inlined here (the build runs 2002 of them); a failing one
// goes through the failure record.
template <typename Parts>
bool FillSegment(std::array<double, kDenseSize>& out, double v0, double v1, double a0, double a1,
                 FailureRecord& failures, Parts parts) {
    const double first = std::floor(v0 * 1000 + 0.5);
    const double last = std::floor(v1 * 1000 + 0.5);
    for (double k = first; k <= last; k += 1) {
        int index = 0;
        if (!CheckedIndex(k, index, failures)) return false;
        const double vk = k / 1000;
        const double num = (vk - v0) * (a1 - a0), den = v1 - v0;
        const double slope = num / den;
        if (!QuotientOk(num, den, slope)) {
            double unchanged = 0;
            return failures.Divide(unchanged, num, den);
        }
        const double alpha = a0 + slope;
        const auto [top, bottom] = parts(vk, alpha);
        const double value = top / bottom;
        if (!QuotientOk(top, bottom, value)) return failures.Divide(out[index], top, bottom);
        out[index] = value;
    }
    return true;
}

} // namespace

bool CrearSuperTABLA_ELV(const EquilibriumTable& table, DenseTables& dense, FailureRecord& failures) {
    const int n = table.LastPointIndex;
    if (n < 1 || n >= kTableSlots) {
        failures.Record(kSubscriptOutOfRange);
        return false;
    }
    if (n == 1) {
        // (0, 0) and (1, 1) alone: both end volatilities would be 0/0.
        failures.Record(kDivisionByZero);
        return false;
    }
    for (int i = 0; i < n; ++i) {
        const double x0 = table.x[i], y0 = table.y[i];
        const double x1 = table.x[i + 1], y1 = table.y[i + 1];
        double a0 = 0, a1 = 0;
        const bool startOk = x0 == 0 ? LocalVolatility(table.x[1], table.y[1], a0, failures)
                                     : LocalVolatility(x0, y0, a0, failures);
        if (!startOk) return false;
        // The last segment keeps the volatility of its first point: (1, 1) has none of its own.
        const bool endOk =
            x1 == 1 ? LocalVolatility(x0, y0, a1, failures) : LocalVolatility(x1, y1, a1, failures);
        if (!endOk) return false;
        auto yOfX = [](double xk, double alpha) { return std::pair{xk * alpha, xk * (alpha - 1) + 1}; };
        auto xOfY = [](double yk, double alpha) { return std::pair{yk, alpha + yk * (1 - alpha)}; };
        if (!FillSegment(dense.DenseY, x0, x1, a0, a1, failures, yOfX)) return false;
        if (!FillSegment(dense.DenseX, y0, y1, a0, a1, failures, xOfY)) return false;
    }
    return true;
}

double EquilibriumModel::EquilibriumY(double x, FailureRecord& failures, double fallback) const {
    if (TableMode) {
        int index = 0;
        if (dense == nullptr) {
            failures.Record(kSubscriptOutOfRange);
            return fallback;
        }
        if (!CheckedIndex(DenseIndex(x), index, failures)) return fallback;
        return dense->DenseY[index];
    }
    double y = fallback;
    failures.Divide(y, x * alpha, x * (alpha - 1) + 1);
    return y;
}

double EquilibriumModel::EquilibriumX(double y, FailureRecord& failures, double fallback) const {
    if (TableMode) {
        int index = 0;
        if (dense == nullptr) {
            failures.Record(kSubscriptOutOfRange);
            return fallback;
        }
        if (!CheckedIndex(DenseIndex(y), index, failures)) return fallback;
        return dense->DenseX[index];
    }
    double x = fallback;
    failures.Divide(x, y, alpha + y * (1 - alpha));
    return x;
}

} // namespace zorvek
