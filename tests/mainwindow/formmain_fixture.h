// A FormMain on the start-up case, English with the decimal point, shown at a given size.
#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "diagramview.h"
#include "formmain.h"

class FormMainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zorvek::appState().UiLanguage = "ENG";
        zorvek::appState().DecimalSymbol = ".";
        zorvek::appState().UpdatingFields = false;
        form = std::make_unique<zorvek::FormMain>();
        form->resize(1000, 700);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->Modified = false;
    }
    void TearDown() override {
        form->Modified = false;
        form.reset();
    }

    // Replaces a field's text by typing, as a user does.
    void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    // Centre of a slider cursor as a fraction of its track.
    double CursorFraction(int i) const {
        const QLabel* cursor = form->Image2[i];
        const double centre = cursor->x() + cursor->width() / 2.0;
        return (centre - form->TrackX1[i]) / double(form->TrackX2[i] - form->TrackX1[i]);
    }

    std::unique_ptr<zorvek::FormMain> form;
};
