#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

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

    // Every complete record in file order, but for records whose name is
    // blank. A missing file is created empty.
    QList<UserRecord> records() const;

    // Writes the whole list anew with the record after the last complete
    // one, in one atomic save; a torn trailing record left by an older
    // program is dropped rather than listed as a user. False when the file
    // cannot be read or written; it then stays as it was, byte for byte.
    bool append(const UserRecord& record) const;

  private:
    // The file's bytes up to its last complete record; empty when there is
    // no file, nothing when it cannot be read.
    std::optional<QByteArray> completeRecords() const;

    QString path_;
};

// Makes record's user the CurrentUser and stores them: the whole settings
// file first, then the record in the default List.sys, so a listed user
// always has a settings file, and a file left without its record by a crash
// is simply written again by the next creation. False, with CurrentUser
// cleared, when the record could not be added.
bool storeNewUser(const UserRecord& record);

}  // namespace tawen
