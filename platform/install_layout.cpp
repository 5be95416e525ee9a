#include "platform/install_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

const char* const kBinToData = TAWEN_BIN_TO_DATA;
const char* const kBinToLibexec = TAWEN_BIN_TO_LIBEXEC;
const char* const kBinToModules = TAWEN_BIN_TO_MODULES;

QString besideOrInstalled(const QString& name, const char* binToFolder) {
    const QString exeDir = QCoreApplication::applicationDirPath();
    for (const QString& path :
         {exeDir + u'/' + name,
          QDir::cleanPath(exeDir + u'/' + QLatin1String(binToFolder) + u'/' + name)}) {
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace platform
