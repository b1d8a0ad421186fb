// Table text: block finding, row reading, file and clipboard forms, and the acceptance check.
#include <gtest/gtest.h>

#include "messages.h"
#include "tabletext.h"

using namespace zorvek;

namespace {

EquilibriumTable Working(std::initializer_list<std::pair<double, double>> points) {
    EquilibriumTable t;
    int i = 0;
    for (auto [x, y] : points) {
        t.x[i] = x;
        t.y[i] = y;
        ++i;
    }
    return t;
}

} // namespace

TEST(TableText, ReadsRowsWithAnySeparatorRun) {
    const auto rows =
        ReadTableRows("\r\n\r\n0,25 0,4\r\n.3\t\t.5\r\n\r\n\r\n 0.6  0.7 \r\n0.8       0.9\r\n\r\n", false);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].x, 0.25);
    EXPECT_EQ(rows[0].y, 0.4);
    EXPECT_EQ(rows[1].x, 0.3);
    EXPECT_EQ(rows[1].y, 0.5);
    EXPECT_EQ(rows[2].x, 0); // a row that begins with a blank is split there
    EXPECT_EQ(rows[2].y, 0.6);
    EXPECT_EQ(rows[3].x, 0.8);
    EXPECT_EQ(rows[3].y, 0.9);
}

TEST(TableText, SingleNumberRows) {
    EXPECT_TRUE(ReadTableRows("0.5\r\n0.7\r\n", true).empty());
    const auto file = ReadTableRows("0.5\r\n0.1 0.2", false);
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0].x, 0.5);
    EXPECT_EQ(file[0].y, 0);
    const auto paste = ReadTableRows("0.5\r\n0.1 0.2", true);
    ASSERT_EQ(paste.size(), 1u);
    EXPECT_EQ(paste[0].x, 0.1);
}

TEST(TableText, KeepsTheFirstHundredRows) {
    std::string text;
    for (int i = 0; i < 150; ++i) text += std::to_string(i) + "\t1\r\n";
    const auto rows = ReadTableRows(text, false);
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(rows[99].x, 99);
}

TEST(TableText, FindsBlockAndTags) {
    EXPECT_EQ(FindTableBlock("<A=x>\r\n[[\r\n1 2\r\n]]\r\n").value(), "\r\n1 2\r\n");
    EXPECT_EQ(FindTableBlock("[[]]").value(), "");
    EXPECT_FALSE(FindTableBlock("[[ 1 2"));
    EXPECT_FALSE(FindTableBlock("]] [["));
    EXPECT_FALSE(FindTableBlock("[]]"));
    EXPECT_EQ(FindTagValue("<A= Benzene >\r\n<B=Toluene>", "<A=").value(), " Benzene ");
    EXPECT_EQ(FindTagValue("<B=Toluene>", "<B=").value(), "Toluene");
    EXPECT_FALSE(FindTagValue("<A=open", "<A="));
    EXPECT_FALSE(FindTagValue("nothing", "<A="));
}

