#include "library/personal_library.h"

#include <QFile>
#include <QFileInfo>

#include "library/library_catalog.h"
#include "library/library_cipher.h"
#include "library/library_files.h"
#include "platform/atomic_file.h"
#include "platform/text_codec.h"

namespace tawen {

namespace {

struct Line {
    WordEntry entry;
    bool split = false;  // the line held a "#"
};

Line splitLine(QStringView line) {
    const QList<QStringView> fields = line.split(u'#');
    Line result;
    result.split = fields.size() > 1;
    result.entry.word = fields[0].toString();
    if (fields.size() > 1) result.entry.meaning = fields[1].toString();
    if (fields.size() > 2) result.entry.phonetic = fields[2].toString();
    return result;
}

// The lines as the course loader cuts them: at CR LF or a lone CR, a lone LF
// staying in the text, no line after a final break.
QList<Line> splitLines(const QString& text) {
    QList<Line> lines;
    QStringView rest(text);
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf(u'\r');
        if (end < 0) {
            lines.append(splitLine(rest));
            break;
        }
        lines.append(splitLine(rest.first(end)));
        const bool crlf = end + 1 < rest.size() && rest[end + 1] == u'\n';
        rest = rest.sliced(end + (crlf ? 2 : 1));
    }
    return lines;
}

// The deciphered contents of path: empty when the file is absent or empty,
// nothing when it is there but cannot be read.
std::optional<QByteArray> readDeciphered(const QString& path, std::string_view key) {
    QFile file(path);
    if (!file.exists()) return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    if (!bytes.isEmpty()) LibraryCipher::apply(bytes, key);
    return bytes;
}

QByteArray enciphered(const QList<WordEntry>& words, std::string_view key) {
    QByteArray bytes = personalLines(words);
    LibraryCipher::apply(bytes, key);
    return bytes;
}

}  // namespace

QList<WordEntry> parsePersonalLines(QByteArrayView plaintext) {
    QList<WordEntry> words;
    for (const Line& line : splitLines(platform::decodeText(plaintext))) words.append(line.entry);
    return words;
}

std::optional<QList<WordEntry>> parseBackupLines(QByteArrayView plaintext) {
    const QString text = platform::decodeText(plaintext);
    // A broken sequence decodes to a stand-in that does not encode back.
    if (platform::encodeText(text) != plaintext) return std::nullopt;
    const QList<Line> lines = splitLines(text);
    if (lines.isEmpty()) return std::nullopt;
    QList<WordEntry> words;
    for (const Line& line : lines) {
        if (!line.split) return std::nullopt;
        words.append(line.entry);
    }
    return words;
}

QByteArray personalLines(const QList<WordEntry>& words) {
    QString text;
    for (const WordEntry& entry : words) {
        text += entry.word + u'#' + entry.meaning;
        if (!entry.phonetic.isEmpty()) text += u'#' + entry.phonetic;
        text += QStringLiteral("\r\n");
    }
    return platform::encodeText(text);
}

QString personalLibraryPath() { return libraryFilePath(LibraryCatalog::personalEntry().code); }

std::optional<QList<WordEntry>> readPersonalLibrary() {
    const std::optional<QByteArray> plaintext =
        readDeciphered(personalLibraryPath(), LibraryCipher::PersonalKey);
    if (!plaintext) return std::nullopt;
    return parsePersonalLines(*plaintext);
}

bool writePersonalLibrary(const QList<WordEntry>& words) {
    const QString path = personalLibraryPath();
    if (words.isEmpty()) return !QFileInfo::exists(path) || QFile::remove(path);
    return platform::writeFileAtomically(path, enciphered(words, LibraryCipher::PersonalKey));
}

bool writeBackup(const QString& path, const QList<WordEntry>& words) {
    if (words.isEmpty()) return true;
    return platform::writeFileAtomically(path, enciphered(words, LibraryCipher::BackupKey));
}

std::optional<QList<WordEntry>> readBackup(const QString& path) {
    const std::optional<QByteArray> plaintext = readDeciphered(path, LibraryCipher::BackupKey);
    if (!plaintext) return std::nullopt;
    return parseBackupLines(*plaintext);
}

bool isEnglishWord(QStringView word) {
    for (const QChar c : word)
        if (c.unicode() < 32 || c.unicode() > 126) return false;
    return true;
}

}  // namespace tawen
