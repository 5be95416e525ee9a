#include "agents/speech_text.h"

namespace tawen {

SpeechText splitSpeechText(const QString& text) {
    static const QString open = QStringLiteral("\\Map=\"");
    static const QString middle = QStringLiteral("\"=\"");
    static const QString close = QStringLiteral("\"\\");
    SpeechText result;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype tag = text.indexOf(open, from);
        const qsizetype split = tag < 0 ? -1 : text.indexOf(middle, tag + open.size());
        const qsizetype end = split < 0 ? -1 : text.indexOf(close, split + middle.size());
        if (end < 0) {
            // No whole tag left: the rest is plain text.
            result.spoken += text.mid(from);
            result.shown += text.mid(from);
            break;
        }
        result.spoken += text.mid(from, tag - from);
        result.shown += text.mid(from, tag - from);
        result.spoken += text.mid(tag + open.size(), split - tag - open.size());
        result.shown += text.mid(split + middle.size(), end - split - middle.size());
        from = end + close.size();
    }
    return result;
}

}  // namespace tawen
