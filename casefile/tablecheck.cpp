#include "tablecheck.h"

#include "messages.h"

namespace zorvek {

namespace {

TableCheck Fail(std::string message) {
    TableCheck check;
    check.message = std::move(message);
    return check;
}

} // namespace

TableCheck CheckAndCompleteTable(const EquilibriumTable& table, int last, std::string_view uiLanguage) {
    TableCheck check;
    check.table = table;
    check.table.LastPointIndex = -1;
    if (last < 0) {
        check.ok = true;
        return check;
    }
    if (last >= kTableSlots) last = kTableSlots - 1;
    const auto& x = table.x;
    const auto& y = table.y;
    for (int i = 0; i <= last; ++i) {
        if (!(x[i] >= 0 && x[i] <= 1 && y[i] >= 0 && y[i] <= 1))
            return Fail(Message(MessageId::TableOutOfRange, uiLanguage));
        if (i < last && !(x[i] < x[i + 1] && y[i] < y[i + 1]))
            return Fail(Message(MessageId::TableNotIncreasing, uiLanguage));
        if ((x[i] == 0) != (y[i] == 0) || (x[i] == 1) != (y[i] == 1))
            return Fail(Message(MessageId::TablePureComponent, uiLanguage));
    }
    const int needed = last + 1 + (x[last] != 1 ? 1 : 0) + (x[0] != 0 ? 1 : 0);
    if (needed > kTableSlots) return Fail(Message(MessageId::TableNoRoomForEnds, uiLanguage));

    auto& out = check.table;
    int lastOut = last;
    if (out.x[lastOut] != 1) {
        ++lastOut;
        out.x[lastOut] = 1;
        out.y[lastOut] = 1;
    }
    if (out.x[0] != 0) {
        for (int i = lastOut; i >= 0; --i) {
            out.x[i + 1] = out.x[i];
            out.y[i + 1] = out.y[i];
        }
        ++lastOut;
        out.x[0] = 0;
        out.y[0] = 0;
    }
    out.LastPointIndex = lastOut;
    check.ok = true;
    return check;
}

} // namespace zorvek
