// The program's identity as set by the build: version, the maker's web pages, e-mail and legal line.
#pragma once
#include <QString>

namespace zorvek {

constexpr const char* kAppTitle = "ZORVEK";
constexpr const char* kMakerName = "KestrovaSoftware";

int VersionMajor();
int VersionMinor();
QString MakerWebEnglish(); // the English home page
QString MakerWebSpanish(); // the Spanish home page
QString MakerHost();       // the site's host name, from the English home page
QString MakerEmail();
QString MakerLegalLine();

} // namespace zorvek
