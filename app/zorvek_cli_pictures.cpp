#include "zorvek_cli_pictures.h"

#include <charconv>

#ifdef ZORVEK_CLI_PDF
#include <QFont>
#include <QGuiApplication>
#include <memory>

#include "casepages.h"
#include "diagramexport.h"
#endif

namespace zorvek {

namespace {

std::optional<int> PictureSide(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 50 || value > 10000)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::string> ParsePictureSize(const std::string& text, CasePictures& pictures) {
    const size_t x = text.find_first_of("xX");
    const std::optional<int> width =
        x == std::string::npos ? std::nullopt : PictureSide(std::string_view(text).substr(0, x));
    const std::optional<int> height =
        x == std::string::npos ? std::nullopt : PictureSide(std::string_view(text).substr(x + 1));
    if (!width || !height) return "--size takes WxH, each from 50 to 10000 pixels (e.g. 1600x1600)";
    pictures.width = *width;
    pictures.height = *height;
    return std::nullopt;
}

std::optional<std::string> WriteCasePictures(const CasePictures& pictures, const DesignOutcome& outcome,
                                             const std::string& nameA, const CalcSettings& settings) {
#ifdef ZORVEK_CLI_PDF
    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    DiagramOptions options;
    options.UiLanguage = QString::fromStdString(settings.UiLanguage);
    options.DecimalSymbol = QString::fromStdString(settings.DecimalSymbol);
    AxisTitlesFor(QString::fromStdString(nameA), options.UiLanguage, options.AxisTitleX, options.AxisTitleY);
    // The window's picture font: 11-pixel Arial.
    QFont font("Arial");
    font.setPixelSize(11);
    const QSize pixels(pictures.width, pictures.height);
    const double scale = PictureScale(pixels, 1);
    for (const auto& [path, write] :
         {std::pair{pictures.pngPath, &WriteDiagramPng}, std::pair{pictures.svgPath, &WriteDiagramSvg}}) {
        if (path.empty()) continue;
        PictureError error;
        if (!write(QString::fromStdString(path), &outcome, options, font, pixels, scale, &error))
            return "ERROR: Unable to export the diagram: " + path +
                   " - Error : " + std::to_string(error.code) + " - " + error.description.toStdString();
    }
    return std::nullopt;
#else
    (void)pictures, (void)outcome, (void)nameA, (void)settings;
    return "--png and --svg need the Qt build";
#endif
}

} // namespace zorvek
