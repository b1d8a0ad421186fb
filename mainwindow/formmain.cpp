// FormMain: creation of the controls and menus, and routing of their events to the handlers.
#include "formmain.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

#include "appstate.h"
#include "casehistory.h"
#include "diagramview.h"
#include "mccabediagram.h"

namespace zorvek {

FormMain::FormMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("FormMain");
    QFont font("Arial");
    font.setPixelSize(11);
    setFont(font);
    setMinimumSize(800, 600);
    Picture4 = QImage(700, 700, QImage::Format_RGB32);
    Picture4.fill(Qt::white);

    CreateMenus();
    CreateControls();
    ColocarControles();
    ConnectEntryFields();
    SetUpDesktopConventions();
    CreateAnalysisMenus();
    CreateEquilibriumMenu(); // after Edit and View, before Options

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, &FormMain::Timer1_Timer);
    Timer1->start(100);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    connect(Timer2, &QTimer::timeout, this, &FormMain::Timer2_Timer);
    Timer2->start(600);

    // The design-time case; the start-up procedure overwrites it from its own values.
    SetFieldText(Text1, "2");
    SetFieldText(Text2, "0.5");
    SetFieldText(Text3, "0.46");
    SetFieldText(Text4, "0.85");
    SetFieldText(Text5, "0.17");
    SetFieldText(Text6, "3");
    SetFieldText(Text15, "1.0");
    SetAxisTitles();
    SetResultCaptions();
    resize(1000, 700);
    Form_Resize();
    Modified = false;
}

FormMain::~FormMain() {
    delete History; // before the fields it refers to
    History = nullptr;
}

