#include "shell/session.h"

#include "platform/paths.h"

namespace tawen {

QString settingsPathFor(const QString& user) {
    return platform::AppDir() + QStringLiteral("/User/") + user + QStringLiteral(".ini");
}

QString SettingsPath() { return settingsPathFor(CurrentUser); }

}  // namespace tawen
