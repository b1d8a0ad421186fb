// The main window on the start-up case with message boxes and file dialogs answered by the test, a
// scratch folder, and helpers for the Edit menu and the diagram's view.
#pragma once
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>

#include "casefile.h"
#include "casehistory.h"
#include "drag_fixture.h"
#include "seams.h"

// Texts in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

class DesktopTest : public DragTest {
  protected:
    void SetUp() override {
        zorvek::seams().messageBox = [this](QWidget*, const zorvek::MessageRequest& r) {
            messages.push_back(r);
            if (answers.empty()) return zorvek::MsgAnswer::Ok;
            const zorvek::MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        };
        zorvek::seams().fileDialog = [this](QWidget*, const zorvek::FileDialogRequest& r) {
            dialogs.push_back(r);
            if (paths.empty()) return QString();
            const QString p = paths.front();
            paths.pop_front();
            return p;
        };
        zorvek::appState().PATH_FILE.clear();
        DragTest::SetUp();
        form->RecentCases.clear();
    }
    void TearDown() override {
        DragTest::TearDown();
        zorvek::installRealSeams();
    }
    QString Path(const QString& name) const { return dir.path() + "/" + name; }
    // Writes a case file: the start-up case with the names, alpha 2.5 and the given xD and q.
    QString WriteCase(const QString& name, const std::string& xD, const std::string& q = "0.5") const {
        using zorvek::CaseField;
        zorvek::CaseFieldTexts fields;
        const std::pair<CaseField, std::string> texts[] = {
            {CaseField::A, "benceno"}, {CaseField::B, "tolueno"}, {CaseField::ALPHA, "2.5"},
            {CaseField::Q, q},         {CaseField::ZF, "0.46"},   {CaseField::XB, "0.17"},
            {CaseField::XD, xD},       {CaseField::R, "3"},       {CaseField::E, "1"}};
        for (const auto& [field, text] : texts) zorvek::FieldText(fields, field) = text;
        const QString path = Path(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            zorvek::CaseFileText(fields, zorvek::CaseModel::Alpha, zorvek::EquilibriumTable()).c_str());
        return path;
    }
    QString UndoText() const { return form->mnu_Edicion_UNDO->text(); }
    QString RedoText() const { return form->mnu_Edicion_REDO->text(); }
    int Steps() const { return form->History->Stack().count(); }
    // Runs steps on the modal window that the action opens, once it is up; steps must close it.
    static void WithModal(const std::function<void(QWidget*)>& steps, const std::function<void()>& action) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            ran = true;
            steps(modal);
            if (modal->isVisible()) modal->close();
        });
        action();
        EXPECT_TRUE(ran);
    }

    std::vector<zorvek::MessageRequest> messages;
    std::deque<zorvek::MsgAnswer> answers;
    std::vector<zorvek::FileDialogRequest> dialogs;
    std::deque<QString> paths;
    QTemporaryDir dir;
};
