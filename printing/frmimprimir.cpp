#include "frmimprimir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "appstate.h"
#include "numtext.h"
#include "pictures.h"
#include "printerseam.h"
#include "printtexts.h"
#include "seams.h"

namespace zorvek {

namespace {

constexpr int kMinCopies = 1;
constexpr int kMaxCopies = 1999;
constexpr int kButtonLeft[2] = {160, 312};
constexpr int kButtonTop = 220;
constexpr int kCaptionDrop = 6; // caption top below its picture's top

double NumberOf(const QLineEdit* field) {
    return ParseNumber(field->text().toStdString());
}

bool InCopyRange(double n) {
    return n >= kMinCopies && n <= kMaxCopies;
}

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmImprimir::frmImprimir(QWidget* parent) : QDialog(parent) {
    setObjectName("frmImprimir");
    setWindowTitle(Pick(printtext::DialogTitle, "ENG"));
    setModal(true);
    setFixedSize(440, 270);

    Label2 = Named(new QLabel(Pick(printtext::PrinterLabel, "ENG"), this), "Label2");
    Label2->setGeometry(16, 14, 200, 20);
    Combo1 = Named(new QComboBox(this), "Combo1");
    Combo1->setGeometry(16, 36, 408, 26);

    Label1 = Named(new QLabel(Pick(printtext::CopiesLabel, "ENG"), this), "Label1");
    Label1->setGeometry(16, 80, 200, 20);
    Text1 = Named(new QLineEdit(this), "Text1");
    Text1->setGeometry(16, 102, 64, 26);
    Text1->setContextMenuPolicy(Qt::NoContextMenu); // only typed digits reach the field
    Text1->setDragEnabled(false);
    Text1->setAcceptDrops(false);
    // A pasted selection (middle button) bypasses the key rules; the validator keeps it to digits.
    Text1->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9 ]*"), Text1));
    VScroll1 = Named(new QScrollBar(Qt::Vertical, this), "VScroll1");
    VScroll1->setGeometry(80, 102, 17, 26);
    VScroll1->setRange(kMinCopies, kMaxCopies);
    VScroll1->setInvertedAppearance(true); // the top end is 1999
    VScroll1->setPageStep(1);
    VScroll1->setValue(1);

    ChkCOLLATE = Named(new QCheckBox(Pick(printtext::Collate, "ENG"), this), "ChkCOLLATE");
    ChkCOLLATE->setGeometry(140, 104, 140, 22);
    ChkCOLLATE->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        ImgCOLLATE[i] = new QLabel(this);
        ImgCOLLATE[i]->setObjectName(QString("ImgCOLLATE_%1").arg(i));
        ImgCOLLATE[i]->setPixmap(CollatePicture(i == 1));
        ImgCOLLATE[i]->setGeometry(300, 88, kCollatePictureWidth, kCollatePictureHeight);
    }
    ImgCOLLATE[0]->hide();

    ChK_BN = Named(new QCheckBox(Pick(printtext::BlackAndWhite, "ENG"), this), "ChK_BN");
    ChK_BN->setGeometry(16, 164, 260, 22);

    for (int i = 0; i < 2; ++i) {
        Image1[i] = new QLabel(this);
        Image1[i]->setObjectName(QString("Image1_%1").arg(i));
        Image1[i]->setPixmap(PictureButtonFace(i == 0 ? ButtonFace::Print : ButtonFace::Cancel));
        Image1[i]->setCursor(Qt::PointingHandCursor);
        Label3[i] = new QLabel(Pick(i == 0 ? printtext::PrintButton : printtext::CancelButton, "ENG"), this);
        Label3[i]->setObjectName(QString("Label3_%1").arg(i));
        Label3[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label3[i]->setContentsMargins(26, 0, 0, 0); // centred beside the icon of the face
        Label3[i]->setAttribute(Qt::WA_TranslucentBackground);
        Label3[i]->setCursor(Qt::PointingHandCursor);
        Label3[i]->raise();
        Image1[i]->installEventFilter(this);
        Label3[i]->installEventFilter(this);
    }

    connect(Combo1, &QComboBox::activated, this, &frmImprimir::Combo1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &frmImprimir::Text1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmImprimir::VScroll1_Change);
    // Qt's lower arrow adds; here the upper arrow adds, like a spin.
    connect(VScroll1, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderSingleStepAdd)
            VScroll1->setSliderPosition(std::max(VScroll1->minimum(), VScroll1->value() - 1));
        else if (action == QAbstractSlider::SliderSingleStepSub)
            VScroll1->setSliderPosition(std::min(VScroll1->maximum(), VScroll1->value() + 1));
    });
    connect(ChkCOLLATE, &QCheckBox::clicked, this, &frmImprimir::ChkCOLLATE_Click);
    Text1->installEventFilter(this);

    // Loading.
    appState().PrintAccepted = false;
    Text1->setText(" 1");
    if (InCopyRange(NumberOf(Text1))) VScroll1->setValue(static_cast<int>(NumberOf(Text1)));
    PlacePictureButtons();
    FillPrinterList();
    if (appState().UiLanguage == "ESP") Set2SPANISH();
}

