// FormMain slider cursors: ReajustarCursores places the seven cursors from the fields' texts and
// names the feed's thermal state; it is the one place a field change marks the case modified.
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "appstate.h"
#include "formmain.h"
#include "numtext.h"
#include "reportfields.h"

namespace zorvek {

namespace {

double Read(const QLineEdit* field) {
    return ParseNumber(field->text().toStdString());
}

// Left edge of a cursor whose centre marks the fraction of its track; a range of no width or an
// undefined fraction leaves the cursor at the track's left end.
int CursorLeft(double fraction, int x1, int x2, int cursorWidth) {
    double p = x1 + fraction * (x2 - x1);
    if (!std::isfinite(p)) p = x1;
    if (p < x1) p = x1;
    if (p > x2) p = x2;
    return static_cast<int>(std::lround(p - cursorWidth / 2.0));
}

} // namespace

QString ThermalStateCaption(double q) {
    return QString::fromStdString(FeedStateCaption(q, appState().LanguageStd()));
}

void FormMain::ReajustarCursores() {
    Modified = true;
    const double zF = Read(Text3);
    double xD = Read(Text4);
    double xB = Read(Text5);
    const double q = Read(Text2);
    double alpha = Read(Text1);
    double E = Read(Text15);
    if (!(xD > 0 && xD < 1)) xD = 0.81;
    if (!(xB > 0 && xB < 1)) xB = 0.17;
    if (alpha < 1.01) alpha = 1.01;
    if (E <= 0 || E > 1) E = 1;

    auto place = [this](int i, double v, double lo, double hi) {
        const double fraction = (v - lo) / (hi - lo);
        Image2[i]->move(CursorLeft(fraction, TrackX1[i], TrackX2[i], Image2[i]->width()), Image2[i]->y());
    };
    place(3, xD, zF + 0.001, 0.999);
    place(6, xB, 0.001, zF - 0.001);
    place(2, zF, xB + 0.001, xD - 0.001);
    place(0, alpha, 1.01, 20);
    place(5, E, 0.01, 1);

    double rmin = Read(Text7);
    if (!(rmin > 0)) rmin = 1;
    const double R = Read(Text6);
    const double fraction = (std::pow(R / rmin, 2.0 / 3.0) - 1.001) / 10;
    Image2[4]->move(CursorLeft(fraction, TrackX1[4], TrackX2[4], Image2[4]->width()), Image2[4]->y());

    place(1, q, -1.5, 2.5);
    Label1[15]->setText(ThermalStateCaption(q));
}

} // namespace zorvek
