// ReajustarCursores: the seven cursors follow the fields' texts; the thermal-state caption names q.
#include "formmain_fixture.h"
#include "numtext.h"

using zorvek::appState;

TEST_F(FormMainTest, StartUpCursors) {
    EXPECT_NEAR(CursorFraction(5), 1.0, 0.005); // E = 1
    EXPECT_NEAR(CursorFraction(1), 0.5, 0.005); // q = 0.5 in -1.5 .. 2.5
    for (int i : {0, 2, 3, 4, 6}) {
        EXPECT_GT(CursorFraction(i), 0.0) << i;
        EXPECT_LT(CursorFraction(i), 1.0) << i;
    }
    EXPECT_EQ(form->Label1[15]->text(), "Vapor-liquid mixture");
}

TEST_F(FormMainTest, ThermalStateCaptionAndQCursor) {
    const std::tuple<const char*, const char*, double> cases[] = {
        {"1", "Saturated liquid at its bubble point", 0.625},
        {"0.999", "Vapor-liquid mixture", (0.999 + 1.5) / 4},
        {"-0.2", "Superheated vapor", 1.3 / 4},
        {"0", "Saturated vapor at its dew point", 0.375},
        {"2.5", "Subcooled liquid", 1.0},
        {"3", "Subcooled liquid", 1.0},
        {"-7", "Superheated vapor", 0.0},
    };
    for (const auto& [q, caption, fraction] : cases) {
        Type(form->Text2, q);
        EXPECT_EQ(form->Label1[15]->text(), caption) << q;
        EXPECT_NEAR(CursorFraction(1), fraction, 0.005) << q;
    }
    appState().UiLanguage = "ESP";
    EXPECT_EQ(zorvek::ThermalStateCaption(0.5), QString::fromUtf8("Mezcla líquido-vapor"));
    appState().UiLanguage = "XXX";
    EXPECT_TRUE(zorvek::ThermalStateCaption(0.5).isEmpty());
}

TEST_F(FormMainTest, LargerDistillateMovesTheFeedCursorLeft) {
    const int feed = form->Image2[2]->x();
    Type(form->Text4, "0.95");
    EXPECT_LT(form->Image2[2]->x(), feed);
    EXPECT_EQ(form->Text3->text(), "0.46");
}

TEST_F(FormMainTest, EdgeValuesPutCursorsAtTrackEnds) {
    const std::tuple<QLineEdit * zorvek::FormMain::*, const char*, int, double> cases[] = {
        {&zorvek::FormMain::Text1, "1", 0, 0.0},
        {&zorvek::FormMain::Text1, "", 0, 0.0},
        {&zorvek::FormMain::Text1, "20", 0, 1.0},
        {&zorvek::FormMain::Text15, "0", 5, 1.0},
        {&zorvek::FormMain::Text15, "0.01", 5, 0.0},
        {&zorvek::FormMain::Text4, "", 3, (0.81 - 0.461) / (0.999 - 0.461)},
    };
    for (const auto& [field, text, slider, fraction] : cases) {
        Type(form.get()->*field, text);
        EXPECT_NEAR(CursorFraction(slider), fraction, 0.005) << text << " slider " << slider;
        Type(form.get()->*field, "0.5"); // back to something inside
    }
}

TEST_F(FormMainTest, RefluxCursorIsScaledByRmin) {
    const double rmin = zorvek::ParseNumber(form->Text7->text().toStdString());
    const std::pair<double, double> cases[] = {{1.0, 0.0}, {40.0, 1.0}, {std::pow(6.001, 1.5), 0.5}};
    for (const auto& [ratio, fraction] : cases) {
        Type(form->Text6, QString::number(ratio * rmin, 'g', 12));
        EXPECT_NEAR(CursorFraction(4), fraction, 0.005) << ratio;
    }
    Type(form->Text6, "-3"); // no real power: the cursor stays on its track
    EXPECT_GE(CursorFraction(4), 0.0);
}
