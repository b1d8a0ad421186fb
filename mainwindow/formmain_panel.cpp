// FormMain: creation of the entry panel's controls (frames, captions, fields, sliders, model choice,
// column sketch) and of the four push buttons.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include "formmain.h"

namespace zorvek {

namespace {

QLineEdit* NewField(QWidget* parent, int number, bool readOnly) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString("Text%1").arg(number));
    field->setReadOnly(readOnly);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, readOnly ? QColor(255, 255, 192) : QColor(Qt::white));
    palette.setColor(QPalette::Text, Qt::black);
    field->setPalette(palette);
    field->resize(field->width(), 20);
    return field;
}

// The slider cursor: a small dark triangle whose tip marks the value.
QPixmap CursorPicture() {
    QPixmap picture(11, 9);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(70, 90, 150));
    painter.drawPolygon(QPolygonF({QPointF(5.5, 0.5), QPointF(10.5, 8.5), QPointF(0.5, 8.5)}));
    return picture;
}

// Sketch of the column with its streams: condenser on top, reboiler below, feed at the side.
QPixmap ColumnSketch() {
    QPixmap picture(150, 160);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("Arial");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    const QPen pen(QColor(60, 60, 60), 1.5);
    p.setPen(pen);
    p.setBrush(QColor(225, 232, 245));
    p.drawRoundedRect(QRectF(55, 28, 34, 104), 8, 8);                              // column
    for (int y = 42; y < 128; y += 12) p.drawLine(QPointF(58, y), QPointF(86, y)); // plates
    p.setBrush(QColor(245, 245, 245));
    p.drawEllipse(QRectF(95, 8, 22, 14));   // condenser
    p.drawEllipse(QRectF(95, 136, 22, 14)); // reboiler
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(72, 28), QPointF(72, 15));
    p.drawLine(QPointF(72, 15), QPointF(95, 15)); // vapour to the condenser
    p.drawLine(QPointF(106, 22), QPointF(106, 34));
    p.drawLine(QPointF(106, 34), QPointF(89, 34));  // reflux L
    p.drawLine(QPointF(117, 15), QPointF(140, 15)); // distillate D
    p.drawLine(QPointF(18, 80), QPointF(55, 80));   // feed F
    p.drawLine(QPointF(72, 132), QPointF(72, 143));
    p.drawLine(QPointF(72, 143), QPointF(95, 143));   // to the reboiler
    p.drawLine(QPointF(117, 143), QPointF(140, 143)); // bottoms B
    p.setPen(QColor(30, 30, 30));
    p.drawText(QPointF(92, 48), "L");
    p.drawText(QPointF(132, 30), "D");
    p.drawText(QPointF(20, 74), "F");
    p.drawText(QPointF(132, 158), "B");
    return picture;
}

} // namespace

