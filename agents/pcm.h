#pragma once

#include <QByteArray>

namespace tawen {

// Speech as signed 16-bit mono samples in the machine's byte order.
struct Pcm {
    QByteArray samples;
    int sampleRate = 0;
};

}  // namespace tawen