namespace {

QAction* NewAction(QMenu* menu, const char* name, const QString& text) {
    auto* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

void FormMain::CreateMenus() {
    mnu_Archivo = menuBar()->addMenu("&File");
    mnu_Archivo->setObjectName("mnu_Archivo");
    mnu_Archivo_OPEN = NewAction(mnu_Archivo, "mnu_Archivo_OPEN", "&Open...");
    mnu_Archivo_SAVE = NewAction(mnu_Archivo, "mnu_Archivo_SAVE", "&Save");
    mnu_Archivo_SAVEAS = NewAction(mnu_Archivo, "mnu_Archivo_SAVEAS", "Save &as...");
    mnu_Archivo->addSeparator();
    mnu_Archivo_PRINT = NewAction(mnu_Archivo, "mnu_Archivo_PRINT", "&Print...");
    mnu_Archivo_PDF = NewAction(mnu_Archivo, "mnu_Archivo_PDF", "Export PDF...");
    mnu_Archivo->addSeparator();
    mnu_Archivo_CALC = NewAction(mnu_Archivo, "mnu_Archivo_CALC", "&Calculate");
    mnu_Archivo->addSeparator();
    mnu_Archivo_Salir = NewAction(mnu_Archivo, "mnu_Archivo_Salir", "&Exit");

    mnu_OPCIONES = menuBar()->addMenu("&Options");
    mnu_OPCIONES->setObjectName("mnu_OPCIONES");
    mnu_IDIOMA = mnu_OPCIONES->addMenu(QString::fromUtf8("Interface &Language / Idioma de la Interfaz"));
    mnu_IDIOMA->setObjectName("mnu_IDIOMA");
    mnu_IDIOMA_ENG = NewAction(mnu_IDIOMA, "mnu_IDIOMA_ENG", "&English");
    mnu_IDIOMA_ESP = NewAction(mnu_IDIOMA, "mnu_IDIOMA_ESP", QString::fromUtf8("E&spañol"));
    mnu_Decimal_SEP = mnu_OPCIONES->addMenu("&Decimal separator");
    mnu_Decimal_SEP->setObjectName("mnu_Decimal_SEP");
    mnu_Decimal_SEP_COM = NewAction(mnu_Decimal_SEP, "mnu_Decimal_SEP_COM", "[ , ] &Comma");
    mnu_Decimal_SEP_DOT = NewAction(mnu_Decimal_SEP, "mnu_Decimal_SEP_DOT", "[ . ] &Point");
    for (QAction* a : {mnu_IDIOMA_ENG, mnu_IDIOMA_ESP, mnu_Decimal_SEP_COM, mnu_Decimal_SEP_DOT}) {
        a->setCheckable(true);
    }
    mnu_IDIOMA_ENG->setChecked(appState().UiLanguage == "ENG");
    mnu_IDIOMA_ESP->setChecked(appState().UiLanguage == "ESP");
    mnu_Decimal_SEP_COM->setChecked(appState().DecimalSymbol == ",");
    mnu_Decimal_SEP_DOT->setChecked(appState().DecimalSymbol == ".");

    mnu_Ayuda = menuBar()->addMenu("&Help");
    mnu_Ayuda->setObjectName("mnu_Ayuda");
    mnu_Ayuda_Manual = NewAction(mnu_Ayuda, "mnu_Ayuda_Manual", "User's &Manual (PDF document)...");
    mnu_Ayuda->addSeparator();
    mnu_Ayuda_WEB = NewAction(mnu_Ayuda, "mnu_Ayuda_WEB", "Home &page...");
    mnu_Ayuda_Acerca = NewAction(mnu_Ayuda, "mnu_Ayuda_Acerca", "&About...");

    connect(mnu_Archivo_OPEN, &QAction::triggered, this, &FormMain::mnu_Archivo_OPEN_Click);
    connect(mnu_Archivo_SAVE, &QAction::triggered, this, &FormMain::mnu_Archivo_SAVE_Click);
    connect(mnu_Archivo_SAVEAS, &QAction::triggered, this, &FormMain::mnu_Archivo_SAVEAS_Click);
    connect(mnu_Archivo_PRINT, &QAction::triggered, this, &FormMain::mnu_Archivo_PRINT_Click);
    connect(mnu_Archivo_PDF, &QAction::triggered, this, &FormMain::mnu_Archivo_PDF_Click);
    connect(mnu_Archivo_CALC, &QAction::triggered, this, [this] { Calcular(); });
    connect(mnu_Archivo_Salir, &QAction::triggered, this, &FormMain::mnu_Archivo_Salir_Click);
    connect(mnu_IDIOMA_ESP, &QAction::triggered, this, &FormMain::mnu_IDIOMA_ESP_Click);
    connect(mnu_IDIOMA_ENG, &QAction::triggered, this, &FormMain::mnu_IDIOMA_ENG_Click);
    connect(mnu_Decimal_SEP_COM, &QAction::triggered, this, &FormMain::mnu_Decimal_SEP_COM_Click);
    connect(mnu_Decimal_SEP_DOT, &QAction::triggered, this, &FormMain::mnu_Decimal_SEP_DOT_Click);
    connect(mnu_Ayuda_Manual, &QAction::triggered, this, &FormMain::mnu_Ayuda_Manual_Click);
    connect(mnu_Ayuda_WEB, &QAction::triggered, this, &FormMain::mnu_Ayuda_WEB_Click);
    connect(mnu_Ayuda_Acerca, &QAction::triggered, this, &FormMain::mnu_Ayuda_Acerca_Click);
}

void FormMain::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    setCentralWidget(client);
    client->installEventFilter(this);

    Shape2 = new QFrame(client);
    Shape2->setObjectName("Shape2");
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setFrameShadow(QFrame::Sunken);

    Picture2 = new QWidget(client);
    Picture2->setObjectName("Picture2");
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(this);

    Picture1 = new DiagramView(client);
    Picture1->setObjectName("Picture1");
    Picture1->installEventFilter(this);

    LblERROR = new QLabel(Picture1);
    LblERROR->setObjectName("LblERROR");
    LblERROR->setAutoFillBackground(true);
    LblERROR->setStyleSheet("QLabel { background: rgb(255, 236, 236); color: rgb(192, 0, 0); "
                            "font-weight: bold; padding: 1px 4px; }");
    LblERROR->setWordWrap(true);
    LblERROR->hide();

    LblCOOR = new QLabel(Picture1);
    LblCOOR->setObjectName("LblCOOR");
    LblCOOR->setStyleSheet(
        "QLabel { background: rgb(239, 239, 239); color: rgb(64, 64, 64); padding: 0 3px; }");
    LblCOOR->setGeometry(28, 26, 288, 17);
    LblCOOR->hide();

    static const QColor markerColours[4] = {{96, 96, 240}, {0, 160, 0}, {192, 0, 0}, {255, 128, 0}};
    for (int k = 0; k < 4; ++k) {
        Label2[k] = new QLabel(Picture1);
        Label2[k]->setObjectName(QString("Label2_%1").arg(k));
        Label2[k]->resize(12, 12);
        Label2[k]->setStyleSheet(QString("QLabel { background: %1; border: 1px solid rgb(40, 40, 40); }")
                                     .arg(markerColours[k].name()));
        Label2[k]->setCursor(Qt::SizeAllCursor);
        Label2[k]->installEventFilter(this);
        Label2[k]->hide();
    }
    LblCOOR->raise();
    LblERROR->raise();

    CreatePanelControls();
    CreateButtons();
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                       type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    auto* me = mouse ? static_cast<QMouseEvent*>(event) : nullptr;
    if (DesktopEvent(watched, event)) return true; // undo history, zoom, dropped files
    if (watched == centralWidget() && type == QEvent::Resize) {
        Form_Resize();
        return false;
    }
    for (int i = 1; i < static_cast<int>(TextFields.size()); ++i) {
        if (watched == TextFields[i]) return EntryFieldEvent(TextFields[i], event);
    }
    if (watched == Picture1 && me) {
        const QPoint pos = me->position().toPoint();
        if (type == QEvent::MouseButtonPress) Picture1_MouseDown(pos);
        if (type == QEvent::MouseMove) Picture1_MouseMove(pos);
        if (type == QEvent::MouseButtonRelease) Picture1_MouseUp(pos);
        if (type == QEvent::MouseButtonDblClick) Picture1_DblClick(pos);
        return false;
    }
    if (watched == Picture1 && type == QEvent::Leave) {
        // The pointer left the diagram, wherever it went (a field, a frame, the button row, another
        // window): the read-out belongs to the diagram only.
        Picture1_Leave();
        return false;
    }
    if (watched == Picture2 && type == QEvent::MouseMove) {
        Picture2_MouseMove(me->position().toPoint());
        return false;
    }
    if (watched == OptTAB && type == QEvent::MouseButtonDblClick) {
        EditarTABLA_ELV();
        return false;
    }
    for (int k = 0; k < 4; ++k) {
        if (watched != Label2[k] || !me) continue;
        const QPoint global = me->globalPosition().toPoint();
        // The second press of a quick double click grabs like any press (as Qt's own widgets do).
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            Label2_MouseDown(k, global);
        if (type == QEvent::MouseMove) Label2_MouseMove(k, global);
        if (type == QEvent::MouseButtonRelease) Label2_MouseUp(k);
        return true;
    }
    for (int i = 0; i < 7; ++i) {
        if (watched != Image2[i] || !me) continue;
        const QPoint global = me->globalPosition().toPoint();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            Image2_MouseDown(i, global);
        if (type == QEvent::MouseMove) Image2_MouseMove(i, global);
        if (type == QEvent::MouseButtonRelease) Image2_MouseUp(i);
        return true;
    }
    for (int i = 0; i < 4; ++i) {
        if ((watched != LabelB[i] && watched != Image1[i]) || !me || !LabelB[i]->isEnabled()) continue;
        // The release belongs to the button pressed wherever it happens: over its face or caption or not.
        const QPoint at = Image1[i]->parentWidget()->mapFromGlobal(me->globalPosition().toPoint());
        const bool over = Image1[i]->geometry().contains(at) || LabelB[i]->geometry().contains(at);
        switch (buttonClicks_.OnMouse(i, event, over)) {
        case PushButtonClicks::Step::Pressed:
            ShowButtonPressed(i, true);
            break;
        case PushButtonClicks::Step::Released:
            ShowButtonPressed(i, false);
            break;
        case PushButtonClicks::Step::Clicked:
            ShowButtonPressed(i, false);
            ButtonClick(i);
            break;
        default:
            break;
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormMain::closeEvent(QCloseEvent* event) {
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void FormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Coming back to the window (from a dialog, another program or the task bar) redraws it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Resize();
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) Form_Resize();
}

void FormMain::Timer1_Timer() {
    LblERROR->setVisible(!LblERROR->text().isEmpty());
}

} // namespace zorvek
