#include "library/library_files.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

#include "library/library_catalog.h"
#include "library/library_cipher.h"
#include "platform/paths.h"
#include "platform/text_codec.h"
#include "shell/session.h"

namespace tawen {

namespace {

WordEntry splitFields(QStringView line) {
    std::array<QString, 3> fields;
    for (QString& field : fields) {
        const qsizetype hash = line.indexOf(u'#');
        field = (hash < 0 ? line : line.first(hash)).toString();
        if (hash < 0) break;
        line = line.sliced(hash + 1);
    }
    return {fields[0], fields[1], fields[2]};
}

// Word lists are text: control characters other than tab and line breaks
// only come out of a file that was never a word file, or was damaged, and
// deciphers into noise.
bool isPlainText(QByteArrayView bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return code < 0x20 && code != '\t' && code != '\n' && code != '\r';
    });
}

}  // namespace

QString libraryFilePath(const QString& code) {
    return platform::AppDir() + QStringLiteral("/Word/") + code + QStringLiteral(".twn");
}

QList<WordEntry> parseWordLines(QByteArrayView plaintext) {
    // Decoding first and splitting after is safe: CR, LF and "#" never occur
    // inside a GB18030 sequence, and a broken sequence does not swallow them.
    const QString text = platform::decodeText(plaintext);
    QList<WordEntry> rows;
    QStringView rest(text);
    while (!rest.isEmpty() && rows.size() < MaxWordRows) {
        const qsizetype end = rest.indexOf(u'\r');
        if (end < 0) {
            rows.append(splitFields(rest));
            break;
        }
        rows.append(splitFields(rest.first(end)));
        const bool crlf = end + 1 < rest.size() && rest[end + 1] == u'\n';
        rest = rest.sliced(end + (crlf ? 2 : 1));
    }
    return rows;
}

LoadResult LoadWordFile(std::string_view key, WordTable& table) {
    const QString path = libraryFilePath(CurrentLibraryCode);
    QFile file(path);
    if (!file.exists()) return {FileProblem::Missing};
    if (QFileInfo(path).isDir()) return {FileProblem::Folder};
    if (!file.open(QIODevice::ReadOnly)) return {FileProblem::Unreadable};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {FileProblem::Unreadable};
    // An empty file holds no words; keeping the previous ones loses nothing.
    if (bytes.isEmpty()) return {FileProblem::Empty};
    LibraryCipher::apply(bytes, key);
    if (!isPlainText(bytes)) return {FileProblem::NotWordFile};
    table.setWords(parseWordLines(bytes));
    return {};
}

LoadResult OpenCourse(const QString& code, WordTable& table) {
    CurrentLibraryCode = code;
    return LoadWordFile(LibraryCipher::CourseKey, table);
}

LoadResult OpenPersonalLibrary(WordTable& table) {
    CurrentLibraryCode = LibraryCatalog::personalEntry().code;
    return LoadWordFile(LibraryCipher::PersonalKey, table);
}

LoadResult OpenByDisplayName(QStringView displayName, WordTable& table) {
    const std::optional<CatalogEntry> entry = LibraryCatalog::findByName(displayName);
    if (!entry) return {FileProblem::Missing};
    if (entry->displayName == PersonalLibraryEntry) return OpenPersonalLibrary(table);
    return OpenCourse(entry->code, table);
}

}  // namespace tawen
