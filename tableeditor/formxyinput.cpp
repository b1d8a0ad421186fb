#include "formxyinput.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "appstate.h"
#include "numtext.h"
#include "wheel.h"
#include "xycaptions.h"

namespace zorvek {

namespace {

// Grid geometry, pixels.
constexpr int kRowTop = 30, kRowPitch = 24, kRowHeight = 22;
constexpr int kNumLeft = 16, kNumWidth = 44;
constexpr int kXLeft = 68, kYLeft = 236, kBoxWidth = 160;
constexpr int kScrollLeft = 402, kScrollWidth = 18;
constexpr int kButtonWidth = 130, kButtonHeight = 34, kCaptionHeight = 22;
constexpr int kWindowWidth = 450, kWindowHeight = 538;
constexpr int kScrollMax = 87;

QPixmap ButtonFacePixmap() {
    QPixmap face(kButtonWidth, kButtonHeight);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, kButtonHeight);
    fill.setColorAt(0, QColor(250, 250, 252));
    fill.setColorAt(1, QColor(206, 212, 224));
    p.setBrush(fill);
    p.setPen(QPen(QColor(110, 118, 134), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, kButtonWidth - 2, kButtonHeight - 2), 4, 4);
    p.setPen(QPen(QColor(70, 76, 90), 1));
    p.drawLine(QPointF(3, kButtonHeight - 1.5), QPointF(kButtonWidth - 3, kButtonHeight - 1.5));
    return face;
}

} // namespace

FormXYinput::FormXYinput(QWidget* parent) : QDialog(parent) {
    setObjectName("FormXYinput");
    setModal(true);
    setFixedSize(kWindowWidth, kWindowHeight);
    CreateControls();
}

FormXYinput::~FormXYinput() {
    if (WheelTarget() == this || (WheelHooked() && !WheelTarget())) WheelUnhook();
}

void FormXYinput::CreateControls() {
    const QStringList heads = {"#", "x", "y"};
    const int headLeft[3] = {kNumLeft, kXLeft, kYLeft};
    const int headWidth[3] = {kNumWidth, kBoxWidth, kBoxWidth};
    for (int i = 0; i < 5; ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QString("Label1_%1").arg(i));
    }
    for (int i = 0; i < 3; ++i) {
        Label1[i]->setText(heads[i]);
        Label1[i]->setAlignment(i == 0 ? (Qt::AlignRight | Qt::AlignVCenter) : Qt::AlignCenter);
        Label1[i]->setGeometry(headLeft[i], 6, headWidth[i], 20);
        QFont bold = Label1[i]->font();
        bold.setBold(true);
        Label1[i]->setFont(bold);
    }
    const int explainTop = kRowTop + kRows * kRowPitch + 10;
    Label1[3]->setGeometry(kNumLeft, explainTop, kWindowWidth - 2 * kNumLeft, 36);
    Label1[4]->setGeometry(kNumLeft, explainTop + 38, kWindowWidth - 2 * kNumLeft, 36);
    Label1[3]->setWordWrap(true);
    Label1[4]->setWordWrap(true);

    for (int i = 0; i < kRows; ++i) {
        const int top = kRowTop + i * kRowPitch;
        LblNUM[i] = new QLabel(this);
        LblNUM[i]->setObjectName(QString("LblNUM_%1").arg(i));
        LblNUM[i]->setGeometry(kNumLeft, top, kNumWidth, kRowHeight);
        LblNUM[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        TxtX[i] = new QLineEdit(this);
        TxtX[i]->setObjectName(QString("TxtX_%1").arg(i));
        TxtX[i]->setGeometry(kXLeft, top, kBoxWidth, kRowHeight);
        TxTY[i] = new QLineEdit(this);
        TxTY[i]->setObjectName(QString("TxTY_%1").arg(i));
        TxTY[i]->setGeometry(kYLeft, top, kBoxWidth, kRowHeight);
        for (QLineEdit* box : {TxtX[i], TxTY[i]}) box->installEventFilter(this);
        connect(TxtX[i], &QLineEdit::textChanged, this, [this, i] { CellChanged(i, false); });
        connect(TxTY[i], &QLineEdit::textChanged, this, [this, i] { CellChanged(i, true); });
    }
    // Tab order follows the rows: x, y, next x.
    for (int i = 0; i < kRows; ++i) {
        setTabOrder(TxtX[i], TxTY[i]);
        if (i + 1 < kRows) setTabOrder(TxTY[i], TxtX[i + 1]);
    }

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setRange(0, kScrollMax);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(11);
    VScroll1->setGeometry(kScrollLeft, kRowTop, kScrollWidth, kRows * kRowPitch - (kRowPitch - kRowHeight));
    VScroll1->setFocusPolicy(Qt::NoFocus);
    // Refresh on every change, also while the thumb is dragged.
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { Refresh(); });

    const QPixmap face = ButtonFacePixmap();
    for (int i = 0; i < kButtons; ++i) {
        Image1[i] = new QLabel(this);
        Image1[i]->setObjectName(QString("Image1_%1").arg(i));
        Image1[i]->setPixmap(face);
        Image1[i]->setFixedSize(kButtonWidth, kButtonHeight);
        LabelB[i] = new QLabel(this);
        LabelB[i]->setObjectName(QString("LabelB_%1").arg(i));
        LabelB[i]->setAlignment(Qt::AlignCenter);
        LabelB[i]->setAttribute(Qt::WA_TranslucentBackground);
        LabelB[i]->setFixedSize(kButtonWidth, kCaptionHeight);
        for (QLabel* part : {Image1[i], LabelB[i]}) {
            part->setCursor(Qt::PointingHandCursor);
            part->installEventFilter(this);
        }
        ShowButtonPressed(i, false);
    }
    ImageCOMPONENTES = new QLabel(this);
    ImageCOMPONENTES->setObjectName("ImageCOMPONENTES");
    ImageCOMPONENTES->setPixmap(face);
    ImageCOMPONENTES->setFixedSize(kButtonWidth, kButtonHeight);
    LabelCOMPONENTES = new QLabel(this);
    LabelCOMPONENTES->setObjectName("LabelCOMPONENTES");
    LabelCOMPONENTES->setAlignment(Qt::AlignCenter);
    LabelCOMPONENTES->setAttribute(Qt::WA_TranslucentBackground);
    LabelCOMPONENTES->setFixedSize(kButtonWidth, kCaptionHeight);
    for (QLabel* part : {ImageCOMPONENTES, LabelCOMPONENTES}) {
        part->setCursor(Qt::PointingHandCursor);
        part->installEventFilter(this);
    }
    ShowButtonPressed(kComponentsButton, false);
}

