// The worked-solution report of a case given by its entry texts, written by a program without windows
// (zorvek-cli --report): the diagram drawn on a 700 x 700 report image, its JPEG and the .rex document,
// named as the window names them. Starts Qt's offscreen platform when no application object exists.
#pragma once
#include <optional>
#include <string>

#include "design.h"

namespace zorvek {

struct CaseReportFiles {
    std::string document; // path of "restemp" M ".rex"
    std::string image;    // path of "mcth_temp" N ".jpg"
};

// Writes the report into folder (created when missing). Returns the error text when the case is
// rejected (its error line) or a file cannot be written.
std::optional<std::string> WriteCaseReport(const std::string& folder, const CaseTexts& fields,
                                           const std::string& nameA, const std::string& nameB,
                                           const CalcSettings& settings, int lastPointIndex,
                                           CaseReportFiles* written = nullptr);

} // namespace zorvek
