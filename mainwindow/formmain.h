// FormMain, the main window: the entry panel with its sliders, the result fields, the error line and the
// McCabe-Thiele diagram, plus the menus. One class, its member functions split by concern:
//   formmain.cpp          construction, menus, event routing, closeEvent, Timer1
//   formmain_panel.cpp    creation of the panel's controls and of the push buttons
//   formmain_layout.cpp   ColocarControles, Form_Resize, the push buttons' rest positions
//   formmain_entry.cpp    entry-field keys, focus and change, model switch, buttons, Borrar, axis titles
//   formmain_cursors.cpp  ReajustarCursores and the thermal-state caption
//   formmain_calcular.cpp Calcular: engine call, result fields, drawing, point markers
//   formmain_drag.cpp     slider and point-marker drags
//   formmain_pointer.cpp  pointer read-out, curve drag, diagram clicks
//   formmain_files.cpp    open, save, save as, exit prompt
//   formmain_table.cpp    EditarTABLA_ELV, CrearSuperTABLA_ELV
//   formmain_report.cpp   CrearINFORME_HTFC
//   formmain_print.cpp    print and PDF export
//   formmain_language.cpp language and decimal-separator menus, AjustaIDIOMA_GUI
//   formmain_shell.cpp    load and unload, help menu
//   formmain_desktop.cpp  the Edit and View menus, Recent cases and Export diagram entries, routing of
//                         their events (undo history in casehistory.cpp, texts in desktoptexts.cpp)
//   formmain_edit.cpp     undo, redo, copy diagram
//   formmain_zoom.cpp     zoom and pan of the diagram
//   formmain_export.cpp   export of the diagram as PNG, SVG or PDF
//   formmain_keyboard.cpp tab order and shortcuts
//   formmain_open.cpp     files from the command line and dropped on the window
//   formmain_recent.cpp   the recent cases of the File menu
//   formmain_analysis.cpp analysis menu and window, View menu with the diagram overlays, error tooltip
//   formmain_components.cpp the Equilibrium menu: the components dialog, then the table editor
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "columnanalysis.h"
#include "design.h"
#include "equilibrium.h"
#include "mccabediagram.h"
#include "pushbutton.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QDragEnterEvent;
class QDropEvent;
class QRadioButton;
class QRubberBand;
class QTimer;
class QWidget;

namespace zorvek {

class CaseHistory;
class DiagramCanvas;
class DiagramView;
class FormAnalysis;
class FormXYinput;
struct DiagramOptions;
struct ReportFields;

// The caption naming the feed's thermal state from q, in the current language.
QString ThermalStateCaption(double q);

class FormMain : public QMainWindow {
    Q_OBJECT

  public:
    // Which picture Calcular draws on: the screen diagram or the 700 x 700 report image.
    enum class Canvas { Picture1, Picture4 };

    explicit FormMain(QWidget* parent = nullptr);
    ~FormMain() override;

    // ---- entry fields (numeric inputs), result fields (read-only, light yellow), names ----
    QLineEdit* Text1 = nullptr;  // alpha
    QLineEdit* Text2 = nullptr;  // q
    QLineEdit* Text3 = nullptr;  // zF
    QLineEdit* Text4 = nullptr;  // xD
    QLineEdit* Text5 = nullptr;  // xB
    QLineEdit* Text6 = nullptr;  // R
    QLineEdit* Text7 = nullptr;  // Rmin (result)
    QLineEdit* Text8 = nullptr;  // q-line equation (result)
    QLineEdit* Text9 = nullptr;  // enriching line (result)
    QLineEdit* Text10 = nullptr; // exhausting line (result)
    QLineEdit* Text11 = nullptr; // q-point (result)
    QLineEdit* Text12 = nullptr; // pinch point (result)
    QLineEdit* Text13 = nullptr; // feed plate (result)
    QLineEdit* Text14 = nullptr; // number of plates (result)
    QLineEdit* Text15 = nullptr; // E
    QLineEdit* Text16 = nullptr; // name of component A
    QLineEdit* Text17 = nullptr; // name of component B
    // Text1 .. Text17 by number (index 0 unused), for code that walks the fields in order.
    std::array<QLineEdit*, 18> TextFields{};

    QLabel* LblERROR = nullptr; // error line across the top of the diagram
    QLabel* LblCOOR = nullptr;  // pointer read-out over the diagram's upper left part
    QRadioButton* OptVOL = nullptr;
    QRadioButton* OptTAB = nullptr;

