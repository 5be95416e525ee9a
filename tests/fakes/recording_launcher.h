#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

#include "platform/launcher.h"

// Records every program started and every link opened instead of reaching
// the desktop; told that nothing works, it refuses them all as a machine
// without a browser or a restarter would.
class RecordingLauncher final : public platform::Launcher {
  public:
    QStringList programs;  // each start, as "name arguments..."
    QList<QUrl> urls;
    bool works = true;

    bool startProgram(const QString& name, const QStringList& arguments) override {
        programs.append((QStringList{name} + arguments).join(u' '));
        return works;
    }

    bool openUrl(const QUrl& url) override {
        urls.append(url);
        return works;
    }
};

// Installs a fresh RecordingLauncher for the life of a test and hands it out.
inline RecordingLauncher& installRecordingLauncher() {
    auto fake = std::make_unique<RecordingLauncher>();
    RecordingLauncher& handle = *fake;
    platform::installLauncher(std::move(fake));
    return handle;
}
