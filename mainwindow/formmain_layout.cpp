// FormMain layout: the fixed arrangement of the panel's groups (ColocarControles) and the window's
// regions from its size (Form_Resize): fixed panel on the left, the diagram takes the rest.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "diagramview.h"
#include "formmain.h"

namespace zorvek {

namespace {

constexpr int kPanelWidth = 508;
constexpr int kPanelHeight = 489;
constexpr int kGroupWidth = 167;
constexpr int kRightColumn = 337;
constexpr int kTrackStart = 12; // track ends inside a group frame
constexpr int kTrackEnd = 155;

} // namespace

void FormMain::ColocarControles() {
    Picture2->resize(kPanelWidth, kPanelHeight);
    // Each frame hangs below the one above it, sharing its border line.
    auto below = [this](int above) { return Shape1[above]->y() + Shape1[above]->height() - 1; };
    Shape1[7]->setGeometry(4, 4, 500, 31);
    Shape1[0]->setGeometry(4, below(7), 500, 34);
    const int columns = below(0);
    struct Group {
        int frame, height;
    };
    const Group left[] = {{8, 78}, {2, 93}, {1, 90}, {12, 80}, {11, 81}};
    const Group right[] = {{4, 85}, {3, 85}, {9, 82}, {6, 85}, {5, 85}};
    for (const auto& [groups, x] : {std::pair{left, 4}, std::pair{right, kRightColumn}}) {
        int top = columns;
        for (int n = 0; n < 5; ++n) {
            Shape1[groups[n].frame]->setGeometry(x, top, kGroupWidth, groups[n].height);
            top += groups[n].height - 1;
        }
    }

    // Names and model bands.
    const QRect names = Shape1[7]->geometry();
    Label1[27]->setGeometry(names.x() + 6, names.y() + 8, 150, 16);
    Text16->setGeometry(names.x() + 156, names.y() + 5, 88, 20);
    Label1[28]->setGeometry(names.x() + 254, names.y() + 8, 150, 16);
    Text17->setGeometry(names.x() + 404, names.y() + 5, 92, 20);
    const QRect model = Shape1[0]->geometry();
    Label1[29]->setGeometry(model.x() + 6, model.y() + 9, 152, 16);
    OptVOL->setGeometry(model.x() + 162, model.y() + 7, 160, 20);
    OptTAB->setGeometry(model.x() + 330, model.y() + 7, 160, 20);

    // A group: caption at the top, optional short label and field, optional slider track below.
    auto group = [this](int frame, int caption, int captionHeight, int shortLabel, QLineEdit* field,
                        int fieldTop, int fieldLeft, int track, int trackTop) {
        const QRect g = Shape1[frame]->geometry();
        Label1[caption]->setGeometry(g.x() + 6, g.y() + 4, g.width() - 10, captionHeight);
        if (shortLabel >= 0)
            Label1[shortLabel]->setGeometry(g.x() + 8, g.y() + fieldTop + 3, fieldLeft - 10, 16);
        field->setGeometry(g.x() + fieldLeft, g.y() + fieldTop, 84, 20);
        if (track >= 0) {
            TrackX1[track] = g.x() + kTrackStart;
            TrackX2[track] = g.x() + kTrackEnd;
            TrackY[track] = g.y() + trackTop;
            Line1[track]->setGeometry(TrackX1[track], TrackY[track], TrackX2[track] - TrackX1[track] + 1, 1);
            Image2[track]->move(Image2[track]->x(), TrackY[track] + 1);
        }
    };
    group(8, 0, 16, 12, Text1, 24, 62, 0, 58);
    Label1[30]->setGeometry(Shape1[8]->x() + 6, Shape1[8]->y() + 4, kGroupWidth - 10, 16);
    group(2, 1, 16, -1, Text2, 24, 8, 1, 74);
    Text2->resize(58, 20);
    Label1[15]->setGeometry(Shape1[2]->x() + 70, Shape1[2]->y() + 21, 94, 46);
    group(1, 2, 16, 6, Text3, 24, 62, 2, 62);
    group(12, 17, 30, 11, Text13, 40, 62, -1, 0);
    group(11, 13, 30, 24, Text14, 40, 62, -1, 0);
    group(4, 5, 16, 9, Text6, 24, 62, 4, 60);
    group(3, 3, 16, 7, Text4, 24, 62, 3, 60);
    group(9, 19, 16, 10, Text7, 24, 62, -1, 0);
    group(6, 14, 16, 16, Text15, 24, 62, 5, 60);
    group(5, 4, 16, 8, Text5, 24, 62, 6, 60);

    PlaceResultFields();

    RestLeft[3] = 14;
    RestTop[3] = 98;
    ShowButtonPressed(3, false);
}

void FormMain::PlaceResultFields() {
    // The result equations stack in the middle column, below the column sketch, each under its caption
    // at the height the caption takes in the current language.
    const int left = 4 + kGroupWidth + 4;
    const int width = kRightColumn - left - 4;
    int top = 234;
    const std::pair<int, int> results[] = {{20, 8}, {21, 9}, {22, 10}, {23, 11}, {25, 12}};
    for (const auto& [caption, field] : results) {
        const int height = Label1[caption]->heightForWidth(width);
        Label1[caption]->setGeometry(left, top, width, height);
        top += height + 1;
        TextFields[field]->setGeometry(left, top, width, 20);
        top += 25;
    }
}

void FormMain::ShowButtonPressed(int i, bool pressed) {
    const int shift = pressed ? 1 : 0;
    Image1[i]->move(RestLeft[i] + shift, RestTop[i] + shift);
    LabelB[i]->setGeometry(RestLeft[i] + shift, RestTop[i] + 6 + shift, Image1[i]->width(),
                           Image1[i]->height() - 6);
    LabelB[i]->raise();
}

void FormMain::Form_Resize() {
    if (isMinimized() || layoutRunning_) return;
    layoutRunning_ = true;
    // The smallest window is 800 x 600 on the screen, frame and title bar included.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(0, 0);
    const QSize smallest = QSize(800, 600) - frame.expandedTo(QSize(0, 0));
    if (minimumSize() != smallest) setMinimumSize(smallest);
    const QSize client = centralWidget()->size();
    const int shapeWidth = Picture2->width() + 8;
    const int shapeHeight = std::max(client.height() - 10, Picture2->height() + 50);
    Shape2->setGeometry(5, 5, shapeWidth, shapeHeight);
    Picture2->move(Shape2->x() + 2, Shape2->y() + 4);
    Picture1->setGeometry(Shape2->x() + shapeWidth - 1, Shape2->y(),
                          std::max(client.width() - shapeWidth - 15, 60), shapeHeight);
    LblERROR->setGeometry(3, 3, Picture1->width() - 4, LblERROR->sizeHint().height());
    // The button row stays centred between the panel's bottom and the frame's bottom.
    const double middle = (Picture2->y() + Picture2->height() + Shape2->y() + Shape2->height()) / 2.0 - 20;
    for (int i = 0; i < 3; ++i) {
        RestTop[i] = static_cast<int>(std::nearbyint(middle));
        ShowButtonPressed(i, false);
    }
    Calcular();
    layoutRunning_ = false;
}

} // namespace zorvek