    DiagramView* Picture1 = nullptr; // the diagram
    QWidget* Picture2 = nullptr;     // the panel
    QFrame* Shape2 = nullptr;        // frame around panel and buttons

    // Push buttons: face Image1(i) with caption LabelB(i) over it. 0 Calcular, 1 Borrar, 2 Ver informe,
    // 3 Editar tabla...
    std::array<QLabel*, 4> Image1{};
    std::array<QLabel*, 4> LabelB{};
    std::array<int, 4> RestLeft{18, 181, 344, 14};
    std::array<int, 4> RestTop{492, 492, 492, 98};

    // Point markers over Picture1: 0 bottoms, 1 q-point, 2 distillate, 3 feed.
    std::array<QLabel*, 4> Label2{};
    // Sliders: cursor Image2(i) on track Line1(i); 0 alpha, 1 q, 2 zF, 3 xD, 4 R, 5 E, 6 xB.
    std::array<QLabel*, 7> Image2{};
    std::array<QFrame*, 7> Line1{};
    std::array<int, 7> TrackX1{}; // left end of each track, panel pixels
    std::array<int, 7> TrackX2{}; // right end
    std::array<int, 7> TrackY{};  // row of each track line

    // Static captions by index: 27/28 names, 29 model, 0 alpha group, 30 table group, 12 "Alpha =",
    // 1 q group, 15 thermal state, 2 zF, 3 xD, 4 xB, 5 R, 19 Rmin, 14 E, 17 feed plate, 13 plates,
    // 24 "NPT =", 6 "Zf =", 7 "Xd =", 8 "Xb =", 9 "R = L/D =", 10 "Rmin =", 11 "NF =", 16 "E =",
    // 20..23 and 25 the captions of Text8..Text12.
    std::array<QLabel*, 33> Label1{};
    std::array<QFrame*, 13> Shape1{};

    QTimer* Timer1 = nullptr; // 100 ms: LblERROR visible exactly while it has text
    QTimer* Timer2 = nullptr; // 600 ms: clears the curve-hover flag

    // ---- menus ----
    QMenu* mnu_Archivo = nullptr;
    QMenu* mnu_OPCIONES = nullptr;
    QMenu* mnu_IDIOMA = nullptr;
    QMenu* mnu_Decimal_SEP = nullptr;
    QMenu* mnu_Ayuda = nullptr;
    QMenu* mnu_Equilibrio = nullptr;
    QAction* mnu_Archivo_OPEN = nullptr;
    QAction* mnu_Archivo_SAVE = nullptr;
    QAction* mnu_Archivo_SAVEAS = nullptr;
    QAction* mnu_Archivo_CALC = nullptr;
    QAction* mnu_Archivo_PRINT = nullptr;
    QAction* mnu_Archivo_PDF = nullptr;
    QAction* mnu_Archivo_Salir = nullptr;
    QAction* mnu_IDIOMA_ESP = nullptr;
    QAction* mnu_IDIOMA_ENG = nullptr;
    QAction* mnu_Decimal_SEP_COM = nullptr;
    QAction* mnu_Decimal_SEP_DOT = nullptr;
    QAction* mnu_Ayuda_Manual = nullptr;
    QAction* mnu_Ayuda_WEB = nullptr;
    QAction* mnu_Ayuda_Acerca = nullptr;
    QAction* mnu_Equilibrio_COMPONENTES = nullptr;
    // Desktop conventions: Edit and View menus, recent cases, diagram export.
    QMenu* mnu_Edicion = nullptr;
    QMenu* mnu_Ver = nullptr;
    QMenu* mnu_Archivo_RECENT = nullptr;
    QAction* mnu_Edicion_UNDO = nullptr;
    QAction* mnu_Edicion_REDO = nullptr;
    QAction* mnu_Edicion_COPYDIAGRAM = nullptr;
    QAction* mnu_Archivo_EXPORTDIAGRAM = nullptr;
    QAction* mnu_Ver_ZOOMIN = nullptr;
    QAction* mnu_Ver_ZOOMOUT = nullptr;
    QAction* mnu_Ver_ZOOMALL = nullptr;
    QAction* mnu_Archivo_RECENT_CLEAR = nullptr;

    // ---- case state ----
    EquilibriumTable TablaELV; // the accepted x-y table (LastPointIndex -1 while none)
    DenseTables Dense;         // its dense forms, rebuilt whenever a valid table becomes the one in use
    bool TableMode = false;    // equilibrium model in use: true = table, false = alpha
    QString DocumentName;      // full path of the case file, empty while unsaved
    bool Modified = false;     // the case differs from its file
    QString AxisTitleX, AxisTitleY;

