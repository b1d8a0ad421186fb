#include "casemessages.h"

#include "messages.h"

namespace zorvek {

std::string CaseInvalidFormatMessage(std::string_view path, std::string_view uiLanguage) {
    std::string head = Message(MessageId::InvalidFormat, uiLanguage);
    if (head.empty()) return {};
    return head + "\r\n" + std::string(path);
}

std::string CaseSaveFailedMessage(std::string_view path, int code, std::string_view description,
                                  std::string_view uiLanguage) {
    std::string head =
        InLanguage(uiLanguage, "ERROR: No se pudo guardar el archivo:", "ERROR: Unable to save the file:");
    if (head.empty()) return {};
    return head + "\r\n" + std::string(path) + "\r\nError : " + std::to_string(code) + " - " +
           std::string(description);
}

std::string SavePromptText(std::string_view documentName, std::string_view uiLanguage) {
    if (uiLanguage == "ESP") return "¿Desea guardar el documento " + std::string(documentName) + "?";
    if (uiLanguage == "ENG") return "Do you want to save changes to " + std::string(documentName) + "?";
    return {};
}

} // namespace zorvek
