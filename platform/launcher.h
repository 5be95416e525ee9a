#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {

// The full path of a program named without a directory: beside the running
// executable first, then along PATH. Empty when there is none.
QString locateProgram(const QString& name);

// Starts the program detached from this one; false when it cannot be started.
bool startProgram(const QString& name, const QStringList& arguments = {});

// Opens a web or mail link with the desktop's handler; false when none takes it.
bool openUrl(const QUrl& url);

}  // namespace platform
