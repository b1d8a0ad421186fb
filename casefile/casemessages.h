// Messages of the case-file commands in both languages; "" for any other interface language.
#pragma once
#include <string>
#include <string_view>

namespace zorvek {

// "ERROR: Invalid format:" CR LF path.
std::string CaseInvalidFormatMessage(std::string_view path, std::string_view uiLanguage);
// "ERROR: Unable to save the file:" CR LF path CR LF "Error : " code " - " description.
std::string CaseSaveFailedMessage(std::string_view path, int code, std::string_view description,
                                  std::string_view uiLanguage);
// Title and text of the save-changes prompt.
std::string SavePromptText(std::string_view documentName, std::string_view uiLanguage);

} // namespace zorvek
