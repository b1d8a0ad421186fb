// FormMain's recent cases: the last eight cases opened or saved, in the File menu and in the settings
// store (keys "RECENT1" to "RECENT8" beside the program's own). A case that has gone is taken off the
// list with a message.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "desktoptexts.h"
#include "formmain.h"
#include "seams.h"
#include "settings.h"

namespace zorvek {

namespace {

QString RecentKey(int n) {
    return QString("RECENT%1").arg(n + 1);
}

void StoreRecentCases(const QStringList& cases) {
    for (int n = 0; n < FormMain::kRecentCases; ++n)
        WriteSetting(RecentKey(n), n < cases.size() ? cases[n] : "");
}

} // namespace

void FormMain::LoadRecentCases() {
    RecentCases.clear();
    for (int n = 0; n < kRecentCases; ++n) {
        const QString path = ReadSetting(RecentKey(n), "");
        if (!path.isEmpty() && !RecentCases.contains(path)) RecentCases << path;
    }
    RefreshRecentMenu();
}

void FormMain::AddRecentCase(const QString& path) {
    if (!path.isEmpty()) {
        const QString full = QFileInfo(path).absoluteFilePath();
        RecentCases.removeAll(full);
        RecentCases.prepend(full);
        while (RecentCases.size() > kRecentCases) RecentCases.removeLast();
    }
    StoreRecentCases(RecentCases);
    RefreshRecentMenu();
}

void FormMain::RefreshRecentMenu() {
    if (!mnu_Archivo_RECENT) return;
    mnu_Archivo_RECENT->clear();
    for (int n = 0; n < RecentCases.size(); ++n) {
        QAction* entry = mnu_Archivo_RECENT->addAction(
            QString("&%1 %2").arg(n + 1).arg(QFileInfo(RecentCases[n]).fileName()));
        entry->setObjectName(QString("mnu_Archivo_RECENT_%1").arg(n + 1));
        entry->setToolTip(RecentCases[n]);
        connect(entry, &QAction::triggered, this, [this, n] { OpenRecentCase(n); });
    }
    mnu_Archivo_RECENT->addSeparator();
    mnu_Archivo_RECENT->addAction(mnu_Archivo_RECENT_CLEAR);
    mnu_Archivo_RECENT->menuAction()->setEnabled(!RecentCases.isEmpty());
}

void FormMain::OpenRecentCase(int index) {
    if (index < 0 || index >= RecentCases.size()) return;
    const QString path = RecentCases[index];
    if (!QFileInfo(path).isFile()) {
        ShowError(this, desktoptext::RecentCaseMissing(path));
        RecentCases.removeAt(index);
        AddRecentCase(QString());
        return;
    }
    if (!Form_QueryUnload()) return; // the save-changes prompt of the open command
    Abrir(path);
}

} // namespace zorvek
