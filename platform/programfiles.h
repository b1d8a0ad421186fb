// Where the program's own files are found at run time: beside the executable (the build tree, or a
// folder copied whole), or in an installed tree, <prefix>/bin with <prefix>/share/zorvek beside it.
#pragma once
#include <QIcon>
#include <QString>

namespace zorvek {

// <exeFolder>/../share/zorvek, cleaned: the data files of an installed tree, which the build mirrors
// in build/share/zorvek beside build/app.
QString DataFolder(const QString& exeFolder);
// The data folder of this executable.
QString DataFolder();

// An installed tree: the executable sits in a folder named "bin" and its data folder exists. The build
// tree (executables in "app") never counts as installed, whatever its data folder holds.
bool InstalledLayout(const QString& exeFolder);

// A file of the program (a manual, the marker file) by name: beside the executable when it is there,
// else in the data folder when it is there; when in neither, where it belongs: the data folder of an
// installed tree, beside the executable otherwise.
QString ProgramFile(const QString& name, const QString& exeFolder);

// The report viewer: markview beside the executable, else <exeFolder>/../libexec/zorvek/markview when
// that exists, else the path beside the executable.
QString ViewerProgram(const QString& exeFolder);

// The folder of the temporary report files: "temp" under exeFolder when that is writable and not the
// bin folder of an installed tree (never write into a system's bin), else "temp" under cacheFolder.
// Not created here.
QString TempFolderFor(const QString& exeFolder, const QString& cacheFolder);

// The program's icon at every size, from the PNGs built into the executable (":/icons/zorvek-N.png");
// an empty icon in a program without them.
QIcon ProgramIcon();

} // namespace zorvek
