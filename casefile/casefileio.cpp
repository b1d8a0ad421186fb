#include "casefileio.h"

#include "casemessages.h"
#include "textfile.h"

namespace zorvek {

namespace {

// A message of several lines on one line, for a terminal.
std::string OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += ' ';
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

} // namespace

std::optional<std::string> LoadCaseFile(const std::string& path, std::string_view uiLanguage,
                                        CaseReadResult& out) {
    std::string text, error;
    ReadWholeTextFile(path, text, error); // unreadable: empty text, which fails for format
    out = ReadCaseText(text, uiLanguage);
    if (out.status == CaseReadStatus::BadFormat) return OneLine(CaseInvalidFormatMessage(path, uiLanguage));
    if (out.status == CaseReadStatus::Rejected) return out.message;
    return std::nullopt;
}

std::optional<std::string> SaveCaseFile(const std::string& path, const CaseFieldTexts& fields,
                                        CaseModel model, const EquilibriumTable& table,
                                        std::string_view uiLanguage) {
    std::string error;
    int code = 0;
    if (WriteWholeTextFile(path, CaseFileText(fields, model, table), error, &code)) return std::nullopt;
    return OneLine(CaseSaveFailedMessage(path, code, error, uiLanguage));
}

} // namespace zorvek
