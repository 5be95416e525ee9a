#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/install_layout.h"

namespace platform {

namespace {

Roots& roots() {
    static Roots value;
    return value;
}

bool isPortable(const QString& exeDir) {
    const QFileInfo folder(exeDir);
    return folder.isWritable() && QFileInfo(exeDir + "/Word").isDir();
}

}  // namespace

QString AppDir() { return roots().user; }

QString WindowsDir() { return roots().user + "/system/"; }

QString SharedDir() { return roots().shared; }

void setRoots(const Roots& chosen) {
    roots() = {QDir(chosen.user).absolutePath(), QDir(chosen.shared).absolutePath()};
    QDir dir(roots().user);
    for (const char* sub : {"system", "User", "Word"}) dir.mkpath(sub);
}

Roots chooseRoots(const QString& exeDir) {
    if (isPortable(exeDir)) return {exeDir, exeDir};
    const QString userRoot =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/tawen";
    return {userRoot, QDir::cleanPath(exeDir + u'/' + QLatin1String(kBinToData))};
}

}  // namespace platform
