// Every text of the printing subsystem in both languages: the print dialog, the printed pages and
// the PDF export. Pick() chooses Spanish for "ESP" and English for "ENG", nothing for any other value.
#pragma once
#include <QString>

namespace zorvek {

struct PrintTextPair {
    const char* esp;
    const char* eng;
};

QString Pick(const PrintTextPair& text, const QString& uiLanguage);

namespace printtext {
// The dialog (designed in English; Set2SPANISH applies the Spanish captions).
inline constexpr PrintTextPair DialogTitle{"Imprimir", "Print"};
inline constexpr PrintTextPair PrinterLabel{"Impresora:", "Printer:"};
inline constexpr PrintTextPair CopiesLabel{"Número de copias:", "Number of copies:"};
inline constexpr PrintTextPair Collate{"Intercalar", "Collate"};
inline constexpr PrintTextPair BlackAndWhite{"Blanco y negro", "Black && white"};
inline constexpr PrintTextPair PrintButton{"Imprimir", "Print"};
inline constexpr PrintTextPair CancelButton{"Cancelar", "Cancel"};
inline constexpr PrintTextPair BadCopyCount{"El número de copias no es válido. Máximo 1999 copias.",
                                            "The number of copies isn't valid. Max. 1999 copies."};
// The pages.
inline constexpr PrintTextPair PageTitle{"Número de platos teóricos por el método McCabe-Thiele",
                                         "Number of Theoretical Plates by McCabe-Thiele method"};
inline constexpr PrintTextPair StagesHeading{"Composición de los platos teóricos (de arriba a abajo):",
                                             "Theoretical stages. From top to bottom:"};
inline constexpr PrintTextPair PaperTooSmall{
    "ERROR: El tamaño del papel de la impresora es demasiado pequeño.", "ERROR: Paper size too small."};
inline constexpr PrintTextPair PrintFailed{"ERROR: No se pudo imprimir el documento.",
                                            "ERROR: The document could not be printed."};
// The PDF export.
inline constexpr PrintTextPair PdfMenu{"Exportar PDF...", "Export PDF..."};
inline constexpr PrintTextPair PdfDialogTitle{"Exportar PDF", "Export PDF"};
inline constexpr PrintTextPair PdfFilter{"Documento PDF (*.pdf)|*.pdf", "PDF document (*.pdf)|*.pdf"};
inline constexpr PrintTextPair PdfWriteFailed{"No se pudo escribir el archivo PDF",
                                              "Could not write the PDF file"};
} // namespace printtext

} // namespace zorvek
