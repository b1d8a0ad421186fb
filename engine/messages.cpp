// The message table of the engine.
#include "messages.h"

#include <array>

namespace zorvek {

namespace {

struct Texts {
    MessageId id;
    std::string_view spanish;
    std::string_view english;
};

constexpr std::array kMessages{
    Texts{MessageId::InvalidData, "ERROR: Datos no válidos", "ERROR: Invalid data"},
    Texts{MessageId::NegativeReflux, "ERROR: Relación de reflujo negativa", "ERROR: Negative reflux ratio"},
    Texts{MessageId::FeedOutOfRange, "ERROR: Fracción molar de alimentación fuera de rango",
          "ERROR: Mole fraction in feed is out of range"},
    Texts{MessageId::DistillateOutOfRange, "ERROR: Fracción molar de destilado fuera de rango",
          "ERROR: Mole fraction in distillate is out of range"},
    Texts{MessageId::BottomsOutOfRange, "ERROR: Fracción molar de fondos fuera de rango",
          "ERROR: Mole fraction in bottoms is out of range"},
    Texts{MessageId::VolatilityOutOfRange, "ERROR: Volatilidad relativa fuera de rango",
          "ERROR: Relative volatility is out of range"},
    Texts{MessageId::BottomsAboveFeed, "ERROR: Fracción molar de fondos mayor que la de alimentación",
          "ERROR:  Mole fraction in bottoms is greater than mole fraction in feed"},
    Texts{MessageId::FeedAboveDistillate, "ERROR: Fracción molar de alimentación mayor que la de destilado",
          "ERROR:  Mole fraction in feed is greater than mole fraction in distillate"},
    Texts{MessageId::EfficiencyOutOfRange, "ERROR: Eficiencia de plato global fuera de rango",
          "ERROR:  Overall plate efficiency is out of range"},
    Texts{MessageId::UnknownError, "ERROR desconocido", "Unknown error"},
    Texts{MessageId::LinesCrossBelowBottoms,
          "ERROR: Rectas operativas se cortan debajo de fracción molar de corriente de fondos",
          "ERROR: Operating lines intersect at a point below the bottoms composition"},
    Texts{MessageId::MinRefluxLinear, "ERROR: No se puede calcular el reflujo mínimo (ecuación lineal)",
          "ERROR: Unable to calculate the minimum reflux ratio (linear equation)"},
    Texts{MessageId::MinRefluxQuadratic,
          "ERROR: No se puede calcular el reflujo mínimo (ecuación cuadrática)",
          "ERROR: Unable to calculate the minimum reflux ratio (quadratic equation)"},
    Texts{MessageId::EnrichingSlopeOne, "ERROR: Línea operativa de enriquecimiento de pendiente 1",
          "ERROR: Slope of enriching operating line is 1"},
    Texts{MessageId::RefluxBelowMinimum, "ERROR: Relación de reflujo inferior a la mínima",
          "ERROR: Reflux ratio is out of range"},
    Texts{MessageId::NegativeMinimumReflux, "ERROR: La relación de reflujo mínima es negativa",
          "ERROR: The minimum reflux ratio is negative"},
    Texts{MessageId::TooManyPlates, "ERROR: Imposible calcular el número de platos",
          "ERROR: Unable to calculate the number of theoretical plates"},
    Texts{MessageId::TableOutOfRange, "ERROR: Datos fuera del rango [0, 1]",
          "ERROR: Data out of range [0, 1]"},
    Texts{MessageId::TableNotIncreasing, "ERROR: Los valores no son consecutivos", "ERROR: Invalid data"},
    Texts{MessageId::TablePureComponent, "ERROR: Valores incompatibles para disolución pura de un componente",
          "ERROR: Invalid data"},
    Texts{MessageId::TableNeedsInteriorPoint,
          "ERROR: La tabla necesita al menos un punto entre (0, 0) y (1, 1)",
          "ERROR: The table needs at least one point between (0, 0) and (1, 1)"},
    Texts{MessageId::TableNoRoomForEnds,
          "ERROR: No queda espacio en la tabla para añadir los puntos (0, 0) y (1, 1)",
          "ERROR: No room left in the table to add the points (0, 0) and (1, 1)"},
    Texts{MessageId::TableUnusable,
          "ERROR: La tabla da volatilidades relativas fuera de cálculo; revise sus puntos",
          "ERROR: The table gives relative volatilities that cannot be computed; check its points"},
    Texts{MessageId::TableNothingToAccept, "ERROR: No hay ninguna tabla que aceptar",
          "ERROR: There is no table to accept"},
    Texts{MessageId::InvalidFormat, "ERROR: Formato no válido:", "ERROR: Invalid format:"},
};

} // namespace

std::string InLanguage(std::string_view uiLanguage, std::string_view spanish, std::string_view english) {
    if (uiLanguage == "ESP") return std::string(spanish);
    if (uiLanguage == "ENG") return std::string(english);
    return {};
}

std::string Message(MessageId id, std::string_view uiLanguage) {
    for (const Texts& t : kMessages)
        if (t.id == id) return InLanguage(uiLanguage, t.spanish, t.english);
    return {};
}

} // namespace zorvek
