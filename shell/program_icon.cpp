#include "shell/program_icon.h"

namespace tawen {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tawen-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace tawen
