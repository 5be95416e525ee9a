#include "agents/dialogue_script.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/text_codec.h"

namespace tawen {

namespace {

constexpr qint64 kLargestScript = 8 * 1024 * 1024;

// The lines of bytes, split where the text reader splits them.
QList<QByteArrayView> splitLines(QByteArrayView bytes) {
    QList<QByteArrayView> lines;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        const qsizetype end = bytes.indexOf('\r', begin);
        if (end < 0) {
            lines.append(bytes.sliced(begin));
            break;
        }
        lines.append(bytes.sliced(begin, end - begin));
        begin = end + 1;
        if (begin < bytes.size() && bytes[begin] == '\n') ++begin;
    }
    return lines;
}

// A line that is GB18030 text, or nothing.
std::optional<QString> decodeLine(QByteArrayView line) {
    QString text = platform::decodeText(line);
    // A broken sequence decodes to a stand-in that does not encode back.
    if (platform::encodeText(text) != line) return std::nullopt;
    return text;
}

}  // namespace

DialogueScript readDialogueScript(const QString& path) {
    DialogueScript script;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) ||
        file.size() > kLargestScript) {
        script.complete = false;
        return script;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        script.complete = false;
        return script;
    }
    return parseDialogueScript(bytes);
}

DialogueScript parseDialogueScript(QByteArrayView bytes) {
    DialogueScript script;
    const QList<QByteArrayView> lines = splitLines(bytes);
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        // As the list reads it: a new row, then its two lines.
        script.rows.append(DialogueRow{});
        DialogueRow& row = script.rows.back();
        const std::optional<QString> english = decodeLine(lines[i]);
        const std::optional<QString> chinese =
            i + 1 < lines.size() ? decodeLine(lines[i + 1]) : std::nullopt;
        if (english) row.english = *english;
        if (chinese) row.chinese = *chinese;
        if (!english || !chinese) {
            script.complete = false;
            if (!english) script.rows.removeLast();
            break;
        }
    }
    return script;
}

QString turnAnimation(double r) {
    static const char* const kTable[] = {"wave",          "acknowledge",   "explain", "decline",
                                         "dontrecognize", "gestureup",     "pleased", "gesturedown",
                                         "Think",         "readcontinued", "greet"};
    const double x = 10 * r;
    double k = std::floor(x + 0.5);
    if (k - x == 0.5 && std::fmod(k, 2) != 0) k -= 1;  // a half goes to the even neighbour
    return QLatin1String(kTable[int(std::clamp(k, 0.0, 10.0))]);
}

}  // namespace tawen
