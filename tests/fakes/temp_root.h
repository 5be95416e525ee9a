#pragma once

#include <QFile>
#include <QTemporaryDir>

#include "platform/paths.h"

// A program root of its own in a temporary folder, set for the run.
class TempRoot {
  public:
    TempRoot() { platform::setRoot(dir_.path()); }

    QString path(const QString& relative) const { return dir_.filePath(relative); }

    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

  private:
    QTemporaryDir dir_;
};
