// A settings file edited by hand: whatever it holds, a value written into it
// reads back, and every other key of the file reads as it did before.
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include "platform/atomic_file.h"
#include "platform/ini_file.h"

namespace {

// Every key the windows read besides the two written, as the file gives them.
QList<platform::IniEntry> otherKeys(const QString& path) {
    QList<platform::IniEntry> keys;
    for (const char* section : {"初记", "小窗口", "复习"})
        keys += platform::readIniSection(path, QString::fromUtf8(section));
    for (const platform::IniEntry& entry : platform::readIniSection(path, QStringLiteral("词库")))
        if (entry.key.compare(QStringLiteral("词始"), Qt::CaseInsensitive) != 0 &&
            entry.key.compare(QStringLiteral("名称"), Qt::CaseInsensitive) != 0)
            keys.append(entry);
    return keys;
}

bool sameKeys(const QList<platform::IniEntry>& a, const QList<platform::IniEntry>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype n = 0; n < a.size(); ++n)
        if (a[n].key != b[n].key || a[n].value != b[n].value) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("user.ini"));
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!platform::writeFileAtomically(path, bytes)) std::abort();

    const QString section = QStringLiteral("词库");
    const QList<platform::IniEntry> before = otherKeys(path);
    const QList<platform::IniEntry> entries = {
        {QStringLiteral("词始"), QStringLiteral("12")},
        {QStringLiteral("名称"), QStringLiteral("大学四级英语")}};
    if (!platform::writeIniSection(path, section, entries)) std::abort();
    for (const platform::IniEntry& entry : entries)
        if (platform::readIniValue(path, section, entry.key) != entry.value) std::abort();
    if (!sameKeys(otherKeys(path), before)) std::abort();
    return 0;
}
