#include "shell/user_registry.h"

#include <QFile>
#include <QFileInfo>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/text_codec.h"
#include "shell/session.h"
#include "shell/user_settings.h"

namespace tawen {

namespace {

// Bytes in the GB18030 character that starts at bytes[at]: one below 0x80,
// four when a digit follows the lead byte, otherwise two.
qsizetype characterBytes(QByteArrayView bytes, qsizetype at) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) return 1;
    const bool digitFollows = at + 1 < bytes.size() && bytes[at + 1] >= '0' && bytes[at + 1] <= '9';
    return digitFollows ? 4 : 2;
}

// The text is encoded once and the bytes are cut between characters, so a
// field is exactly 18 bytes whatever the text holds (lone surrogates too).
QByteArray encodeField(const QString& text) {
    const QByteArray encoded = platform::encodeText(text);
    qsizetype end = 0;
    while (end < encoded.size()) {
        const qsizetype next = end + characterBytes(encoded, end);
        if (next > kUserFieldBytes || next > encoded.size()) break;
        end = next;
    }
    QByteArray field = encoded.first(end);
    field.append(kUserFieldBytes - end, ' ');
    return field;
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

std::optional<QByteArray> UserRegistry::completeRecords() const {
    QFile file(path_);
    if (!file.exists()) return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    bytes.truncate(bytes.size() / kUserRecordBytes * kUserRecordBytes);
    return bytes;
}

QList<UserRecord> UserRegistry::records() const {
    if (!QFileInfo::exists(path_)) platform::writeFileAtomically(path_, {});
    const QByteArray bytes = completeRecords().value_or(QByteArray());
    QList<UserRecord> result;
    for (qsizetype at = 0; at < bytes.size(); at += kUserRecordBytes) {
        const UserRecord record =
            decodeUserRecord(QByteArrayView(bytes).sliced(at, kUserRecordBytes));
        // A record of blanks names nobody; listing it would let an empty name log in.
        if (!record.name.isEmpty()) result.append(record);
    }
    return result;
}

bool UserRegistry::append(const UserRecord& record) const {
    const std::optional<QByteArray> kept = completeRecords();
    if (!kept) return false;
    const QFileInfo info(path_);
    if (info.exists() && !info.isWritable()) return false;
    return platform::writeFileAtomically(path_, *kept + encodeUserRecord(record));
}

bool storeNewUser(const UserRecord& record) {
    // What is kept must be what was stored, or the next login finds other files.
    CurrentUser = decodeUserRecord(encodeUserRecord(record)).name;
    writeDefaultSettings();
    if (UserRegistry(UserRegistry::defaultPath()).append(record)) return true;
    CurrentUser.clear();
    return false;
}

}  // namespace tawen
