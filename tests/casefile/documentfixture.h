// A shown FormMain with scripted answers for message boxes and file dialogs, and a scratch folder.
#pragma once
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "formmain.h"
#include "seams.h"

namespace zorvek {

class DocumentTest : public ::testing::Test {
  protected:
    std::unique_ptr<FormMain> form;
    std::vector<MessageRequest> messages;
    std::deque<MsgAnswer> answers; // answers of the next message boxes (Ok when none)
    std::vector<FileDialogRequest> dialogs;
    std::deque<QString> paths; // paths the next file dialogs return ("" = cancel; cancel when none)
    QTemporaryDir dir;

    void SetUp() override {
        appState().UiLanguage = "ENG";
        appState().DecimalSymbol = ".";
        appState().UpdatingFields = false;
        appState().PATH_FILE.clear();
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages.push_back(r);
            if (answers.empty()) return MsgAnswer::Ok;
            const MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        };
        seams().fileDialog = [this](QWidget*, const FileDialogRequest& r) {
            dialogs.push_back(r);
            if (paths.empty()) return QString();
            const QString p = paths.front();
            paths.pop_front();
            return p;
        };
        form = std::make_unique<FormMain>();
        form->resize(1000, 700);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->Modified = false;
    }
    void TearDown() override {
        form->Modified = false;
        form.reset();
        installRealSeams();
    }
    QString Path(const QString& name) const { return dir.path() + "/" + name; }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A case file text with the start-up fields around a table block.
    static QByteArray CaseWithBlock(const QByteArray& model, const QByteArray& block) {
        return "<A=Metanol>\r\n<B=Agua>\r\n<ALPHA=2>\r\n<Q=0.5>\r\n<ZF=0.46>\r\n<XB=0.17>\r\n<XD=0.85>\r\n<R="
               "3>\r\n"
               "<E=1.0>\r\n" +
               model + "[[\r\n" + block + "]]\r\n";
    }
};

} // namespace zorvek
