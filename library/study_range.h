#pragma once

#include <QString>

#include <algorithm>

namespace tawen {

// The rows under study. The boxes may hold them in either order (a selection
// dragged upwards); every reader studies from the smaller to the larger.
struct StudyRange {
    int first = 0;  // the smaller row
    int last = 0;   // the larger row
    int from = 0;   // as the boxes hold them: where the selection began
    int to = 0;     // and where it ended

    static StudyRange fromTexts(const QString& a, const QString& b) {
        const int x = a.trimmed().toInt();
        const int y = b.trimmed().toInt();
        return {std::min(x, y), std::max(x, y), x, y};
    }

    // "<from>-<to>", as the status bar and the course line show it.
    QString asShown() const { return QString::number(from) + u'-' + QString::number(to); }
};

}  // namespace tawen
