#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

namespace platform {

// What leaves the program for the desktop: starting another program and
// opening a link. Tests stand in for it, so that no real browser or restarter
// is ever started by them.
class Launcher {
  public:
    virtual ~Launcher() = default;
    // Starts the program detached from this one; false when it cannot be started.
    virtual bool startProgram(const QString& name, const QStringList& arguments) = 0;
    // Opens a web or mail link with the desktop's handler; false when none takes it.
    virtual bool openUrl(const QUrl& url) = 0;
};

// Programs found beside the running executable first, then in the installed
// helpers' folder (libexec/tawen), then along PATH; links
// opened by the desktop's own handlers.
class SystemLauncher final : public Launcher {
  public:
    bool startProgram(const QString& name, const QStringList& arguments) override;
    bool openUrl(const QUrl& url) override;
};

// The full path of a program named without a directory: beside the running
// executable first, then in libexec/tawen, then along PATH. Empty when there
// is none.
QString locateProgram(const QString& name);

bool startProgram(const QString& name, const QStringList& arguments = {});
bool openUrl(const QUrl& url);
void installLauncher(std::unique_ptr<Launcher> replacement);

}  // namespace platform
