#include "platform/gb18030_decoder.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

#include "platform/gb18030_tables.h"

namespace platform {

namespace {

constexpr int kTrailCount = 0xFE - 0x40 + 1 - 1;  // 0x40-0x7E and 0x80-0xFE

bool isLead(uchar byte) { return byte >= 0x81 && byte <= 0xFE; }
bool isDigit(uchar byte) { return byte >= 0x30 && byte <= 0x39; }
bool isTrail(uchar byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

int trailIndex(uchar byte) { return byte < 0x7F ? byte - 0x40 : byte - 0x41; }

// Line breaks and "#" never occur inside a sequence, so the converter always
// starts afresh after one: a broken stretch ends there.
bool isBoundary(uchar byte) { return byte == '\r' || byte == '\n' || byte == '#'; }

char16_t doubleByte(uchar lead, uchar trail) {
    return gb18030::kDoubleByte[(lead - 0x81) * kTrailCount + trailIndex(trail)];
}

// The character of a four-byte sequence in the Basic Multilingual Plane, or 0.
char16_t fourByteBmp(const uchar* sequence) {
    const quint32 index =
        ((quint32(sequence[0] - 0x81) * 10 + (sequence[1] - 0x30)) * 126 + (sequence[2] - 0x81)) *
            10 +
        (sequence[3] - 0x30);
    return index < quint32(gb18030::kFourByteBmpCount) ? gb18030::kFourByteBmp[index] : 0;
}

// The four-byte characters beyond the tables (outside the Basic Multilingual
// Plane) of one text, each converted once: a small table indexed by the code's
// low bits nearly always holds the one asked for.
class FourByteCache {
  public:
    // The UTF-16 units of the sequence, or none when it is not one assigned
    // character: an unassigned one is the converter's to judge in context.
    QStringView lookUp(quint32 code, QByteArrayView sequence) {
        Entry& entry = entries_[(code ^ code >> 8 ^ code >> 16) % entries_.size()];
        if (!entry.used || entry.code != code) entry = convert(code, sequence);
        return QStringView(entry.units.data(), entry.length);
    }

  private:
    struct Entry {
        quint32 code = 0;
        bool used = false;
        qsizetype length = 0;
        std::array<char16_t, 2> units{};
    };

    static Entry convert(quint32 code, QByteArrayView sequence) {
        const QString decoded = decodeGb18030Reference(sequence);
        const bool pair =
            decoded.size() == 2 && decoded[0].isHighSurrogate() && decoded[1].isLowSurrogate();
        const bool single = decoded.size() == 1 && !decoded[0].isSurrogate() &&
                            decoded[0] != QChar::ReplacementCharacter;
        Entry entry{code, true, pair || single ? decoded.size() : 0, {}};
        std::copy_n(decoded.utf16(), entry.length, entry.units.begin());
        return entry;
    }

    std::array<Entry, 256> entries_;
};

}  // namespace

QString decodeGb18030Reference(QByteArrayView bytes) {
    // The converter holds back a sequence cut off at the end, waiting for more
    // input. A line feed after the text never continues a sequence, so the
    // cut one comes out as U+FFFD; the line feed is then taken off again.
    QByteArray terminated;
    terminated.reserve(bytes.size() + 1);
    terminated.append(bytes).append('\n');
    QStringDecoder decoder("GB18030");
    QString text = decoder.decode(terminated);
    text.chop(1);
    return text;
}

QString decodeGb18030(QByteArrayView bytes) {
    FourByteCache fourByte;
    // Never more characters than bytes: written in place, cut to size after.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto written = [&] { return out - reinterpret_cast<const char16_t*>(text.constData()); };
    const auto put = [&out](QStringView piece) {
        std::copy(piece.utf16(), piece.utf16() + piece.size(), out);
        out += piece.size();
    };
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    while (at < size) {
        const uchar byte = data[at];
        if (byte < 0x80) {
            *out++ = byte;
            ++at;
            continue;
        }
        if (isLead(byte) && at + 1 < size && isTrail(data[at + 1])) {
            *out++ = doubleByte(byte, data[at + 1]);
            at += 2;
            continue;
        }
        if (isLead(byte) && at + 3 < size && isDigit(data[at + 1]) && isLead(data[at + 2]) &&
            isDigit(data[at + 3])) {
            const char16_t bmp = fourByteBmp(data + at);
            if (bmp != 0) {
                *out++ = bmp;
                at += 4;
                continue;
            }
            const quint32 code = quint32(byte) << 24 | quint32(data[at + 1]) << 16 |
                                 quint32(data[at + 2]) << 8 | data[at + 3];
            const QStringView found = fourByte.lookUp(code, bytes.sliced(at, 4));
            if (!found.isEmpty()) {
                put(found);
                at += 4;
                continue;
            }
        }
        // A broken stretch, up to the next point where the converter starts
        // afresh, is the converter's to judge. What it gives may be longer
        // than the bytes it had, so room is made first.
        qsizetype end = at + 1;
        while (end < size && !isBoundary(data[end])) ++end;
        const QString judged = decodeGb18030Reference(bytes.sliced(at, end - at));
        const qsizetype done = written();
        text.resize(done + judged.size() + (size - end));
        out = reinterpret_cast<char16_t*>(text.data()) + done;
        put(judged);
        at = end;
    }
    text.truncate(written());
    return text;
}

}  // namespace platform
