// zorvek-cli's diagram pictures: --png FILE [--size WxH] and --svg FILE write the diagram of the case
// as the window's "Export diagram..." does. A rejected case is drawn as far as it got, as on the screen.
#pragma once
#include <optional>
#include <string>

#include "design.h"

namespace zorvek {

struct CasePictures {
    std::string pngPath, svgPath;
    int width = 1600, height = 1600; // of the PNG, in pixels
};

// Reads "WxH" (two whole numbers from 50 to 10000); an error text otherwise.
std::optional<std::string> ParsePictureSize(const std::string& text, CasePictures& pictures);

// Writes the pictures asked for; the error text of the first that cannot be written.
std::optional<std::string> WriteCasePictures(const CasePictures& pictures, const DesignOutcome& outcome,
                                             const std::string& nameA, const CalcSettings& settings);

} // namespace zorvek