    // ---- DesignResults, left by the last successful Calcular ----
    DesignOutcome LastOutcome; // the outcome of the last Calcular, successful or not
    double NPT = 0, NF = 0, MinRefluxSlope = 0;
    QString StageListing, StageListingMarkup, EquilibriumListing, EquilibriumListingMarkup;
    QImage Picture4; // the report image, 700 x 700, drawn by Calcular(Canvas::Picture4)

    // The printed page canvas: the print command sets it, calls Calcular(Canvas::Picture1, true) and
    // resets it. While it is null, a printing call draws nowhere but on the screen.
    DiagramCanvas* PrintCanvas = nullptr;

    // ---- column analysis (formmain_analysis.cpp) ----
    QMenu* mnu_Analisis = nullptr;
    QAction* mnu_Analisis_VENTANA = nullptr;
    QAction* mnu_Ver_PINCH = nullptr;    // overlay: the true minimum reflux line
    QAction* mnu_Ver_TOTAL = nullptr;    // overlay: the total-reflux staircase
    QAction* mnu_Ver_MURPHREE = nullptr; // overlay: the Murphree curve and staircase
    FormAnalysis* frmAnalisis = nullptr; // the analysis window, made at its first opening
    ColumnAnalysis LastAnalysis;         // of LastOutcome, as far as the window, overlays and tooltip need
    bool CaseCleared = false;            // Borrar emptied the fields: LastOutcome is no longer the case's
    void mnu_Analisis_VENTANA_Click();
    void UpdateAnalysis();                            // after the engine call of every Calcular
    void DrawAnalysisOverlays(DiagramCanvas& canvas); // on Picture1, over the finished diagram
    // The same on a picture of the screen diagram (an export, the copied diagram), with its options.
    void DrawAnalysisOverlays(DiagramCanvas& canvas, const DiagramOptions& options);
    void TakeReflux(double R); // R chosen on the R-N chart

    // ---- drag state (formmain_drag.cpp, formmain_pointer.cpp) ----
    bool DragFlag = false; // a slider cursor or point marker is being dragged
    double GrabX = 0, GrabY = 0;
    bool CurveDrag = false;  // the alpha curve is being dragged
    bool CurveHover = false; // the pointer was last seen on the table curve
    QPoint DragPointer;      // pointer (screen) at the press or last drag step; a move to it is no step

    // ---- desktop conventions ----
    CaseHistory* History = nullptr; // undo and redo of the case's changes (child of the window)
    QStringList RecentCases;        // full paths, the most recent first, at most kRecentCases
    static constexpr int kRecentCases = 8;

    // ---- commands ----
    void Calcular(Canvas pic = Canvas::Picture1, bool impri = false);
    void Borrar();
    void ReajustarCursores();
    void ColocarControles();
    void Form_Resize();
    void AjustaIDIOMA_GUI();
    void Timer1_Timer();
    void OptVOL_Click();
    void OptTAB_Click();
    void Text16_Change();     // axis titles, recompute, modified
    void SetAxisTitles();     // AxisTitleX/Y from the name of A in the current language
    void SetResultCaptions(); // captions of Text8..Text12 in the current language
    void PlaceResultFields(); // Text8..Text12 under their captions in the middle column
    void ShowButtonPressed(int i, bool pressed);
    void ButtonClick(int i);
    void ReadCaseTexts(CaseTexts& texts) const; // the seven entry texts as typed
    // Writes a field as the program does; the field's change handling runs when the text changes.
    static void SetFieldText(QLineEdit* field, const QString& text);

    // Case files (formmain_files.cpp)
    void mnu_Archivo_OPEN_Click();
    void mnu_Archivo_SAVE_Click();
    void mnu_Archivo_SAVEAS_Click();
    void mnu_Archivo_Salir_Click();
    bool Form_QueryUnload(); // true: the window may close
    bool Save(const QString& path);
    bool Save_As();
    void Abrir(const QString& path);
    // Table editor (formmain_table.cpp)
    void EditarTABLA_ELV();
    void CrearSuperTABLA_ELV();
    // EditarTABLA_ELV with prepare run on the loaded editor before it is shown.
    void EditTable(const std::function<void(FormXYinput&)>& prepare);
    // Equilibrium menu (formmain_components.cpp)
    void CreateEquilibriumMenu();
    void mnu_Equilibrio_COMPONENTES_Click();
    // Reports (formmain_report.cpp)
    void CrearINFORME_HTFC();
    // The fields exactly as the window shows them, with the results the last calculation kept.
    ReportFields ReportFieldsShown() const;
    // True while the error line holds a message: the results are not valid for reports and printing.
    bool CalculationErrorShows() const;
    // Printing (formmain_print.cpp)
    void mnu_Archivo_PRINT_Click();
    void mnu_Archivo_PDF_Click();
    // Shell (formmain_language.cpp)
    void mnu_IDIOMA_ESP_Click();
    void mnu_IDIOMA_ENG_Click();
    void mnu_Decimal_SEP_COM_Click();
    void mnu_Decimal_SEP_DOT_Click();
    void Form_Load();
    void Form_Unload();
    void mnu_Ayuda_Manual_Click();
    void mnu_Ayuda_WEB_Click();
    void mnu_Ayuda_Acerca_Click();

