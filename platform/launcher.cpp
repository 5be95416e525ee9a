#include "platform/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/install_layout.h"
#include "platform/seam.h"

namespace platform {

QString locateProgram(const QString& name) {
    const QString found = besideOrInstalled(name, kBinToLibexec);
    if (!found.isEmpty() && QFileInfo(found).isExecutable()) return found;
    return QStandardPaths::findExecutable(name);
}

bool SystemLauncher::startProgram(const QString& name, const QStringList& arguments) {
    const QString path = locateProgram(name);
    return !path.isEmpty() && QProcess::startDetached(path, arguments);
}

bool SystemLauncher::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool startProgram(const QString& name, const QStringList& arguments) {
    return seamSlot<Launcher, SystemLauncher>()->startProgram(name, arguments);
}

bool openUrl(const QUrl& url) { return seamSlot<Launcher, SystemLauncher>()->openUrl(url); }

void installLauncher(std::unique_ptr<Launcher> replacement) {
    seamSlot<Launcher, SystemLauncher>() = std::move(replacement);
}

}  // namespace platform
