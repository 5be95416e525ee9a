#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The list of users, "List.sys": a bare sequence of 36-byte records in the
// order the users were created, each an 18-byte name and an 18-byte password
// in GB18030, left-aligned and padded with blanks.
namespace tawen {

inline constexpr qsizetype kUserFieldBytes = 18;
inline constexpr qsizetype kUserRecordBytes = 2 * kUserFieldBytes;

struct UserRecord {
    QString name;
    QString password;
};

QByteArray encodeUserRecord(const UserRecord& record);

// Decodes one record; blanks are stripped at both ends of each field.
UserRecord decodeUserRecord(QByteArrayView bytes);

class UserRegistry {
  public:
    explicit UserRegistry(QString path);

    // WindowsDir() + "List.sys".
    static QString defaultPath();

    // Every complete record in file order. A missing file is created empty.
    QList<UserRecord> records() const;

    // Appends after the last complete record; a torn trailing record left by
    // an interrupted write is overwritten rather than listed as a user.
    bool append(const UserRecord& record) const;

  private:
    QString path_;
};

}  // namespace tawen
