// A settings file edited by hand: whatever it holds, a value written into it
// reads back, and nothing else of the file is needed to do so.
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include "platform/atomic_file.h"
#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("user.ini"));
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!platform::writeFileAtomically(path, bytes)) std::abort();

    const QString section = QStringLiteral("词库");
    (void)platform::readIniValue(path, section, QStringLiteral("名称"));
    (void)platform::readIniValue(path, QStringLiteral("小窗口"), QStringLiteral("位置X"));
    const QList<platform::IniEntry> entries = {
        {QStringLiteral("词始"), QStringLiteral("12")},
        {QStringLiteral("名称"), QStringLiteral("大学四级英语")}};
    if (!platform::writeIniSection(path, section, entries)) std::abort();
    for (const platform::IniEntry& entry : entries)
        if (platform::readIniValue(path, section, entry.key) != entry.value) std::abort();
    return 0;
}