void FormMain::CreatePanelControls() {
    for (int k = 0; k < static_cast<int>(Shape1.size()); ++k) {
        if (k == 10) continue; // frames 0..12 without 10: see ColocarControles
        Shape1[k] = new QFrame(Picture2);
        Shape1[k]->setObjectName(QString("Shape1_%1").arg(k));
        Shape1[k]->setFrameShape(QFrame::Box);
        Shape1[k]->setStyleSheet("QFrame { color: rgb(150, 150, 150); }");
    }
    for (int n = 1; n <= 17; ++n) {
        const bool result = n >= 7 && n <= 14;
        TextFields[n] = NewField(Picture2, n, result);
    }
    Text1 = TextFields[1], Text2 = TextFields[2], Text3 = TextFields[3], Text4 = TextFields[4];
    Text5 = TextFields[5], Text6 = TextFields[6], Text7 = TextFields[7], Text8 = TextFields[8];
    Text9 = TextFields[9], Text10 = TextFields[10], Text11 = TextFields[11], Text12 = TextFields[12];
    Text13 = TextFields[13], Text14 = TextFields[14], Text15 = TextFields[15], Text16 = TextFields[16];
    Text17 = TextFields[17];

    // Captions set here are the same in both languages; the others come from AjustaIDIOMA_GUI.
    static const std::pair<int, const char*> fixedTexts[] = {
        {6, "Zf ="}, {7, "Xd ="}, {8, "Xb ="}, {9, "R = L/D ="}, {10, "Rmin ="}, {11, "NF ="}, {16, "E ="}};
    for (int k = 0; k < static_cast<int>(Label1.size()); ++k) {
        if (k == 18 || k == 26 || k == 31 || k == 32) continue; // not used
        Label1[k] = new QLabel(Picture2);
        Label1[k]->setObjectName(QString("Label1_%1").arg(k));
        Label1[k]->setWordWrap(true);
        Label1[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (const auto& [k, text] : fixedTexts) Label1[k]->setText(text);
    for (int k : {0, 1, 2, 3, 4, 5, 13, 14, 17, 19, 27, 28, 29, 30}) {
        QFont bold = Label1[k]->font();
        bold.setBold(true);
        Label1[k]->setFont(bold);
    }
    for (int k : {15, 20, 21, 22, 23, 25}) {
        QFont small = Label1[k]->font();
        small.setPixelSize(10);
        Label1[k]->setFont(small);
        Label1[k]->setStyleSheet("QLabel { color: rgb(50, 50, 110); }");
    }
    Label1[30]->hide(); // the table model's caption, shown with OptTAB

    OptVOL = new QRadioButton(Picture2);
    OptVOL->setObjectName("OptVOL");
    OptTAB = new QRadioButton(Picture2);
    OptTAB->setObjectName("OptTAB");
    OptVOL->setChecked(true);
    OptTAB->installEventFilter(this);
    connect(OptVOL, &QRadioButton::clicked, this, &FormMain::OptVOL_Click);
    connect(OptTAB, &QRadioButton::clicked, this, &FormMain::OptTAB_Click);

    const QPixmap cursor = CursorPicture();
    for (int i = 0; i < 7; ++i) {
        Line1[i] = new QFrame(Picture2);
        Line1[i]->setObjectName(QString("Line1_%1").arg(i));
        Line1[i]->setStyleSheet("QFrame { background: rgb(90, 90, 90); }");
        Image2[i] = new QLabel(Picture2);
        Image2[i]->setObjectName(QString("Image2_%1").arg(i));
        Image2[i]->setPixmap(cursor);
        Image2[i]->resize(cursor.size());
        Image2[i]->setCursor(Qt::SizeHorCursor);
        Image2[i]->installEventFilter(this);
    }

    auto* sketch = new QLabel(Picture2);
    sketch->setObjectName("ColumnSketch");
    sketch->setPixmap(ColumnSketch());
    sketch->setGeometry(179, 72, 150, 160);
}

void FormMain::CreateButtons() {
    QPixmap face(148, 34);
    face.fill(Qt::transparent);
    {
        QPainter p(&face);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient shade(0, 0, 0, 34);
        shade.setColorAt(0, QColor(250, 250, 250));
        shade.setColorAt(1, QColor(205, 210, 220));
        p.setBrush(shade);
        p.setPen(QPen(QColor(120, 125, 140), 1));
        p.drawRoundedRect(QRectF(0.5, 0.5, 147, 33), 5, 5);
    }
    for (int i = 0; i < 4; ++i) {
        QWidget* parent = i == 3 ? Picture2 : centralWidget();
        Image1[i] = new QLabel(parent);
        Image1[i]->setObjectName(QString("Image1_%1").arg(i));
        Image1[i]->setPixmap(face);
        Image1[i]->resize(face.size());
        Image1[i]->installEventFilter(this); // the face presses like the caption
        LabelB[i] = new QLabel(parent);
        LabelB[i]->setObjectName(QString("LabelB_%1").arg(i));
        LabelB[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        LabelB[i]->setAttribute(Qt::WA_TranslucentBackground);
        QFont bold = LabelB[i]->font();
        bold.setBold(true);
        bold.setPixelSize(12);
        LabelB[i]->setFont(bold);
        LabelB[i]->installEventFilter(this);
        ShowButtonPressed(i, false);
    }
    Image1[3]->hide();
    LabelB[3]->hide();
}

} // namespace zorvek
