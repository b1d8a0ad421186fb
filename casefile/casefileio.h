// Case files on disk without windows (the command-line solver): reading one as opening it would, and
// writing one through a temporary file. Errors come back as one line in the interface language.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "casefile.h"

namespace zorvek {

// Reads and checks the case file at path. An unreadable file or one without its table block gives the
// invalid-format line, a table failing its checks gives the check's message.
std::optional<std::string> LoadCaseFile(const std::string& path, std::string_view uiLanguage,
                                        CaseReadResult& out);

// Writes the case text; on failure the old file stays intact and the save message is returned.
std::optional<std::string> SaveCaseFile(const std::string& path, const CaseFieldTexts& fields,
                                        CaseModel model, const EquilibriumTable& table,
                                        std::string_view uiLanguage);

} // namespace zorvek
