#include "formsplash.h"

#include "appstate.h"
#include "makerinfo.h"
#include "seams.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace zorvek {

namespace {

constexpr int kSplashMilliseconds = 400;

QLabel* MakeLabel(QWidget* parent, const char* name, int pointSize, bool bold, const char* color) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font("Arial", pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QString("color: %1;").arg(color));
    label->setWordWrap(true);
    return label;
}

void MakeLink(QLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
}

void Warn(QWidget* parent, const QString& title, const QString& text) {
    seams().messageBox(parent, MessageRequest{MsgIcon::Warning, MsgButtons::Ok, title, text});
}

} // namespace

FormSplash::FormSplash(Use use, QWidget* parent) : QDialog(parent), use_(use) {
    setObjectName("FormSplash");
    setWindowFlags(use == Use::Splash ? Qt::SplashScreen | Qt::FramelessWindowHint
                                      : Qt::Dialog | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(560, 300);
    setStyleSheet("QDialog#FormSplash { background: #f5f8fc; border: 2px solid #1d3557; }");

    Image1[0] = new QLabel(this);
    Image1[0]->setObjectName("Image1_0");
    Image1[0]->setPixmap(DrawLogo(150, 190));
    Image1[0]->setFixedSize(150, 190);

    LblTIT1 = MakeLabel(this, "LblTIT1", 15, true, "#1d3557");
    LblTIT2 = MakeLabel(this, "LblTIT2", 10, false, "#1d3557");
    lblVersion = MakeLabel(this, "lblVersion", 10, true, "#333333");
    LblWEB = MakeLabel(this, "LblWEB", 9, false, "#0645ad");
    LlblMAIL = MakeLabel(this, "LlblMAIL", 9, false, "#0645ad");
    LblLEGAL = MakeLabel(this, "LblLEGAL", 8, false, "#555555");
    MakeLink(LblWEB);
    MakeLink(LlblMAIL);

    auto* brand = MakeLabel(this, "LblBRAND", 18, true, "#e07a1f");
    brand->setText(kAppTitle);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(brand);
    text->addWidget(LblTIT1);
    text->addWidget(LblTIT2);
    text->addWidget(lblVersion);
    text->addStretch(1);
    text->addWidget(LblWEB);
    text->addWidget(LlblMAIL);
    text->addWidget(LblLEGAL);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(18, 18, 18, 14);
    row->setSpacing(20);
    row->addWidget(Image1[0], 0, Qt::AlignTop);
    row->addLayout(text, 1);

    for (QLabel* label : {Image1[0], LblTIT1, LblTIT2, lblVersion, LblWEB, LlblMAIL, LblLEGAL, brand})
        label->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(kSplashMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &FormSplash::Timer1_Timer);

    Form_Load();
}

void FormSplash::Form_Load() {
    const QString version = QString::number(VersionMajor()) + "." + QString::number(VersionMinor());
    const QString versionLabel = Tr(QString::fromUtf8("Versión: "), "Version: ");
    lblVersion->setText(versionLabel.isEmpty() ? QString() : versionLabel + version);
    LblTIT1->setText(
        Tr(QString::fromUtf8("Software de Ingeniería Química"), "Chemical Engineering Software"));
    LblTIT2->setText(
        Tr(QString::fromUtf8("Diseño de columnas de destilación fraccionada de mezclas binarias por el "
                             "método McCabe-Thiele"),
           "Design of distillation columns for binary mixtures. Number of Theoretical Plates by "
           "McCabe-Thiele method"));
    const bool spanish = appState().UiLanguage == "ESP";
    LblWEB->setText(spanish ? MakerWebSpanish() : MakerWebEnglish());
    LblWEB->setToolTip(Tr(MakerWebSpanish(), MakerHost()));
    LlblMAIL->setText(MakerEmail());
    LblLEGAL->setText(MakerLegalLine());
    if (use_ == Use::Splash) Timer1->start();
}

void FormSplash::StartSplash(std::function<void()> showMainWindow) {
    showMainWindow_ = std::move(showMainWindow);
    setAttribute(Qt::WA_DeleteOnClose);
    show();
}

void FormSplash::ShowAbout(QWidget* parent) {
    FormSplash about(Use::About, parent);
    about.Timer1->stop();
    about.exec();
}

void FormSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activateWindow();
    setFocus();
}

