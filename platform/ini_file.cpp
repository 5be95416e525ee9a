#include "platform/ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <optional>

#include "platform/atomic_file.h"
#include "platform/text_codec.h"

namespace platform {

namespace {

std::optional<QString> sectionName(QStringView line) {
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(u'[')) return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    const QStringView name = close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1);
    return name.trimmed().toString();
}

struct KeyLine {
    QStringView key;
    QStringView value;
};

std::optional<KeyLine> keyLine(QStringView line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return std::nullopt;
    return KeyLine{line.first(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

bool sameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// CR LF, a lone CR and a lone LF all end a line, as the profile service reads.
// No lines for a missing file; nothing for one that is there but cannot be
// read whole.
std::optional<QStringList> readLines(const QString& path) {
    QFile file(path);
    if (!file.exists()) return QStringList();
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    QString text = decodeText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// Index range of a section's lines, header excluded: [first, end).
struct SectionSpan {
    qsizetype first = -1;
    qsizetype end = -1;
};

SectionSpan findSection(const QStringList& lines, QStringView section) {
    SectionSpan span;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const auto name = sectionName(lines[n]);
        if (!name) continue;
        if (span.first >= 0) {
            span.end = n;
            return span;
        }
        if (sameName(*name, section)) span.first = n + 1;
    }
    if (span.first >= 0) span.end = lines.size();
    return span;
}

}  // namespace

QString readIniValue(const QString& path, QStringView section, QStringView key) {
    return findIniValue(readIniSection(path, section), key);
}

QList<IniEntry> readIniSection(const QString& path, QStringView section) {
    const QStringList lines = readLines(path).value_or(QStringList());
    const SectionSpan span = findSection(lines, section);
    QList<IniEntry> entries;
    for (qsizetype n = span.first; n >= 0 && n < span.end; ++n) {
        const auto entry = keyLine(lines[n]);
        if (entry)
            entries.append({entry->key.toString(), fitToBytes(entry->value, kMaxSettingBytes)});
    }
    return entries;
}

QString findIniValue(const QList<IniEntry>& entries, QStringView key) {
    for (const IniEntry& entry : entries)
        if (sameName(entry.key, key)) return entry.value;
    return {};
}

namespace {

void setValue(QStringList& lines, QStringView section, QStringView key, QStringView value) {
    const QString newLine = key.toString() + u'=' + value.toString();
    const SectionSpan span = findSection(lines, section);
    if (span.first < 0) {
        lines << u'[' + section.toString() + u']' << newLine;
        return;
    }
    qsizetype insertAt = span.first;
    for (qsizetype n = span.first; n < span.end; ++n) {
        const auto entry = keyLine(lines[n]);
        if (entry && sameName(entry->key, key)) {
            lines[n] = newLine;
            return;
        }
        if (!lines[n].trimmed().isEmpty()) insertAt = n + 1;
    }
    lines.insert(insertAt, newLine);
}

bool save(const QString& path, const QStringList& lines) {
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable()) return false;
    return writeFileAtomically(
        path, encodeText(QString(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))));
}

}  // namespace

bool writeIniValue(const QString& path, QStringView section, QStringView key, QStringView value) {
    return writeIniSection(path, section, {IniEntry{key.toString(), value.toString()}});
}

bool writeIniSection(const QString& path, QStringView section, const QList<IniEntry>& entries) {
    // A file that is there but cannot be read must not be replaced by one
    // holding this section alone.
    std::optional<QStringList> lines = readLines(path);
    if (!lines) return false;
    for (const IniEntry& entry : entries) setValue(*lines, section, entry.key, entry.value);
    return save(path, *lines);
}

bool writeIniFile(const QString& path, const QList<IniSection>& sections) {
    QStringList lines;
    for (const IniSection& section : sections) {
        lines << u'[' + section.name + u']';
        for (const IniEntry& entry : section.entries) lines << entry.key + u'=' + entry.value;
    }
    return save(path, lines);
}

}  // namespace platform
