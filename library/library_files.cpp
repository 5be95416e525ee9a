#include "library/library_files.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "library/library_catalog.h"
#include "library/library_cipher.h"
#include "platform/paths.h"
#include "platform/text_codec.h"
#include "shell/session.h"

namespace tawen {

namespace {

// The fields of the line that runs from begin to end in text: split at every
// "#", the fourth and later dropped, a missing one empty.
WordLines::Row splitFields(QStringView text, qsizetype begin, qsizetype end) {
    WordLines::Row row;
    for (WordLines::Span& field : row) {
        const qsizetype hash = text.first(end).indexOf(u'#', begin);
        const qsizetype fieldEnd = hash < 0 ? end : hash;
        field = {quint32(begin), quint32(fieldEnd - begin)};
        if (hash < 0) break;
        begin = hash + 1;
    }
    return row;
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
    // The courses ship with the program; only the learner's own library is theirs.
    const bool personal = code == LibraryCatalog::personalEntry().code;
    const QString folder = personal ? platform::AppDir() : platform::SharedDir();
    return folder + QStringLiteral("/Word/") + code + QStringLiteral(".twn");
}

WordLines parseWordLines(QByteArrayView plaintext) {
    // Decoding first and splitting after is safe: CR, LF and "#" never occur
    // inside a GB18030 sequence, and a broken sequence does not swallow them.
    QString text = platform::decodeText(plaintext);
    const QStringView all(text);
    std::vector<WordLines::Row> rows;
    // Most lines of a word file are 30 to 60 bytes long.
    rows.reserve(size_t(std::min<qsizetype>(MaxWordRows, plaintext.size() / 24 + 1)));
    qsizetype begin = 0;
    while (begin < all.size() && rows.size() < size_t(MaxWordRows)) {
        const qsizetype end = all.indexOf(u'\r', begin);
        if (end < 0) {
            rows.push_back(splitFields(all, begin, all.size()));
            break;
        }
        rows.push_back(splitFields(all, begin, end));
        const bool crlf = end + 1 < all.size() && all[end + 1] == u'\n';
        begin = end + (crlf ? 2 : 1);
    }
    return WordLines(std::move(text), std::move(rows));
}

LoadResult LoadWordFile(const QString& code, std::string_view key, WordTable& table) {
    const QString path = libraryFilePath(code);
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
    return LoadWordFile(code, LibraryCipher::CourseKey, table);
}

LoadResult OpenPersonalLibrary(WordTable& table) {
    CurrentLibraryCode = LibraryCatalog::personalEntry().code;
    return LoadWordFile(CurrentLibraryCode, LibraryCipher::PersonalKey, table);
}

LoadResult OpenByDisplayName(QStringView displayName, WordTable& table) {
    const std::optional<CatalogEntry> entry = LibraryCatalog::findByName(displayName);
    if (!entry) return {FileProblem::Missing};
    if (entry->displayName == PersonalLibraryEntry) return OpenPersonalLibrary(table);
    return OpenCourse(entry->code, table);
}

}  // namespace tawen
