#include "platform/launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QString locateProgram(const QString& name) {
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + name;
    const QFileInfo info(beside);
    if (info.isFile() && info.isExecutable()) return beside;
    return QStandardPaths::findExecutable(name);
}

bool startProgram(const QString& name, const QStringList& arguments) {
    const QString path = locateProgram(name);
    return !path.isEmpty() && QProcess::startDetached(path, arguments);
}

bool openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace platform