QLabel* FormXYinput::ButtonFace(int i) const {
    return i == kComponentsButton ? ImageCOMPONENTES : Image1[i];
}

QLabel* FormXYinput::ButtonCaption(int i) const {
    return i == kComponentsButton ? LabelCOMPONENTES : LabelB[i];
}

void FormXYinput::Load(const EquilibriumTable& storage, const QString& nameA, const QString& nameB) {
    Working = EquilibriumTable();
    AjustaIDIOMA_GUI();
    Working.x = storage.x;
    Working.y = storage.y;
    NameA = nameA;
    NameB = nameB;
    for (int i = 0; i <= kComponentsButton; ++i) ShowButtonPressed(i, false);
    ShowFromFirstRow();
    outcome_ = EditorOutcome{};
}

void FormXYinput::AjustaIDIOMA_GUI() {
    const XYCaptions c = CurrentXYCaptions();
    setWindowTitle(c.title);
    for (int i = 0; i < kButtons; ++i) LabelB[i]->setText(c.buttons[i]);
    Label1[3]->setText(c.explainX);
    Label1[4]->setText(c.explainY);
    LabelCOMPONENTES->setText(c.components);
}

void FormXYinput::ShowButtonPressed(int i, bool pressed) {
    const int d = pressed ? 1 : 0;
    const int left = i == kComponentsButton ? 15 : RestLeft[i];
    const int top = i == kComponentsButton ? 491 : RestTop[i];
    ButtonFace(i)->move(left + d, top + d);
    ButtonCaption(i)->move(left + d, top + 6 + d);
    ButtonCaption(i)->raise();
}

