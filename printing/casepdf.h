// The printed pages of a solved case written to a PDF file by a program without windows (zorvek-cli):
// starts Qt's offscreen platform when no application object exists. Plain C++ interface.
#pragma once
#include <optional>
#include <string>

#include "design.h"

namespace zorvek {

// Writes the two pages (one copy, colour, A4) of the case; the error text when the case is rejected
// (its error line) or the file cannot be written.
std::optional<std::string> WriteCasePdf(const std::string& path, const CaseTexts& fields,
                                        const std::string& nameA, const std::string& nameB,
                                        const CalcSettings& settings, int lastPointIndex);

} // namespace zorvek
