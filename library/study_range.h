#pragma once

#include <QString>

namespace tawen {

// The rows under study. The boxes may hold them in either order (a selection
// dragged upwards); every reader takes the smaller as the first.
struct StudyRange {
    int first = 0;
    int last = 0;

    static StudyRange fromTexts(const QString& a, const QString& b) {
        const int x = a.trimmed().toInt();
        const int y = b.trimmed().toInt();
        return x <= y ? StudyRange{x, y} : StudyRange{y, x};
    }
};

}  // namespace tawen
