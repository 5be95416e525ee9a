#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "agents/pcm.h"

// What the ear tells voices apart by, measured on a sound: how long it lasts,
// how high the voice is, and how its energy spreads over the spectrum.
struct SoundPrint {
    static constexpr int kBands = 6;
    static constexpr std::array<double, kBands + 1> kBandEdgesHz = {0,    300,  1000, 2000,
                                                                    3400, 5000, 11025};
    double seconds = 0;
    double pitchHz = 0;                  // median over voiced frames; 0 when none
    std::array<double, kBands> share{};  // of the energy, per band
    int peak = 0;

    QString describe() const {
        QString bands;
        for (const double s : share) bands += QString::number(s, 'f', 3) + u' ';
        return QStringLiteral("%1 s, %2 Hz, peak %3, bands %4")
            .arg(seconds, 0, 'f', 2)
            .arg(pitchHz, 0, 'f', 0)
            .arg(peak)
            .arg(bands);
    }
};

inline std::vector<double> samplesOf(const tawen::Pcm& pcm) {
    std::vector<double> out(size_t(pcm.samples.size()) / 2);
    for (size_t i = 0; i < out.size(); ++i) {
        qint16 s;
        std::memcpy(&s, pcm.samples.constData() + 2 * i, 2);
        out[i] = s;
    }
    return out;
}

inline SoundPrint printOf(const tawen::Pcm& pcm) {
    const std::vector<double> x = samplesOf(pcm);
    const int rate = pcm.sampleRate;
    SoundPrint print;
    print.seconds = double(x.size()) / rate;
    for (const double s : x) print.peak = std::max(print.peak, int(std::abs(s)));

    constexpr size_t kFrame = 1024;
    std::vector<double> pitches;
    std::array<double, SoundPrint::kBands> energy{};
    for (size_t start = 0; start + kFrame <= x.size(); start += kFrame / 2) {
        const double* f = x.data() + start;
        double power = 0;
        for (size_t i = 0; i < kFrame; ++i) power += f[i] * f[i];
        if (power / kFrame < 1000.0 * 1000.0) continue;  // silence and faint tails
        // pitch: the strongest autocorrelation between 70 and 400 Hz
        double best = 0;
        int bestLag = 0;
        for (int lag = rate / 400; lag <= rate / 70; ++lag) {
            double c = 0;
            for (size_t i = 0; i + size_t(lag) < kFrame; ++i) c += f[i] * f[i + size_t(lag)];
            if (c > best) best = c, bestLag = lag;
        }
        if (bestLag > 0 && best > 0.3 * power) pitches.push_back(double(rate) / bestLag);
        // spectrum, every other bin is enough to see the bands
        for (size_t k = 1; k < kFrame / 2; k += 2) {
            double re = 0, im = 0;
            for (size_t i = 0; i < kFrame; ++i) {
                const double a = 2 * std::numbers::pi * double(k * i) / kFrame;
                re += f[i] * std::cos(a);
                im -= f[i] * std::sin(a);
            }
            const double hz = double(k) * rate / kFrame;
            for (int b = 0; b < SoundPrint::kBands; ++b) {
                if (hz >= SoundPrint::kBandEdgesHz[b] && hz < SoundPrint::kBandEdgesHz[b + 1])
                    energy[b] += re * re + im * im;
            }
        }
    }
    if (!pitches.empty()) {
        std::sort(pitches.begin(), pitches.end());
        print.pitchHz = pitches[pitches.size() / 2];
    }
    double total = 0;
    for (const double e : energy) total += e;
    for (int b = 0; b < SoundPrint::kBands; ++b) print.share[b] = total > 0 ? energy[b] / total : 0;
    return print;
}

// Whether a listener would tell the two apart: a tenth longer or shorter, a
// tenth higher or lower, or energy moved between the bands.
inline bool soundsDifferent(const SoundPrint& a, const SoundPrint& b) {
    double moved = 0;
    for (int i = 0; i < SoundPrint::kBands; ++i) moved += std::abs(a.share[i] - b.share[i]);
    const auto apart = [](double p, double q) { return std::abs(p - q) > 0.1 * std::max(p, q); };
    return apart(a.seconds, b.seconds) || apart(a.pitchHz, b.pitchHz) || moved > 0.15;
}
