// Test support: an isolated settings store, recorded message boxes and shell opens.
#pragma once
#include "seams.h"

#include <QString>
#include <QUrl>
#include <vector>

namespace zorvek::test {

// The folder that holds this run's settings store (set up by the test main).
QString SettingsFolder();
// Removes every stored setting.
void ClearSettings();

// Replaces the seams for one test: message boxes are recorded and answered OK, shell opens are
// recorded and answered with openResult. The real seams come back at destruction.
class RecordingSeams {
  public:
    explicit RecordingSeams(bool openResult = true);
    ~RecordingSeams();
    RecordingSeams(const RecordingSeams&) = delete;
    RecordingSeams& operator=(const RecordingSeams&) = delete;

    bool openResult;
    std::vector<MessageRequest> messages;
    std::vector<QUrl> opened;
};

} // namespace zorvek::test
