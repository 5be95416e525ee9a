#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

QString& root() {
    static QString value;
    return value;
}

bool isPortable(const QString& exeDir) {
    const QFileInfo folder(exeDir);
    return folder.isWritable() && QFileInfo(exeDir + "/Word").isDir();
}

// Copies every file of the shipped tree that the user does not have yet.
void fillFrom(const QString& shipped, const QString& target) {
    QDirIterator files(shipped, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString destination = target + source.mid(shipped.size());
        if (QFileInfo::exists(destination)) continue;
        QDir().mkpath(QFileInfo(destination).path());
        QFile::copy(source, destination);
    }
}

}  // namespace

QString AppDir() { return root(); }

QString WindowsDir() { return root() + "/system/"; }

void setRoot(const QString& path) {
    root() = QDir(path).absolutePath();
    QDir dir(root());
    for (const char* sub : {"system", "User", "Word", "Dialogue"}) dir.mkpath(sub);
}

QString chooseRoot(const QString& exeDir) {
    if (isPortable(exeDir)) return exeDir;
    const QString userRoot =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tawen";
    const QString shipped = QDir::cleanPath(exeDir + "/../share/tawen");
    if (QFileInfo(shipped).isDir()) fillFrom(shipped, userRoot);
    return userRoot;
}

}  // namespace platform
