#include "shell/user_registry.h"

#include <QFile>

#include "platform/paths.h"
#include "platform/text_codec.h"

namespace tawen {

namespace {

QByteArray encodeField(const QString& text) {
    QByteArray bytes = platform::encodeText(platform::fitToBytes(text, kUserFieldBytes));
    bytes.append(kUserFieldBytes - bytes.size(), ' ');
    return bytes;
}

QString decodeField(QByteArrayView bytes) {
    QByteArrayView field = bytes;
    while (!field.isEmpty() && field.front() == ' ') field = field.sliced(1);
    while (!field.isEmpty() && field.back() == ' ') field.chop(1);
    return platform::decodeText(field);
}

}  // namespace

QByteArray encodeUserRecord(const UserRecord& record) {
    return encodeField(record.name) + encodeField(record.password);
}

UserRecord decodeUserRecord(QByteArrayView bytes) {
    return {decodeField(bytes.first(kUserFieldBytes)),
            decodeField(bytes.sliced(kUserFieldBytes, kUserFieldBytes))};
}

UserRegistry::UserRegistry(QString path) : path_(std::move(path)) {}

QString UserRegistry::defaultPath() { return platform::WindowsDir() + QStringLiteral("List.sys"); }

QList<UserRecord> UserRegistry::records() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadWrite)) return {};
    const QByteArray bytes = file.readAll();
    QList<UserRecord> result;
    for (qsizetype at = 0; at + kUserRecordBytes <= bytes.size(); at += kUserRecordBytes)
        result.append(decodeUserRecord(QByteArrayView(bytes).sliced(at, kUserRecordBytes)));
    return result;
}

bool UserRegistry::append(const UserRecord& record) const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadWrite)) return false;
    const qint64 at = file.size() / kUserRecordBytes * kUserRecordBytes;
    const QByteArray bytes = encodeUserRecord(record);
    return file.resize(at) && file.seek(at) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace tawen