void FormSplash::ShowMainWindowOnce() {
    if (mainWindowShown_) return;
    mainWindowShown_ = true;
    if (showMainWindow_) showMainWindow_();
}

void FormSplash::Timer1_Timer() {
    CloseSplash();
}

void FormSplash::CloseSplash() {
    Timer1->stop();
    // The splash stays visible while the main window loads.
    ShowMainWindowOnce();
    if (use_ == Use::About)
        accept();
    else
        close();
}

void FormSplash::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    ShowMainWindowOnce();
    QDialog::closeEvent(event);
}

void FormSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    CloseSplash();
}

void FormSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    CloseSplash();
}

bool FormSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);
    if (watched == LblWEB)
        LblWEB_Click();
    else if (watched == LlblMAIL)
        LlblMAIL_Click();
    else
        CloseSplash();
    return true;
}

void FormSplash::LblWEB_Click() {
    const QString& language = appState().UiLanguage;
    QString page;
    if (language == "ESP") page = MakerWebSpanish();
    if (language == "ENG" || language == "DEU") page = MakerWebEnglish();
    if (page.isEmpty() || seams().openUrl(QUrl(page))) return;
    if (language == "ESP")
        Warn(this, QString::fromUtf8("No se puede abrir la página"),
             QString::fromUtf8("No se puede abrir la página ") + page +
                 QString::fromUtf8(
                     "\r\nAsegúrese de tener una conexión activa a internet y un navegador instalado."));
    if (language == "ENG") Warn(this, "Error", "Sorry, cannot connect to " + MakerHost());
    if (language == "DEU")
        Warn(this, "Fehler", QString::fromUtf8("Entschuldigung. Kann die Seite nicht öffnen ") + MakerHost());
}

void FormSplash::LlblMAIL_Click() {
    const QString& language = appState().UiLanguage;
    if (seams().openUrl(QUrl("mailto:" + MakerEmail()))) return;
    if (language == "ESP")
        Warn(this, "No se puede acceder al correo",
             "No se puede acceder al correo.\r\nAsegúrese de tener una conexión activa a internet y un "
             "lector de "
             "correos instalado.");
    if (language == "ENG") Warn(this, kAppTitle, "Sorry, cannot found your email client application.");
    if (language == "DEU") Warn(this, "Fehler", "Fehler. E-Mail-Client nicht gefunden");
}

QPixmap FormSplash::DrawLogo(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height);
    background.setColorAt(0, QColor("#27496d"));
    background.setColorAt(1, QColor("#142850"));
    p.setBrush(background);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, width, height), 14, 14);

    // The diagram: unit square, diagonal, equilibrium curve of alpha 2.5 and the staircase.
    const QRectF box(16, 16, width - 32, width - 32);
    auto at = [&](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.bottom() - y * box.height());
    };
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor("#8a99ad"), 1.2));
    p.drawLine(at(0, 0), at(1, 1));
    const double alpha = 2.5;
    auto equilibrium = [&](double x) { return alpha * x / (1 + (alpha - 1) * x); };
    QPainterPath curve(at(0, 0));
    for (int i = 1; i <= 50; ++i) curve.lineTo(at(i / 50.0, equilibrium(i / 50.0)));
    p.setPen(QPen(QColor("#1d6fb8"), 2.2));
    p.drawPath(curve);
    p.setPen(QPen(QColor("#e07a1f"), 2.0));
    double x = 0.92;
    for (int step = 0; step < 6 && x > 0.06; ++step) {
        const double y = x;                              // on the diagonal (total reflux)
        const double xe = y / (alpha - (alpha - 1) * y); // across to the curve
        p.drawLine(at(x, y), at(xe, y));
        p.drawLine(at(xe, y), at(xe, xe));
        x = xe;
    }
    // The name under the diagram.
    p.setPen(QColor("#f5f8fc"));
    QFont font("Arial");
    font.setPixelSize(std::max(10, (height - width) / 2 + 2));
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(font);
    p.drawText(QRectF(0, width - 10, width, height - width + 4), Qt::AlignCenter, kAppTitle);
    return pixmap;
}

} // namespace zorvek
