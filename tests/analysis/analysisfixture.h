// Cases for the analysis tests: solving texts in either model, tables made into dense tables through
// the acceptance check, and an ethanol-water table computed from published constants.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "columnanalysis.h"
#include "design.h"
#include "tabletext.h"

namespace analysis_test {

using namespace zorvek;

// Points (x, f(x)) at the given x, accepted (completed with (0, 0) and (1, 1)) and made dense.
inline std::unique_ptr<DenseTables> DenseOf(const std::vector<double>& xs,
                                            const std::function<double(double)>& f) {
    EquilibriumTable t;
    for (size_t i = 0; i < xs.size(); ++i) {
        t.x[i] = xs[i];
        t.y[i] = f(xs[i]);
    }
    const TableAcceptance accepted = AcceptTable(t, "ENG");
    EXPECT_EQ(accepted.status, AcceptanceStatus::Accepted) << accepted.message;
    auto dense = std::make_unique<DenseTables>();
    FailureRecord failures;
    EXPECT_TRUE(CrearSuperTABLA_ELV(accepted.table, *dense, failures));
    return dense;
}

inline std::vector<double> Grid(double from, double to, double step) {
    std::vector<double> xs;
    for (int k = 0; from + k * step <= to + 1e-12; ++k) xs.push_back(from + k * step);
    return xs;
}

// Ethanol (A) and water (B) at 101.325 kPa: a bubble point per x with NRTL activities.
//   NRTL: ChemSep's DECHEMA parameters at 1 atm (chemsep-nrtl-dechema.ipd, row "64-17-5 7732-18-5":
//   A12 = -57.9601 cal/mol, A21 = 1241.7396 cal/mol, alpha12 = 0.2937; tau = A / (R T), R = 1.98721).
//   Vapour pressures: DIPPR equation 101 from ChemSep's pure component data 8.32 (ln P[Pa] = A + B/T +
//   C ln T + D T^E): ethanol A 88.0754, B -7652.06, C -9.471507, D 5.928087E-06, E 2; water A 74.55502,
//   B -7295.586, C -7.442448, D 4.2881E-06, E 2.
inline double EthanolWaterY(double x1) {
    constexpr double Rgas = 1.98721, A12 = -57.9601, A21 = 1241.7396, a12 = 0.2937, P = 101325;
    auto psat = [](double T, double A, double B, double C, double D) {
        return std::exp(A + B / T + C * std::log(T) + D * T * T);
    };
    const double x2 = 1 - x1;
    double lo = 300, hi = 400, y1 = 0;
    for (int i = 0; i < 80; ++i) {
        const double T = (lo + hi) / 2;
        const double t12 = A12 / (Rgas * T), t21 = A21 / (Rgas * T);
        const double G12 = std::exp(-a12 * t12), G21 = std::exp(-a12 * t21);
        const double lng1 =
            x2 * x2 * (t21 * std::pow(G21 / (x1 + x2 * G21), 2) + t12 * G12 / std::pow(x2 + x1 * G12, 2));
        const double lng2 =
            x1 * x1 * (t12 * std::pow(G12 / (x2 + x1 * G12), 2) + t21 * G21 / std::pow(x1 + x2 * G21, 2));
        const double p1 = x1 * std::exp(lng1) * psat(T, 88.0754, -7652.06, -9.471507, 5.928087E-06);
        const double p2 = x2 * std::exp(lng2) * psat(T, 74.55502, -7295.586, -7.442448, 4.2881E-06);
        (p1 + p2 > P ? hi : lo) = T;
        y1 = p1 / (p1 + p2);
    }
    return y1;
}

// 39 points, x = 0.025 .. 0.975.
inline std::unique_ptr<DenseTables> EthanolWater() {
    return DenseOf(Grid(0.025, 0.975, 0.025), EthanolWaterY);
}

// Points on a local relative volatility that falls linearly from 2.5 at x = 0 to 1 at x = 0.89 (and
// below 1 beyond): an azeotrope at x = 0.89.
inline double AzeotropeAt089(double x) {
    const double a = 1 + 1.5 * (0.89 - x) / 0.89;
    return a * x / (1 + (a - 1) * x);
}
inline std::unique_ptr<DenseTables> AzeotropeTable() {
    std::vector<double> xs = Grid(0.05, 0.85, 0.05);
    for (double x : {0.89, 0.93, 0.97}) xs.push_back(x);
    return DenseOf(xs, AzeotropeAt089);
}

inline DesignOutcome Solve(const CaseTexts& fields, const DenseTables* dense = nullptr,
                           const std::string& lang = "ENG") {
    CalcSettings settings;
    settings.TableMode = dense != nullptr;
    settings.dense = dense;
    settings.UiLanguage = lang;
    return Calcular(fields, settings);
}

} // namespace analysis_test
