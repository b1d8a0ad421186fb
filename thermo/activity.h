// Liquid activity coefficients of a binary pair: ideal solution (Raoult's law), NRTL and original
// UNIFAC, each as ln(gamma1), ln(gamma2) at temperature T [K] and mole fraction x1 of component 1.
#pragma once
#include <array>
#include <optional>

#include "thermodata.h"

namespace zorvek::thermo {

enum class ModelKind { Ideal, Nrtl, Unifac };

constexpr double kGasConstantCal = 1.98721; // R [cal/(mol K)], the unit of the DECHEMA NRTL parameters

// NRTL for components (1, 2): tau12 = a12 / (R T), tau21 = a21 / (R T), G = exp(-alpha tau).
struct NrtlParameters {
    double a12 = 0, a21 = 0; // [cal/mol]
    double alpha = 0.3;
};

// The NRTL parameters of the pair oriented to (first, second), or nothing when the library has none.
std::optional<NrtlParameters> NrtlFor(const ThermoData& data, const Component& first,
                                      const Component& second);

// Original UNIFAC prepared for one pair: the distinct subgroups of both components with their Q, how
// often each occurs in each component, the main-group interactions between them, and r, q of the two.
struct UnifacPair {
    static constexpr int kMaxGroups = 16;
    int groups = 0;
    std::array<double, kMaxGroups> Q{};
    std::array<std::array<double, kMaxGroups>, 2> nu{};         // occurrences in component 1 and 2
    std::array<std::array<double, kMaxGroups>, kMaxGroups> a{}; // a[m][n] of their main groups [K]
    double r[2] = {0, 0}, q[2] = {0, 0};
};

// The UNIFAC set-up of the pair, or nothing when a component has no groups, a subgroup is unknown or
// the tables lack an interaction between two of their main groups.
std::optional<UnifacPair> UnifacFor(const ThermoData& data, const Component& first, const Component& second);

// One of the three models with its parameters, oriented to the pair (1, 2).
struct ActivityModel {
    ModelKind kind = ModelKind::Ideal;
    NrtlParameters nrtl;
    UnifacPair unifac;

    // ln(gamma1), ln(gamma2) at T and x1 (0 <= x1 <= 1; the ends give the infinite-dilution values).
    void LnGamma(double T, double x1, double& lnGamma1, double& lnGamma2) const;
};

} // namespace zorvek::thermo