void FormXYinput::Refresh() {
    AppState& app = appState();
    const bool was = app.UpdatingFields;
    app.UpdatingFields = true;
    const std::string dec = app.DecimalStd();
    for (int i = 0; i < kRows; ++i) {
        const int s = VScroll1->value() + i;
        LblNUM[i]->setText(QString::number(s + 1));
        if (Working.x[s] != -1) {
            TxtX[i]->setText(QString::fromStdString(FormatSignificant(Working.x[s], 6, dec)));
            TxTY[i]->setText(QString::fromStdString(FormatSignificant(Working.y[s], 6, dec)));
        } else {
            TxtX[i]->clear();
            TxTY[i]->clear();
        }
    }
    app.UpdatingFields = was;
}

void FormXYinput::ShowFromFirstRow() {
    if (VScroll1->value() != 0)
        VScroll1->setValue(0); // refreshes
    else
        Refresh();
}

void FormXYinput::CellChanged(int row, bool isY) {
    if (appState().UpdatingFields) return;
    const QLineEdit* box = isY ? TxTY[row] : TxtX[row];
    const int s = VScroll1->value() + row;
    const QString text = box->text();
    const double value = text.trimmed().isEmpty() ? -1 : ParseNumber(text.toStdString());
    (isY ? Working.y : Working.x)[s] = value;
}

void FormXYinput::ScrollBy(int rows) {
    VScroll1->setValue(VScroll1->value() + rows);
}

void FormXYinput::MouseWheel(int /*MouseKeys*/, int Rotation, int /*Xpos*/, int /*Ypos*/) {
    if (!VScroll1->isVisible()) return;
    const int span = VScroll1->maximum() - VScroll1->minimum();
    const int d = (span > 0) - (span < 0);
    int value = VScroll1->value();
    if (Rotation < 1) {
        value += d * VScroll1->singleStep();
        value = d == 1 ? std::min(value, VScroll1->maximum()) : std::max(value, VScroll1->maximum());
    } else {
        value -= d * VScroll1->singleStep();
        value = d == 1 ? std::max(value, VScroll1->minimum()) : std::min(value, VScroll1->minimum());
    }
    VScroll1->setValue(value);
}

bool FormXYinput::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) WheelHook(this);
    return QDialog::event(event);
}

void FormXYinput::done(int result) {
    if (WheelTarget() == this) WheelUnhook();
    QDialog::done(result);
}

bool FormXYinput::ButtonMouse(int i, QEvent* event) {
    const bool mouse = event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::MouseButtonRelease ||
                       event->type() == QEvent::MouseButtonDblClick;
    if (!mouse) return false;
    const auto* me = static_cast<QMouseEvent*>(event);
    // The release belongs to the button pressed wherever it happens: over its face or caption or not.
    const QPoint at = mapFromGlobal(me->globalPosition().toPoint());
    const bool over = ButtonFace(i)->geometry().contains(at) || ButtonCaption(i)->geometry().contains(at);
    switch (buttonClicks_.OnMouse(i, event, over)) {
    case PushButtonClicks::Step::None:
    case PushButtonClicks::Step::Ignored:
        return false;
    case PushButtonClicks::Step::Pressed:
        ShowButtonPressed(i, true);
        return true;
    case PushButtonClicks::Step::Released:
        ShowButtonPressed(i, false);
        return true;
    case PushButtonClicks::Step::Clicked:
        break;
    }
    ShowButtonPressed(i, false);
    switch (i) {
    case 0:
        Aceptar();
        break;
    case 1:
        Cancelar();
        break;
    case 2:
        Borrar();
        break;
    case 3:
        Abrir();
        break;
    case 4:
        Guardar();
        break;
    case 5:
        Cortar();
        break;
    case 6:
        Copiar();
        break;
    case 7:
        Pegar();
        break;
    case kComponentsButton:
        Componentes();
        break;
    }
    return true;
}

bool FormXYinput::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i <= kComponentsButton; ++i)
        if (watched == ButtonFace(i) || watched == ButtonCaption(i)) return ButtonMouse(i, event);
    for (int i = 0; i < kRows; ++i) {
        const bool isX = watched == TxtX[i];
        if (!isX && watched != TxTY[i]) continue;
        if (event->type() == QEvent::KeyPress) return CellKey(i, !isX, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusIn) {
            // After a mouse press has placed the caret, so that the whole text stays selected.
            auto* box = static_cast<QLineEdit*>(watched);
            box->selectAll();
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
                QTimer::singleShot(0, box, [box, text = box->text()] {
                    if (box->hasFocus() && box->text() == text) box->selectAll();
                });
            }
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zorvek
