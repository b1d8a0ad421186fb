// Vapour-liquid equilibrium of the binary pair: constant relative volatility, or a measured x-y table
// turned once into two dense tables (y at x = k/1000 and x at y = k/1000) by CrearSuperTABLA_ELV.
#pragma once
#include <array>

#include "failure.h"

namespace zorvek {

constexpr int kTableSlots = 100; // slots 0..99 of an x-y table
constexpr int kDenseSize = 1001; // dense entries 0..1000, argument step 0.001

// Measured points x[i], y[i] (mole fractions of A in liquid and vapour); -1 marks an empty coordinate.
// LastPointIndex is the slot of the last point of the accepted table, -1 while none has been accepted.
struct EquilibriumTable {
    std::array<double, kTableSlots> x;
    std::array<double, kTableSlots> y;
    int LastPointIndex = -1;
    EquilibriumTable() {
        x.fill(-1);
        y.fill(-1);
    }
    bool operator==(const EquilibriumTable&) const = default;
};

// The 21-point table the editor shows on a first start.
EquilibriumTable DefaultEquilibriumTable();

struct DenseTables {
    std::array<double, kDenseSize> DenseY{}; // y in equilibrium with x = k / 1000
    std::array<double, kDenseSize> DenseX{}; // x in equilibrium with y = k / 1000
};

// Fills the dense tables from points 0..LastPointIndex (LastPointIndex >= 1). A failing operation stops
// the build where it happened and is recorded in failures; entries already written keep their values.
// Returns false when the build failed.
bool CrearSuperTABLA_ELV(const EquilibriumTable& table, DenseTables& dense, FailureRecord& failures);

// x * 1000 rounded to the nearest whole number, ties to even (the table lookups' rounding).
double DenseIndex(double v);

// The equilibrium model in use: constant alpha, or the dense tables (TableMode).
struct EquilibriumModel {
    bool TableMode = false;
    double alpha = 0;
    const DenseTables* dense = nullptr; // required when TableMode

    // y in equilibrium with liquid x. A failure (division by zero, table index outside 0..1000) is
    // recorded and `fallback` is returned, so the caller's value stays unchanged.
    double EquilibriumY(double x, FailureRecord& failures, double fallback = 0) const;
    // x in equilibrium with vapour y, likewise.
    double EquilibriumX(double y, FailureRecord& failures, double fallback = 0) const;
};

} // namespace zorvek
