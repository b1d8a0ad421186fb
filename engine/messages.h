// Every message text of the engine in both interface languages, in one table, so the windows and the
// command-line solver show exactly the same words. Message(id, "ESP") is Spanish, "ENG" English, and
// any other language value gives "" (two separate comparisons).
#pragma once
#include <string>
#include <string_view>

namespace zorvek {

enum class MessageId {
    InvalidData, // the inputs could not be read
    // The eight input checks, in their order.
    NegativeReflux,
    FeedOutOfRange,
    DistillateOutOfRange,
    BottomsOutOfRange,
    VolatilityOutOfRange,
    BottomsAboveFeed,
    FeedAboveDistillate,
    EfficiencyOutOfRange,
    // Later steps of the design.
    UnknownError,
    LinesCrossBelowBottoms,
    MinRefluxLinear,
    MinRefluxQuadratic,
    EnrichingSlopeOne,
    RefluxBelowMinimum,
    NegativeMinimumReflux,
    TooManyPlates,
    // Acceptance check of an equilibrium table.
    TableOutOfRange,
    TableNotIncreasing,
    TablePureComponent,
    TableNeedsInteriorPoint,
    TableNoRoomForEnds,
    TableUnusable,        // passes the checks but its volatilities overflow the dense build
    TableNothingToAccept, // no point before an empty slot, or no end in 100 slots
    // Table and case files: the text is followed by CR LF and the path.
    InvalidFormat,
};

// The text of a message in the interface language ("ESP" or "ENG").
std::string Message(MessageId id, std::string_view uiLanguage);

// Picks the Spanish or the English text by two separate comparisons; "" for any other language.
std::string InLanguage(std::string_view uiLanguage, std::string_view spanish, std::string_view english);

} // namespace zorvek
