// The user list as any earlier run, crash or hand may have left it: every
// listed user has a name, and a new user appended is found afterwards with
// the list still made of whole records.
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include "platform/atomic_file.h"
#include "shell/user_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tawen;
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("List.sys"));
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!platform::writeFileAtomically(path, bytes)) std::abort();

    const UserRegistry registry(path);
    for (const UserRecord& record : registry.records())
        if (record.name.isEmpty()) std::abort();
    const UserRecord newcomer{QStringLiteral("新同学"), QStringLiteral("pw")};
    if (!registry.append(newcomer)) std::abort();
    if (QFile(path).size() % kUserRecordBytes != 0) std::abort();
    const QList<UserRecord> after = registry.records();
    if (after.isEmpty() || after.last().name != newcomer.name) std::abort();
    return 0;
}
