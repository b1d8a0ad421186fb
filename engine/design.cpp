// Calcular: reads and checks the seven inputs, builds the q-line and the operating lines, finds the
// q-point, the pinch point and the minimum reflux ratio, steps off the stages and writes the results.
#include "design.h"

#include <cmath>
#include <optional>

#include "listings.h"
#include "messages.h"
#include "numtext.h"
#include "stepping.h"

namespace zorvek {

bool PinchPoint(const DesignInputs& in, const EquilibriumModel& model, FailureRecord& failures, double& xm,
                double& ym, MessageId& message) {
    const double q = in.q, zF = in.zF, alpha = in.alpha;
    if (q == 1) {
        xm = zF;
        ym = model.EquilibriumY(zF, failures, ym);
        return true;
    }
    if (!model.TableMode) {
        const double a2 = (alpha - 1) * q;
        const double a1 = (1 - alpha) * zF + q - alpha * (q - 1);
        const double a0 = -zF;
        if (a2 == 0) {
            if (a1 == 0) {
                message = MessageId::MinRefluxLinear;
                return false;
            }
            failures.Divide(xm, -a0, a1);
        } else {
            double d = 0;
            failures.Assign(d, a1 * a1 - 4 * a2 * a0);
            if (d < 0) {
                message = MessageId::MinRefluxQuadratic;
                return false;
            }
            double root = 0;
            failures.SquareRoot(root, d);
            double x1 = 0;
            if (failures.Divide(x1, (root - a1) / 2, a2) && x1 > 0 && x1 < 1) {
                xm = x1;
            } else {
                double x2 = 0;
                if (failures.Divide(x2, (-a1 - root) / 2, a2) && x2 > 0 && x2 < 1) {
                    xm = x2;
                } else {
                    message = MessageId::MinRefluxQuadratic;
                    return false;
                }
            }
        }
        failures.Divide(ym, alpha * xm, xm * (alpha - 1) + 1);
        return true;
    }
    // Table model: no formula, so search a grid for the smallest gap between the q-line and the curve.
    // The grids grow by repeated addition, as the stepping of x decides the third decimal of NPT.
    auto gap = [&](double x, double& d) {
        FailureRecord local;
        const double curve = model.EquilibriumY(x, local);
        if (local.Failed()) {
            failures.Record(local.First().number);
            return false;
        }
        d = std::fabs((q * x - zF) / (q - 1) - curve);
        return true;
    };
    double best = 1000, xc = 0;
    for (double x = 0; x <= 1; x += 0.01) {
        double d = 0;
        if (gap(x, d) && d < best) {
            best = d;
            xc = x;
        }
    }
    best = 1000;
    for (double x = xc - 0.015; x <= xc + 0.015; x += 0.0005) {
        if (x < 0) continue;
        double d = 0;
        if (gap(x, d) && d < best) {
            best = d;
            xm = x;
            ym = (q * x - zF) / (q - 1);
        }
    }
    return true;
}

std::optional<MessageId> FirstFailingCheck(const DesignInputs& in) {
    if (!(in.R > 0)) return MessageId::NegativeReflux;
    if (!(in.zF > 0 && in.zF < 1)) return MessageId::FeedOutOfRange;
    if (!(in.xD > 0 && in.xD < 1)) return MessageId::DistillateOutOfRange;
    if (!(in.xB > 0 && in.xB < 1)) return MessageId::BottomsOutOfRange;
    if (!(in.alpha > 1)) return MessageId::VolatilityOutOfRange;
    if (!(in.xB < in.zF)) return MessageId::BottomsAboveFeed;
    if (!(in.zF < in.xD)) return MessageId::FeedAboveDistillate;
    if (!(in.E > 0 && in.E <= 1)) return MessageId::EfficiencyOutOfRange;
    return std::nullopt;
}

DesignOutcome Calcular(const CaseTexts& fields, const CalcSettings& settings) {
    DesignOutcome out;
    const std::string& lang = settings.UiLanguage;
    const std::string& ds = settings.DecimalSymbol;
    FailureRecord failures;

    DesignInputs& in = out.inputs;
    in.alpha = ParseNumber(fields.alpha);
    in.q = ParseNumber(fields.q);
    in.zF = ParseNumber(fields.zF);
    in.xD = ParseNumber(fields.xD);
    in.xB = ParseNumber(fields.xB);
    in.R = ParseNumber(fields.R);
    in.E = ParseNumber(fields.E);
    out.model = EquilibriumModel{settings.TableMode, in.alpha, settings.dense};
    out.reached = Reached::StreamPoints;

    auto reject = [&](MessageId id) {
        out.error = Message(id, lang);
        return out;
    };
    if (auto failed = FirstFailingCheck(in)) return reject(*failed);
    out.reached = Reached::Curve;

    const double q = in.q, zF = in.zF, xD = in.xD, xB = in.xB, R = in.R;
    failures.Divide(out.mE, R, R + 1);
    failures.Divide(out.bE, xD, R + 1);
    out.qLineVertical = q == 1;
    if (!out.qLineVertical) {
        failures.Divide(out.qSlope, q, q - 1);
        failures.Divide(out.qIntercept, -zF, q - 1);
    }
    if (q + R == 0) return reject(MessageId::UnknownError);
    failures.Divide(out.xq, (R + 1) * zF + (q - 1) * xD, R + q);
    failures.Assign(out.yq, out.mE * out.xq + out.bE);
    if (!(out.xq > xB)) return reject(MessageId::LinesCrossBelowBottoms);
    failures.Divide(out.mS, out.yq - xB, out.xq - xB);
    failures.Assign(out.bS, xB - xB * out.mS);

    MessageId pinchMessage{};
    if (!PinchPoint(in, out.model, failures, out.xm, out.ym, pinchMessage)) return reject(pinchMessage);

    double s = 0;
    failures.Divide(s, xD - out.ym, xD - out.xm);
    out.slopeComputed = true;
    out.MinRefluxSlope = s;
    if (s == 1) return reject(MessageId::EnrichingSlopeOne);
    failures.Divide(out.Rmin, s, 1 - s);
    if (!(R > out.Rmin)) return reject(MessageId::RefluxBelowMinimum);
    if (!(out.Rmin > 0)) return reject(MessageId::NegativeMinimumReflux);

    SteppingResult steps;
    StepStages({xD, xB, out.xq, out.mE, out.bE, out.mS, out.bS}, out.model, failures, steps);
    if (steps.limitReached) return reject(MessageId::TooManyPlates);
    if (failures.Failed()) {
        out.error = FailureMessage(failures.First(), lang);
        return out;
    }

    out.reached = Reached::Complete;
    out.NPT = steps.NPT;
    out.NF = steps.NF;
    auto& t = out.texts;
    t[kText7Rmin] = FormatSignificant(out.Rmin, 5, ds);
    t[kText8QLine] =
        out.qLineVertical ? "x = " + FormatSignificant(zF, 5, ds) : Recta(out.qSlope, out.qIntercept, ds);
    t[kText9Enriching] = Recta(out.mE, out.bE, ds);
    t[kText10Exhausting] = Recta(out.mS, out.bS, ds);
    t[kText11QPoint] =
        "xq = " + FormatSignificant(out.xq, 5, ds) + ";   yq = " + FormatSignificant(out.yq, 5, ds);
    t[kText12Pinch] =
        "xm = " + FormatSignificant(out.xm, 5, ds) + ";   ym = " + FormatSignificant(out.ym, 5, ds);
    t[kText13FeedPlate] = FormatSignificant(out.NF / in.E, 3, ds);
    t[kText14Plates] = FormatSignificant(out.NPT / in.E, 3, ds);

    out.stairPoints.reserve(static_cast<size_t>(steps.count));
    for (int i = 1; i <= steps.count; ++i) out.stairPoints.push_back({steps.x[i], steps.y[i]});
    BuildStageListings(steps.x, steps.y, steps.count, ds, out.StageListing, out.StageListingMarkup);
    BuildEquilibriumListings(out.model, ds, out.EquilibriumListing, out.EquilibriumListingMarkup);
    return out;
}

} // namespace zorvek
