// The editor's "Components..." button: the components dialog over the editor, whose points enter the
// working table as typed points do, so that only OK hands them to the main window.
#include <algorithm>

#include "formcomponents.h"
#include "formxyinput.h"

namespace zorvek {

void FormXYinput::Componentes() {
    FormComponents::Choice choice;
    if (ChooseComponents(this, NameA, NameB, choice))
        PutGeneratedTable(choice.points, choice.nameA, choice.nameB);
}

void FormXYinput::PutGeneratedTable(const std::vector<thermo::XyPoint>& points, const QString& nameA,
                                    const QString& nameB) {
    Working.x.fill(-1);
    Working.y.fill(-1);
    // Slot 98 is the last one the grid shows; the dialog makes at most 99 points.
    const size_t count = std::min(points.size(), static_cast<size_t>(kTableSlots - 1));
    for (size_t i = 0; i < count; ++i) {
        Working.x[i] = points[i].x;
        Working.y[i] = points[i].y;
    }
    NameA = nameA;
    NameB = nameB;
    ShowFromFirstRow();
}

} // namespace zorvek
