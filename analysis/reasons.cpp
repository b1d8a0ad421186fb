// The reasons for rejected cases and the notes on solved ones, in both languages.
#include "reasons.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "failure.h"
#include "numtext.h"

namespace zorvek {

namespace {

// Replaces {0}, {1}, ... in a text with the given values.
std::string Fill(std::string_view text, std::initializer_list<std::string> values) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' && text[i + 1] >= '0' &&
            text[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(text[i + 1] - '0');
            if (n < values.size()) out += *(values.begin() + n);
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

struct Writer {
    std::string ds;
    BilingualText text;

    std::string Num(double v) const { return FormatSignificant(v, 4, ds); }  // compositions
    std::string NumR(double v) const { return FormatSignificant(v, 5, ds); } // reflux ratios, as Text7
    // Appends one sentence in both languages, a blank between sentences.
    void Say(std::string_view esp, std::string_view eng, std::initializer_list<std::string> values = {}) {
        SayEach(esp, values, eng, values);
    }
    // The same with values of their own for each language (phrases that are themselves translated).
    void SayEach(std::string_view esp, std::initializer_list<std::string> espValues, std::string_view eng,
                 std::initializer_list<std::string> engValues) {
        if (!text.esp.empty()) text.esp += ' ';
        if (!text.eng.empty()) text.eng += ' ';
        text.esp += Fill(esp, espValues);
        text.eng += Fill(eng, engValues);
    }
};

// The first azeotrope strictly between the bottoms and the distillate.
std::optional<double> AzeotropeInside(const DesignInputs& in, const ColumnAnalysis& a) {
    for (double x : a.azeotropes)
        if (x > in.xB && x < in.xD) return x;
    return std::nullopt;
}

void SayAzeotrope(Writer& w, const DesignInputs& in, double x) {
    if (x >= in.zF) {
        w.Say(
            "La especificación del destilado xD = {0} queda más allá del azeótropo de la tabla en x = {1} "
            "(allí y = x): ninguna columna enriquece el destilado por encima de él, así que xD es "
            "inalcanzable. Mantenga xD por debajo de {1}.",
            "The distillate specification xD = {0} lies beyond the azeotrope of the table at x = {1} (there "
            "y = x): no column enriches the distillate past it, so xD is unreachable. Keep xD below {1}.",
            {w.Num(in.xD), w.Num(x)});
    } else {
        w.Say("La especificación de fondos xB = {0} queda más allá del azeótropo de la tabla en x = {1} "
              "(allí y = x): ninguna columna agota los fondos por debajo de él, así que xB es inalcanzable. "
              "Mantenga xB por encima de {1}.",
              "The bottoms specification xB = {0} lies beyond the azeotrope of the table at x = {1} (there "
              "y = x): no column strips the bottoms past it, so xB is unreachable. Keep xB above {1}.",
              {w.Num(in.xB), w.Num(x)});
    }
}

BilingualText PinchPhrase(const Writer& w, const MinimumReflux& m) {
    const std::string x = w.Num(m.x), y = w.Num(m.y);
    switch (m.kind) {
    case PinchKind::QLine:
        return {Fill("el punto de contacto de la recta q en x = {0}, y = {1}", {x, y}),
                Fill("the q-line pinch at x = {0}, y = {1}", {x, y})};
    case PinchKind::TangentEnriching:
        return {Fill("un punto de tangencia de la recta operativa de enriquecimiento en x = {0}, y = {1}",
                     {x, y}),
                Fill("a tangent pinch of the enriching operating line at x = {0}, y = {1}", {x, y})};
    case PinchKind::TangentExhausting:
        return {
            Fill("un punto de tangencia de la recta operativa de agotamiento en x = {0}, y = {1}", {x, y}),
            Fill("a tangent pinch of the exhausting operating line at x = {0}, y = {1}", {x, y})};
    }
    return {};
}

void SayTrueMinimum(Writer& w, const MinimumReflux& m) {
    const BilingualText pinch = PinchPhrase(w, m);
    w.SayEach("La relación de reflujo mínima real es {0}, fijada por {1}. Elija un R mayor.",
              {w.NumR(m.RminTrue), pinch.esp},
              "The true minimum reflux ratio is {0}, set by {1}. Choose R above it.",
              {w.NumR(m.RminTrue), pinch.eng});
}

void SayBelowTrueMinimum(Writer& w, const DesignOutcome& o, const ColumnAnalysis& a) {
    const DesignInputs& in = o.inputs;
    const MinimumReflux& m = a.minimum;
    const BilingualText pinch = PinchPhrase(w, m);
    w.SayEach(
        "La relación de reflujo R = {0} es menor que la relación de reflujo mínima real {1}, fijada por {2}.",
        {w.NumR(in.R), w.NumR(m.RminTrue), pinch.esp},
        "The reflux ratio R = {0} lies below the true minimum reflux ratio {1}, set by {2}.",
        {w.NumR(in.R), w.NumR(m.RminTrue), pinch.eng});
    if (const std::optional<OperatingLines> lines = OperatingLinesAt(in, in.R)) {
        if (const std::optional<Crossing> c = FindCrossing(in, o.model, *lines)) {
            if (c->enriching) {
                w.Say("Con R = {0} la recta operativa de enriquecimiento corta la curva de equilibrio en x = "
                      "{1} "
                      "y queda por encima de ella hasta x = {2}, así que los escalones no pueden pasar.",
                      "At R = {0} the enriching operating line crosses the equilibrium curve at x = {1} and "
                      "stays above it down to x = {2}, so the stages cannot get past.",
                      {w.NumR(in.R), w.Num(c->from), w.Num(c->to)});
            } else {
                w.Say("Con R = {0} la recta operativa de agotamiento corta la curva de equilibrio en x = {1} "
                      "y queda por encima de ella hasta x = {2}, así que los escalones no pueden pasar.",
                      "At R = {0} the exhausting operating line crosses the equilibrium curve at x = {1} and "
                      "stays above it down to x = {2}, so the stages cannot get past.",
                      {w.NumR(in.R), w.Num(c->from), w.Num(c->to)});
            }
        }
    }
    w.Say("Elija un R mayor que {0}.", "Choose R above {0}.", {w.NumR(m.RminTrue)});
}

void SayInputCheck(Writer& w, const DesignOutcome& o, MessageId check, const ColumnAnalysis& a) {
    const DesignInputs& in = o.inputs;
    switch (check) {
    case MessageId::NegativeReflux:
        w.Say("La relación de reflujo R = {0} debe ser mayor que 0.",
              "The reflux ratio R = {0} must be greater than 0.", {w.NumR(in.R)});
        if (a.minimum.found) SayTrueMinimum(w, a.minimum);
        break;
    case MessageId::FeedOutOfRange:
        w.Say("La fracción molar de la alimentación zF = {0} debe estar estrictamente entre 0 y 1.",
              "The feed composition zF = {0} must lie strictly between 0 and 1.", {w.Num(in.zF)});
        break;
    case MessageId::DistillateOutOfRange:
        w.Say("La fracción molar del destilado xD = {0} debe estar estrictamente entre 0 y 1.",
              "The distillate composition xD = {0} must lie strictly between 0 and 1.", {w.Num(in.xD)});
        break;
    case MessageId::BottomsOutOfRange:
        w.Say("La fracción molar de los fondos xB = {0} debe estar estrictamente entre 0 y 1.",
              "The bottoms composition xB = {0} must lie strictly between 0 and 1.", {w.Num(in.xB)});
        break;
    case MessageId::VolatilityOutOfRange:
        if (o.model.TableMode) {
            w.Say(
                "El campo oculto de la volatilidad relativa contiene alfa = {0}; también se comprueba con la "
                "tabla y debe ser mayor que 1. Elija \"Volatilidad relativa\", escriba un valor mayor que 1 "
                "y "
                "vuelva a elegir la tabla.",
                "The hidden relative volatility field holds alpha = {0}; it is checked in the table model "
                "too and must be greater than 1. Choose \"Relative volatility\", enter a value above 1 and "
                "choose the table again.",
                {w.Num(in.alpha)});
        } else {
            w.Say("La volatilidad relativa alfa = {0} debe ser mayor que 1: si no, el componente A no es el "
                  "más "
                  "volátil y ninguna columna lo enriquece en cabeza.",
                  "The relative volatility alpha = {0} must be greater than 1: otherwise component A is not "
                  "the "
                  "more volatile one and no column enriches it at the top.",
                  {w.Num(in.alpha)});
        }
        break;
    case MessageId::BottomsAboveFeed:
        w.Say("La alimentación queda fuera del intervalo de la columna: la fracción molar de fondos xB = {0} "
              "debe ser menor que la de la alimentación zF = {1}, pues los fondos salen más pobres en A.",
              "The feed lies outside the column's range: the bottoms composition xB = {0} must be below the "
              "feed composition zF = {1}, as the bottoms leave poorer in A.",
              {w.Num(in.xB), w.Num(in.zF)});
        break;
    case MessageId::FeedAboveDistillate:
        w.Say("La alimentación queda fuera del intervalo de la columna: la fracción molar de la alimentación "
              "zF = {0} debe ser menor que la del destilado xD = {1}, pues el destilado sale más rico en A.",
              "The feed lies outside the column's range: the feed composition zF = {0} must be below the "
              "distillate composition xD = {1}, as the distillate leaves richer in A.",
              {w.Num(in.zF), w.Num(in.xD)});
        break;
    case MessageId::EfficiencyOutOfRange:
        w.Say("La eficiencia de plato global E = {0} debe cumplir 0 < E ≤ 1.",
              "The overall plate efficiency E = {0} must lie in 0 < E ≤ 1.", {w.Num(in.E)});
        break;
    default:
        w.Say("No se pudieron leer los campos de entrada.", "The entry fields could not be read.");
        break;
    }
}

void SayNegativeMinimum(Writer& w, const DesignOutcome& o) {
    const DesignInputs& in = o.inputs;
    const std::string xm = w.Num(o.xm), ym = w.Num(o.ym), xD = w.Num(in.xD), Rmin = w.NumR(o.Rmin);
    if (o.ym >= in.xD) {
        w.Say(
            "El vapor del punto de contacto de la recta q (x = {0}, y = {1}) ya es al menos tan rico como el "
            "destilado xD = {2}, así que la relación de reflujo mínima resulta {3}, no positiva: el método "
            "necesita un destilado más rico que ese vapor. Suba xD por encima de {1} o cambie q.",
            "The vapour at the q-line pinch (x = {0}, y = {1}) is already at least as rich as the distillate "
            "xD = {2}, so the minimum reflux ratio comes out as {3}, not positive: the method needs a "
            "distillate richer than that vapour. Raise xD above {1} or change q.",
            {xm, ym, xD, Rmin});
    } else if (o.xm >= in.xD) {
        w.Say(
            "La recta q corta la curva de equilibrio en x = {0}, más allá del destilado xD = {1}, así que la "
            "relación de reflujo mínima resulta {2}, no positiva. Suba xD o cambie q.",
            "The q-line meets the equilibrium curve at x = {0}, beyond the distillate xD = {1}, so the "
            "minimum reflux ratio comes out as {2}, not positive. Raise xD or change q.",
            {xm, xD, Rmin});
    } else {
        w.Say("En el punto de contacto de la recta q (x = {0}, y = {1}) la curva de equilibrio queda por "
              "debajo "
              "de la diagonal, así que la relación de reflujo mínima resulta {2}, no positiva.",
              "At the q-line pinch (x = {0}, y = {1}) the equilibrium curve lies below the diagonal, so the "
              "minimum reflux ratio comes out as {2}, not positive.",
              {xm, ym, Rmin});
    }
}

// Where a stepping that hit the stage limit stopped moving (its last two stages at the same x), if it did.
std::optional<double> StallPoint(const DesignOutcome& o) {
    SteppingResult steps;
    FailureRecord failures;
    StepStages({o.inputs.xD, o.inputs.xB, o.xq, o.mE, o.bE, o.mS, o.bS}, o.model, failures, steps);
    if (!steps.limitReached || steps.count < 4) return std::nullopt;
    if (steps.x[steps.count] != steps.x[steps.count - 2]) return std::nullopt;
    return steps.x[steps.count];
}

int FailureNumberOf(const std::string& error) {
    const size_t at = error.find("= ");
    if (at == std::string::npos) return 0;
    int n = 0;
    for (size_t i = at + 2; i < error.size(); ++i) {
        if (error[i] == ' ' && n == 0) continue;
        if (error[i] < '0' || error[i] > '9') break;
        n = n * 10 + (error[i] - '0');
    }
    return n;
}

void SayArithmeticFailure(Writer& w, const DesignOutcome& o, const DesignStop& stop) {
    const int number = FailureNumberOf(o.error);
    const std::string esp = FailureDescription(number, "ESP"), eng = FailureDescription(number, "ENG");
    if (stop.failureInStepping) {
        w.SayEach(
            "Se produjo un fallo aritmético ({0}) al trazar los escalones: un escalón dejó la composición "
            "del líquido donde estaba o consultó una composición fuera de 0..1.",
            {esp},
            "An arithmetic failure ({0}) occurred while stepping off the stages: a stage left the liquid "
            "composition where it was or looked up a composition outside 0..1.",
            {eng});
    } else if (number == kSubscriptOutOfRange && o.model.TableMode) {
        w.Say(
            "La búsqueda del punto de contacto de la recta q consultó la tabla más allá de x = 1: la recta q "
            "corta la curva de equilibrio demasiado cerca de x = 1 (cerca de x = {0}).",
            "The search for the q-line pinch looked the table up beyond x = 1: the q-line meets the "
            "equilibrium curve too close to x = 1 (near x = {0}).",
            {w.Num(o.xm)});
    } else {
        w.SayEach("Se produjo un fallo aritmético ({0}) al buscar el punto de contacto de la recta q.", {esp},
                  "An arithmetic failure ({0}) occurred while finding the q-line pinch.", {eng});
    }
}

} // namespace

DesignStop StopOf(const DesignOutcome& o) {
    DesignStop stop;
    const DesignInputs& in = o.inputs;
    auto at = [&](StopStep step, MessageId message) {
        stop.step = step;
        stop.message = message;
        return stop;
    };
    switch (o.reached) {
    case Reached::Complete:
        return stop;
    case Reached::Background:
        return at(StopStep::InputCheck, MessageId::InvalidData);
    case Reached::StreamPoints:
        return at(StopStep::InputCheck, FirstFailingCheck(in).value_or(MessageId::InvalidData));
    case Reached::Curve:
        break;
    }
    if (!o.slopeComputed) {
        if (in.q + in.R == 0) return at(StopStep::NoQPoint, MessageId::UnknownError);
        if (!(o.xq > in.xB)) return at(StopStep::LinesCrossBelowBottoms, MessageId::LinesCrossBelowBottoms);
        const bool linear = !o.model.TableMode && in.q != 1 && (in.alpha - 1) * in.q == 0;
        return at(StopStep::NoQLinePinch,
                  linear ? MessageId::MinRefluxLinear : MessageId::MinRefluxQuadratic);
    }
    if (o.MinRefluxSlope == 1) return at(StopStep::SlopeOne, MessageId::EnrichingSlopeOne);
    if (!(in.R > o.Rmin)) return at(StopStep::RefluxBelowMinimum, MessageId::RefluxBelowMinimum);
    if (!(o.Rmin > 0)) return at(StopStep::NegativeMinimum, MessageId::NegativeMinimumReflux);
    // The stepping again on the outcome's own lines tells the stage limit from an arithmetic failure.
    SteppingResult steps;
    FailureRecord failures;
    StepStages({in.xD, in.xB, o.xq, o.mE, o.bE, o.mS, o.bS}, o.model, failures, steps);
    if (steps.limitReached) return at(StopStep::StageLimit, MessageId::TooManyPlates);
    stop.step = StopStep::ArithmeticFailure;
    stop.failureInStepping = failures.Failed();
    return stop;
}

BilingualText ExplainStop(const DesignOutcome& o, const DesignStop& stop, const ColumnAnalysis& a,
                          const std::string& decimalSymbol) {
    Writer w{decimalSymbol, {}};
    const DesignInputs& in = o.inputs;
    const std::optional<double> azeotrope = a.computable ? AzeotropeInside(in, a) : std::nullopt;
    switch (stop.step) {
    case StopStep::Solved:
        if (a.minimum.found && in.R < a.minimum.RminTrue) {
            const BilingualText pinch = PinchPhrase(w, a.minimum);
            w.SayEach(
                "Atención: R = {0} es menor que la relación de reflujo mínima real {1}, fijada por {2}: la "
                "escalera salta el tramo en que la recta operativa queda por encima de la curva de "
                "equilibrio, así que este diseño no es realizable. Elija un R mayor que {1}.",
                {w.NumR(in.R), w.NumR(a.minimum.RminTrue), pinch.esp},
                "Note: R = {0} lies below the true minimum reflux ratio {1}, set by {2}: the staircase "
                "jumps across the stretch where the operating line lies above the equilibrium curve, so "
                "this design is not feasible. Choose R above {1}.",
                {w.NumR(in.R), w.NumR(a.minimum.RminTrue), pinch.eng});
        }
        if (azeotrope) {
            w.Say(
                "Atención: la curva de equilibrio corta la diagonal en x = {0} (un azeótropo) entre xB y xD.",
                "Note: the equilibrium curve crosses the diagonal at x = {0} (an azeotrope) between xB and "
                "xD.",
                {w.Num(*azeotrope)});
        }
        return w.text;
    case StopStep::InputCheck:
        SayInputCheck(w, o, stop.message, a);
        return w.text;
    default:
        break;
    }
    // From here on the checks passed; an azeotrope inside the column is the deeper cause of what follows.
    const bool azeotropeExplains = stop.step >= StopStep::SlopeOne;
    if (azeotrope && azeotropeExplains) {
        SayAzeotrope(w, in, *azeotrope);
        return w.text;
    }
    switch (stop.step) {
    case StopStep::NoQPoint:
        w.Say(
            "Con q = {0} igual a -R la recta q es paralela a la recta operativa de enriquecimiento: nunca se "
            "cortan, así que no hay punto q. Cambie q o R.",
            "With q = {0} equal to -R the q-line runs parallel to the enriching operating line: the two "
            "never meet, so there is no q-point. Change q or R.",
            {w.Num(in.q)});
        break;
    case StopStep::LinesCrossBelowBottoms:
        if (in.R + in.q > 0) {
            w.Say(
                "La recta q y la recta operativa de enriquecimiento se cortan en x = {0}, no por encima de "
                "la "
                "fracción molar de fondos xB = {1}: para esta alimentación (q = {2}) la relación de reflujo "
                "R = {3} es demasiado pequeña.",
                "The q-line and the enriching operating line meet at x = {0}, not above the bottoms "
                "composition xB = {1}: for this feed (q = {2}) the reflux ratio R = {3} is too small.",
                {w.Num(o.xq), w.Num(in.xB), w.Num(in.q), w.NumR(in.R)});
        } else {
            w.Say(
                "La recta q y la recta operativa de enriquecimiento se cortan en x = {0}, no por encima de "
                "la "
                "fracción molar de fondos xB = {1}: con R + q negativo (q = {2}, R = {3}) el punto q cae "
                "fuera de la columna.",
                "The q-line and the enriching operating line meet at x = {0}, not above the bottoms "
                "composition xB = {1}: with R + q negative (q = {2}, R = {3}) the q-point falls outside the "
                "column.",
                {w.Num(o.xq), w.Num(in.xB), w.Num(in.q), w.NumR(in.R)});
        }
        if (a.minimum.found) SayTrueMinimum(w, a.minimum);
        break;
    case StopStep::NoQLinePinch:
        if (!o.model.TableMode && in.q != 0 && std::fabs(in.q) < 1e-6) {
            // The quadratic's leading coefficient is (alpha - 1) q: next to 0 its roots lose all precision.
            w.Say(
                "Con q = {0}, tan cerca de 0, la ecuación del punto de contacto pierde su precisión y no da "
                "raíz, aunque la recta q sí corta la curva. Escriba q = 0 para una alimentación de vapor "
                "saturado.",
                "With q = {0}, so close to 0, the equation of the pinch point loses its precision and gives "
                "no "
                "root, although the q-line does meet the curve. Enter q = 0 for a saturated vapour feed.",
                {w.Num(in.q)});
            break;
        }
        w.Say("La recta q (q = {0}) no corta la curva de equilibrio entre x = 0 y x = 1, así que no hay "
              "punto de "
              "contacto ni relación de reflujo mínima.",
              "The q-line (q = {0}) does not meet the equilibrium curve between x = 0 and x = 1, so there is "
              "no pinch point and no minimum reflux ratio.",
              {w.Num(in.q)});
        break;
    case StopStep::SlopeOne:
        w.Say(
            "El punto de contacto de la recta q está sobre la diagonal (x = y = {0}): la recta operativa de "
            "enriquecimiento necesitaría pendiente 1, una relación de reflujo infinita.",
            "The q-line pinch lies on the diagonal (x = y = {0}): the enriching operating line would need "
            "slope 1, an infinite reflux ratio.",
            {w.Num(o.xm)});
        break;
    case StopStep::RefluxBelowMinimum: {
        w.Say("La relación de reflujo R = {0} no supera la mínima del punto de contacto de la recta q, "
              "Rmin = {1} (x = {2}, y = {3}): las rectas operativas se cortarían por encima de la curva de "
              "equilibrio.",
              "The reflux ratio R = {0} is not above the minimum of the q-line pinch, Rmin = {1} (x = {2}, "
              "y = {3}): the operating lines would meet above the equilibrium curve.",
              {w.NumR(in.R), w.NumR(o.Rmin), w.Num(o.xm), w.Num(o.ym)});
        const MinimumReflux& m = a.minimum;
        if (m.found && m.kind != PinchKind::QLine) {
            const BilingualText pinch = PinchPhrase(w, m);
            w.SayEach("La mínima real es aún mayor: {0}, fijada por {1}.", {w.NumR(m.RminTrue), pinch.esp},
                      "The true minimum is higher still: {0}, set by {1}.", {w.NumR(m.RminTrue), pinch.eng});
        }
        if (m.found) w.Say("Elija un R mayor que {0}.", "Choose R above {0}.", {w.NumR(m.RminTrue)});
        break;
    }
    case StopStep::NegativeMinimum:
        SayNegativeMinimum(w, o);
        break;
    case StopStep::StageLimit: {
        const MinimumReflux& m = a.minimum;
        if (m.found && !(in.R > m.RminTrue)) {
            SayBelowTrueMinimum(w, o, a);
        } else if (const std::optional<double> x = m.found ? StallPoint(o) : std::nullopt) {
            const BilingualText pinch = PinchPhrase(w, m);
            w.SayEach(
                "Con R = {0}, apenas por encima de la mínima real {1} (fijada por {2}), la recta operativa "
                "pasa tan cerca de la curva de equilibrio cerca de x = {3} que los escalones dejan de "
                "avanzar con la resolución de la tabla, {4}. Suba un poco R.",
                {w.NumR(in.R), w.NumR(m.RminTrue), pinch.esp, w.Num(*x), w.Num(0.001)},
                "At R = {0}, just above the true minimum {1} (set by {2}), the operating line runs so "
                "close to the equilibrium curve near x = {3} that the stages stop moving at the table's "
                "resolution of {4}. Raise R a little.",
                {w.NumR(in.R), w.NumR(m.RminTrue), pinch.eng, w.Num(*x), w.Num(0.001)});
        } else if (m.found) {
            const BilingualText pinch = PinchPhrase(w, m);
            w.SayEach(
                "La relación de reflujo R = {0} está tan cerca de la mínima real {1} (fijada por {2}) que "
                "se necesitarían más de 495 escalones junto al punto de contacto. Suba un poco R.",
                {w.NumR(in.R), w.NumR(m.RminTrue), pinch.esp},
                "The reflux ratio R = {0} lies so close to the true minimum {1} (set by {2}) that more than "
                "495 stages would be needed near the pinch. Raise R a little.",
                {w.NumR(in.R), w.NumR(m.RminTrue), pinch.eng});
        } else {
            w.Say("La escalera no llega a la fracción molar de fondos en 495 escalones.",
                  "The staircase does not reach the bottoms composition within 495 stages.");
        }
        break;
    }
    case StopStep::ArithmeticFailure:
        SayArithmeticFailure(w, o, stop);
        break;
    default:
        break;
    }
    if (azeotrope && !azeotropeExplains) SayAzeotrope(w, in, *azeotrope);
    return w.text;
}

} // namespace zorvek
