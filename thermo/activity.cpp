#include "activity.h"

#include <algorithm>
#include <cmath>

namespace zorvek::thermo {

namespace {

// exp of a clamped argument: parameters far outside their range (a damaged file, a temperature near
// zero) give large but finite values, so the solvers see a number and can reject it.
double SafeExp(double v) {
    return std::exp(std::clamp(v, -300.0, 300.0));
}

void NrtlLnGamma(const NrtlParameters& p, double T, double x1, double& g1, double& g2) {
    const double x2 = 1 - x1;
    const double tau12 = p.a12 / (kGasConstantCal * T);
    const double tau21 = p.a21 / (kGasConstantCal * T);
    const double G12 = SafeExp(-p.alpha * tau12);
    const double G21 = SafeExp(-p.alpha * tau21);
    const double d1 = x1 + x2 * G21;
    const double d2 = x2 + x1 * G12;
    g1 = x2 * x2 * (tau21 * (G21 / d1) * (G21 / d1) + tau12 * G12 / (d2 * d2));
    g2 = x1 * x1 * (tau12 * (G12 / d2) * (G12 / d2) + tau21 * G21 / (d1 * d1));
}

// ln Gamma_k of every group in a solution of group mole fractions X.
void GroupLnGamma(const UnifacPair& u, const double (&psi)[UnifacPair::kMaxGroups][UnifacPair::kMaxGroups],
                  const double* X, double* lnG) {
    const int n = u.groups;
    double theta[UnifacPair::kMaxGroups];
    double s[UnifacPair::kMaxGroups];
    double sum = 0;
    for (int k = 0; k < n; ++k) sum += u.Q[k] * X[k];
    for (int k = 0; k < n; ++k) theta[k] = u.Q[k] * X[k] / sum;
    for (int k = 0; k < n; ++k) {
        s[k] = 0;
        for (int m = 0; m < n; ++m) s[k] += theta[m] * psi[m][k];
    }
    for (int k = 0; k < n; ++k) {
        double t = 0;
        for (int m = 0; m < n; ++m) t += theta[m] * psi[k][m] / s[m];
        lnG[k] = u.Q[k] * (1 - std::log(s[k]) - t);
    }
}

void UnifacLnGamma(const UnifacPair& u, double T, double x1, double& g1, double& g2) {
    const double x[2] = {x1, 1 - x1};
    // Combinatorial part (Staverman-Guggenheim, z = 10), written with phi/x and theta/phi so that the
    // infinite-dilution ends need no division by x.
    const double rx = u.r[0] * x[0] + u.r[1] * x[1];
    const double qx = u.q[0] * x[0] + u.q[1] * x[1];
    double lnC[2];
    double l[2];
    for (int i = 0; i < 2; ++i) l[i] = 5 * (u.r[i] - u.q[i]) - (u.r[i] - 1);
    const double lx = x[0] * l[0] + x[1] * l[1];
    for (int i = 0; i < 2; ++i) {
        const double phiOverX = u.r[i] / rx;
        const double thetaOverPhi = (u.q[i] / qx) / phiOverX;
        lnC[i] = std::log(phiOverX) + 5 * u.q[i] * std::log(thetaOverPhi) + l[i] - phiOverX * lx;
    }
    // Residual part.
    const int n = u.groups;
    double psi[UnifacPair::kMaxGroups][UnifacPair::kMaxGroups];
    for (int m = 0; m < n; ++m)
        for (int k = 0; k < n; ++k) psi[m][k] = SafeExp(-u.a[m][k] / T);
    double lnR[2];
    double Xmix[UnifacPair::kMaxGroups], lnMix[UnifacPair::kMaxGroups];
    double total = 0;
    for (int k = 0; k < n; ++k) total += x[0] * u.nu[0][k] + x[1] * u.nu[1][k];
    for (int k = 0; k < n; ++k) Xmix[k] = (x[0] * u.nu[0][k] + x[1] * u.nu[1][k]) / total;
    GroupLnGamma(u, psi, Xmix, lnMix);
    for (int i = 0; i < 2; ++i) {
        double Xpure[UnifacPair::kMaxGroups] = {}, lnPure[UnifacPair::kMaxGroups] = {};
        double count = 0;
        for (int k = 0; k < n; ++k) count += u.nu[i][k];
        for (int k = 0; k < n; ++k) Xpure[k] = u.nu[i][k] / count;
        GroupLnGamma(u, psi, Xpure, lnPure);
        lnR[i] = 0;
        for (int k = 0; k < n; ++k)
            if (u.nu[i][k] > 0) lnR[i] += u.nu[i][k] * (lnMix[k] - lnPure[k]);
    }
    g1 = lnC[0] + lnR[0];
    g2 = lnC[1] + lnR[1];
}

} // namespace

std::optional<NrtlParameters> NrtlFor(const ThermoData& data, const Component& first,
                                      const Component& second) {
    const NrtlPair* p = data.FindNrtl(first.cas, second.cas);
    if (!p) return std::nullopt;
    NrtlParameters out;
    out.alpha = p->alpha;
    // The file's component 1 is its first CAS number.
    if (p->cas1 == first.cas) {
        out.a12 = p->a12;
        out.a21 = p->a21;
    } else {
        out.a12 = p->a21;
        out.a21 = p->a12;
    }
    return out;
}

std::optional<UnifacPair> UnifacFor(const ThermoData& data, const Component& first, const Component& second) {
    if (first.groups.empty() || second.groups.empty()) return std::nullopt;
    UnifacPair u;
    int ids[UnifacPair::kMaxGroups];
    int mains[UnifacPair::kMaxGroups];
    const Component* both[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        for (const GroupCount& g : both[i]->groups) {
            const UnifacSubgroup* s = data.Subgroup(g.subgroup);
            if (!s || g.count < 1) return std::nullopt;
            int k = 0;
            while (k < u.groups && ids[k] != g.subgroup) ++k;
            if (k == u.groups) {
                if (u.groups == UnifacPair::kMaxGroups) return std::nullopt;
                ids[k] = g.subgroup;
                mains[k] = s->main;
                u.Q[k] = s->Q;
                ++u.groups;
            }
            u.nu[i][k] += g.count;
            u.r[i] += g.count * s->R;
            u.q[i] += g.count * s->Q;
        }
    }
    for (int m = 0; m < u.groups; ++m)
        for (int n = 0; n < u.groups; ++n) {
            const std::optional<double> a = data.Interaction(mains[m], mains[n]);
            if (!a) return std::nullopt;
            u.a[m][n] = *a;
        }
    if (u.q[0] <= 0 || u.q[1] <= 0) return std::nullopt;
    return u;
}

void ActivityModel::LnGamma(double T, double x1, double& lnGamma1, double& lnGamma2) const {
    switch (kind) {
    case ModelKind::Ideal:
        lnGamma1 = lnGamma2 = 0;
        return;
    case ModelKind::Nrtl:
        NrtlLnGamma(nrtl, T, x1, lnGamma1, lnGamma2);
        return;
    case ModelKind::Unifac:
        UnifacLnGamma(unifac, T, x1, lnGamma1, lnGamma2);
        return;
    }
}

} // namespace zorvek::thermo