    // Mouse on sliders, markers and the diagram (drag helper). Positions: global (screen) for the
    // slider and marker drags, Picture1 / Picture2 coordinates for the diagram and panel.
    void Image2_MouseDown(int i, QPoint globalPos);
    void Image2_MouseMove(int i, QPoint globalPos);
    void Image2_MouseUp(int i);
    void Label2_MouseDown(int k, QPoint globalPos);
    void Label2_MouseMove(int k, QPoint globalPos);
    void Label2_MouseUp(int k);
    void Picture1_MouseDown(QPoint pos);
    void Picture1_MouseMove(QPoint pos);
    void Picture1_MouseUp(QPoint pos);
    void Picture1_DblClick(QPoint pos);
    void Picture2_MouseMove(QPoint pos);
    void Picture1_Leave();
    void Timer2_Timer();

    // Edit menu (formmain_edit.cpp): undo and redo go through the case history; the diagram as an
    // image on the clipboard, drawn as the screen shows it.
    void mnu_Edicion_UNDO_Click();
    void mnu_Edicion_REDO_Click();
    void mnu_Edicion_COPYDIAGRAM_Click();
    void RefreshEditActions(); // captions and enabled state of Undo and Redo
    // Zoom (formmain_zoom.cpp): the view window of the diagram; every change redraws through Calcular.
    void SetDiagramView(const ViewWindow& view);
    void ZoomAbout(double factor, QPointF at); // factor > 1 zooms in; at: composition kept in place
    void ZoomWhole();
    bool MarkerInView(double X, double Y) const; // a marker centred on (X, Y) lies in the plot shown
    // Export (formmain_export.cpp): dialog, then the picture file; ExportDiagram writes it directly.
    void mnu_Archivo_EXPORTDIAGRAM_Click();
    bool ExportDiagram(const QString& path, QSize pixels);
    // The diagram as the screen shows it, drawn on an image (null outcome: blank after Clear).
    QImage ScreenDiagramImage(QSize pixels, double scale);
    const DesignOutcome* ShownOutcome();
    DiagramOptions ExportOptions();
    // Files given on the command line or dropped on the window (formmain_open.cpp): one case (*.mct or
    // any other name) or one table (*.vle, opened in the editor); a clear message for the others.
    void OpenFiles(const QStringList& paths, bool promptFirst);
    void EditTableFile(const QString& tablePath); // the editor opened on a table file
    // Recent cases (formmain_recent.cpp).
    void AddRecentCase(const QString& path);
    void OpenRecentCase(int index);
    void RefreshRecentMenu();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
    void CreateAnalysisMenus();
    void CreatePanelControls();
    void CreateButtons();
    void ConnectEntryFields();
    bool EntryFieldEvent(QLineEdit* field, QEvent* event);
    DiagramOptions DrawingOptions(bool onPicture1);
    void PlaceMarker(int k, double X, double Y);
    void PostResults(const DesignOutcome& outcome);
    void DimResultFields(bool dim); // Text7..Text12 greyed while the error line holds a message
    bool layoutRunning_ = false;

    // Desktop conventions (formmain_desktop.cpp and the files it names).
    void SetUpDesktopConventions();
    void CreateDesktopMenus();
    void SetUpKeyboard();
    void LoadRecentCases();
    bool DesktopEvent(QObject* watched, QEvent* event); // true: the event is taken
    bool ZoomEvent(QEvent* event);                      // events of Picture1 that zoom or pan
    static void AcceptFileDrag(QDropEvent* event);      // accepts a drag that carries a case or table
    QRubberBand* rubberBand_ = nullptr;
    QPoint rubberOrigin_;
    bool panning_ = false;
    QPoint panFrom_;
    ViewWindow panView_;
    PushButtonClicks buttonClicks_; // the four push buttons: a click is a left press and release
};

} // namespace zorvek
