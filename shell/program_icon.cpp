#include "shell/program_icon.h"

namespace tawen {

QIcon programIcon() {
    QIcon icon;
    // Every window hands every size to the window manager when it is shown;
    // title bars and task switchers use these, and the larger ones come from
    // the icon theme the package installs, so a start does not convert them.
    for (const int size : {16, 22, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/tawen-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace tawen
