// A shown FormXYinput on the default table, with message boxes and file dialogs captured.
#pragma once
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "formxyinput.h"
#include "seams.h"

namespace zorvek {

class EditorTest : public ::testing::Test {
  protected:
    std::unique_ptr<FormXYinput> editor;
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> dialogs;
    QString dialogAnswer; // path the file dialog returns ("" = cancel)
    QTemporaryDir dir;

    void SetUp() override {
        appState().UiLanguage = "ENG";
        appState().DecimalSymbol = ".";
        appState().PATH_TABLA.clear();
        appState().UpdatingFields = false;
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages.push_back(r);
            return MsgAnswer::Ok;
        };
        seams().fileDialog = [this](QWidget*, const FileDialogRequest& r) {
            dialogs.push_back(r);
            return dialogAnswer;
        };
        Open(DefaultEquilibriumTable(), "Metanol", "Agua");
    }
    void TearDown() override {
        editor.reset();
        installRealSeams();
    }
    void Open(const EquilibriumTable& storage, const QString& a, const QString& b) {
        editor.reset();
        editor = std::make_unique<FormXYinput>();
        editor->Load(storage, a, b);
        editor->show();
    }
    // Sets a working table from points and shows it.
    void SetPoints(std::initializer_list<std::pair<double, double>> points) {
        editor->Working = EquilibriumTable();
        int i = 0;
        for (auto [x, y] : points) editor->Working.x[i] = x, editor->Working.y[i++] = y;
        editor->Refresh();
    }
    void Focus(QLineEdit* box) {
        editor->activateWindow();
        box->setFocus();
        QApplication::processEvents();
    }
    QString Path(const QString& name) const { return dir.path() + "/" + name; }
};

} // namespace zorvek