void frmImprimir::PlacePictureButtons() {
    for (int i = 0; i < 2; ++i) {
        Image1[i]->setGeometry(kButtonLeft[i], kButtonTop, kButtonFaceWidth, kButtonFaceHeight);
        Label3[i]->setGeometry(kButtonLeft[i], kButtonTop + kCaptionDrop, kButtonFaceWidth,
                               kButtonFaceHeight - kCaptionDrop);
    }
}

void frmImprimir::FillPrinterList() {
    Combo1->clear();
    const QStringList names = printerSeam().printerNames ? printerSeam().printerNames() : QStringList();
    if (names.isEmpty()) {
        Combo1->hide();
        return;
    }
    Combo1->addItems(names);
    const QString current = printerSeam().currentPrinter ? printerSeam().currentPrinter() : QString();
    const int index = names.indexOf(current);
    if (index >= 0) Combo1->setCurrentIndex(index);
}

void frmImprimir::Set2SPANISH() {
    setWindowTitle(Pick(printtext::DialogTitle, "ESP"));
    Label2->setText(Pick(printtext::PrinterLabel, "ESP"));
    Label1->setText(Pick(printtext::CopiesLabel, "ESP"));
    ChkCOLLATE->setText(Pick(printtext::Collate, "ESP"));
    ChK_BN->setText(Pick(printtext::BlackAndWhite, "ESP"));
    Label3[0]->setText(Pick(printtext::PrintButton, "ESP"));
    Label3[1]->setText(Pick(printtext::CancelButton, "ESP"));
}

void frmImprimir::Combo1_Click(int index) {
    if (index < 0) return;
    const QString chosen = Combo1->itemText(index);
    const QStringList names = printerSeam().printerNames ? printerSeam().printerNames() : QStringList();
    if (names.contains(chosen) && printerSeam().setCurrentPrinter) printerSeam().setCurrentPrinter(chosen);
    QCoreApplication::processEvents();
}

bool frmImprimir::Text1_KeyPress(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const double n = NumberOf(Text1) + (key == Qt::Key_Up ? 1 : -1);
        Text1->setText(QString::number(static_cast<long long>(std::llround(n))));
        Text1_LostFocus();
        return true;
    }
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9 &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool editing =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Delete || key == Qt::Key_Backspace;
    return !(digit || editing);
}

void frmImprimir::Text1_Change() {
    if (Text1->text().trimmed().isEmpty()) {
        Text1->setText("1"); // re-enters this handler with the new text
        return;
    }
    const double n = NumberOf(Text1);
    if (InCopyRange(n)) VScroll1->setValue(static_cast<int>(n));
}

void frmImprimir::Text1_LostFocus() {
    // A number outside the spin's range leaves the spin as it was; the field then shows the spin.
    const double n = NumberOf(Text1);
    if (InCopyRange(n)) VScroll1->setValue(static_cast<int>(n));
    const QString shown = QString::number(VScroll1->value());
    if (Text1->text() != shown) Text1->setText(shown);
}

void frmImprimir::VScroll1_Change(int value) {
    const QString shown = QString::number(value);
    if (Text1->text() != shown) Text1->setText(shown);
}

void frmImprimir::ChkCOLLATE_Click() {
    const bool collated = ChkCOLLATE->isChecked();
    ImgCOLLATE[1]->setVisible(collated);
    ImgCOLLATE[0]->setVisible(!collated);
}

void frmImprimir::PressPictureButton(int index, bool down) {
    const int shift = down ? 1 : 0;
    Image1[index]->move(kButtonLeft[index] + shift, kButtonTop + shift);
    Label3[index]->move(kButtonLeft[index] + shift, kButtonTop + kCaptionDrop + shift);
}

bool frmImprimir::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1) {
        if (event->type() == QEvent::KeyPress) return Text1_KeyPress(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut) Text1_LostFocus();
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (watched != Image1[i] && watched != Label3[i]) continue;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return true;
            pressedButton_ = i;
            PressPictureButton(i, true);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton || pressedButton_ != i) return true;
            pressedButton_ = -1;
            PressPictureButton(i, false);
            if (widget->rect().contains(mouse->position().toPoint())) {
                if (i == 0)
                    Aceptar();
                else
                    Cancelar();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmImprimir::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancelar();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmImprimir::Aceptar() {
    AppState& state = appState();
    state.PrintCollate = ChkCOLLATE->isChecked();
    state.BlackAndWhite = ChK_BN->isChecked();
    // Compared as a double first: a huge typed number must not overflow the integer.
    const double n = std::nearbyint(NumberOf(Text1));
    if (!InCopyRange(n)) {
        state.PrintAccepted = false;
        ShowError(this, Pick(printtext::BadCopyCount, state.UiLanguage));
        return;
    }
    state.PrintCopies = static_cast<int>(n);
    state.PrintAccepted = true;
    done(QDialog::Accepted);
}

void frmImprimir::Cancelar() {
    appState().PrintAccepted = false;
    done(QDialog::Rejected);
}

void frmImprimir::reject() {
    Cancelar();
}

} // namespace zorvek