TEST(TableText, FileTextAndReadBack) {
    EquilibriumTable t = Working({{0, 0}, {0.5, 2.0 / 3}, {1, 1}});
    const std::string file = TableFileText("A", "B", t);
    EXPECT_TRUE(
        file.starts_with("<A=A>\r\n<B=B>\r\n[[\r\n0\t0\r\n.5\t.666666666666667\r\n1\t1\r\n-1\t-1\r\n"));
    EXPECT_TRUE(file.ends_with("-1\t-1\r\n]]\r\n"));
    size_t lines = 0;
    for (size_t p = 0; (p = file.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
    EXPECT_EQ(lines, 104u);
    const auto rows = ReadTableRows(FindTableBlock(file).value(), false);
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_NEAR(rows[1].y, 2.0 / 3, 1e-15);
    EXPECT_EQ(rows[99].x, -1);
    EXPECT_EQ(ClipboardTableText(t), "0\t0\r\n0.5\t0.666666666666667\r\n1\t1\r\n");
    EXPECT_EQ(ClipboardTableText(EquilibriumTable{}), "");
}

TEST(AcceptTable, CompletesWithEndPoints) {
    const TableAcceptance a = AcceptTable(Working({{0.1, 0.3}, {0.5, 0.8}}), "ENG");
    ASSERT_EQ(a.status, AcceptanceStatus::Accepted);
    EXPECT_EQ(a.table.LastPointIndex, 3);
    const double xs[] = {0, 0.1, 0.5, 1}, ys[] = {0, 0.3, 0.8, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a.table.x[i], xs[i]);
        EXPECT_EQ(a.table.y[i], ys[i]);
    }
    EXPECT_EQ(a.table.x[4], -1);
}

TEST(AcceptTable, EndsAtTheFirstPureComponentPoint) {
    EquilibriumTable w = Working({{0, 0}, {0.4, 0.6}, {1, 1}, {0.2, 0.3}});
    const TableAcceptance a = AcceptTable(w, "ENG");
    ASSERT_EQ(a.status, AcceptanceStatus::Accepted);
    EXPECT_EQ(a.table.LastPointIndex, 2);
    EXPECT_EQ(a.table.x[3], -1);
    EXPECT_EQ(a.table.y[3], 0.3); // only x of the dropped rows is cleared
}

TEST(AcceptTable, RejectionsInBothLanguages) {
    const struct {
        EquilibriumTable working;
        const char* english;
        const char* spanish;
    } cases[] = {
        {Working({{0, 0.2}, {0.5, 0.7}}), "ERROR: Invalid data",
         "ERROR: Valores incompatibles para disolución pura de un componente"},
        {Working({{1.2, 0.9}}), "ERROR: Data out of range [0, 1]", "ERROR: Datos fuera del rango [0, 1]"},
        {Working({{0.3, 0.4}, {0.3, 0.5}}), "ERROR: Invalid data", "ERROR: Los valores no son consecutivos"},
        {Working({{0.3, 0.5}, {0.4, 0.5}}), "ERROR: Invalid data", "ERROR: Los valores no son consecutivos"},
        {Working({{0.2, -1}}), "ERROR: Data out of range [0, 1]", "ERROR: Datos fuera del rango [0, 1]"},
        {Working({{0, 0}, {1, 1}}), "ERROR: The table needs at least one point between (0, 0) and (1, 1)",
         "ERROR: La tabla necesita al menos un punto entre (0, 0) y (1, 1)"},
        {Working({{1, 1}}), "ERROR: The table needs at least one point between (0, 0) and (1, 1)",
         "ERROR: La tabla necesita al menos un punto entre (0, 0) y (1, 1)"},
        // Passes the checks, but its volatility cannot be interpolated into the dense tables.
        {Working({{1e-310, 0.5}}),
         "ERROR: The table gives relative volatilities that cannot be computed; check its points",
         "ERROR: La tabla da volatilidades relativas fuera de cálculo; revise sus puntos"},
    };
    for (const auto& c : cases) {
        const TableAcceptance en = AcceptTable(c.working, "ENG");
        EXPECT_EQ(en.status, AcceptanceStatus::Rejected);
        EXPECT_EQ(en.message, c.english);
        EXPECT_EQ(AcceptTable(c.working, "ESP").message, c.spanish);
        EXPECT_EQ(en.table.LastPointIndex, -1);
    }
}

TEST(AcceptTable, NoRoomForTheEndPoints) {
    const struct {
        int points;    // interior points from slot `first`
        bool withZero; // (0, 0) already in slot 0
        AcceptanceStatus status;
    } cases[] = {
        {98, false, AcceptanceStatus::Accepted},
        {99, false, AcceptanceStatus::Rejected},
        {98, true, AcceptanceStatus::Accepted},
        {100, false, AcceptanceStatus::NoTable},
    };
    for (const auto& c : cases) {
        EquilibriumTable w;
        int slot = 0;
        if (c.withZero) {
            w.x[0] = w.y[0] = 0;
            slot = 1;
        }
        for (int i = 0; i < c.points && slot < kTableSlots; ++i, ++slot) {
            w.x[slot] = (i + 1) / 200.0;
            w.y[slot] = (i + 1) / 150.0;
        }
        const TableAcceptance a = AcceptTable(w, "ENG");
        EXPECT_EQ(a.status, c.status) << c.points << " " << c.withZero;
        if (c.status == AcceptanceStatus::Rejected) {
            EXPECT_EQ(a.message, "ERROR: No room left in the table to add the points (0, 0) and (1, 1)");
            EXPECT_EQ(AcceptTable(w, "ESP").message,
                      "ERROR: No queda espacio en la tabla para añadir los puntos (0, 0) y (1, 1)");
        }
        if (c.status == AcceptanceStatus::Accepted) {
            EXPECT_EQ(a.table.LastPointIndex, 99);
        }
    }
}

TEST(AcceptTable, NothingToAccept) {
    EXPECT_EQ(AcceptTable(EquilibriumTable{}, "ENG").status, AcceptanceStatus::NoTable);
}
