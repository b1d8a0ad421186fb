#include "shelltestsupport.h"

#include <QSettings>

namespace zorvek::test {

QString SettingsFolder() {
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

void ClearSettings() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "ZORVEK", "ZORVEK");
    store.clear();
    store.sync();
}

RecordingSeams::RecordingSeams(bool openResult) : openResult(openResult) {
    seams().messageBox = [this](QWidget*, const MessageRequest& request) {
        messages.push_back(request);
        return MsgAnswer::Ok;
    };
    seams().openUrl = [this](const QUrl& url) {
        opened.push_back(url);
        return this->openResult;
    };
}

RecordingSeams::~RecordingSeams() {
    installRealSeams();
}

} // namespace zorvek::test
