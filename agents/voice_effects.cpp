#include "agents/voice_effects.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace tawen::effects {

namespace {

using Signal = std::vector<float>;

Signal toSignal(const Pcm& pcm) {
    Signal signal(size_t(pcm.samples.size()) / sizeof(qint16));
    const auto* samples = reinterpret_cast<const qint16*>(pcm.samples.constData());
    for (size_t i = 0; i < signal.size(); ++i) signal[i] = float(samples[i]) / 32768.0f;
    return signal;
}

// Back to samples, scaled down when the effect made the loudest one clip.
Pcm toPcm(const Signal& signal, int sampleRate, float peakLimit = 0.95f) {
    float peak = 0;
    for (const float s : signal) peak = std::max(peak, std::abs(s));
    const float gain = peak > peakLimit ? peakLimit / peak : 1.0f;
    QByteArray bytes(qsizetype(signal.size() * sizeof(qint16)), Qt::Uninitialized);
    auto* samples = reinterpret_cast<qint16*>(bytes.data());
    for (size_t i = 0; i < signal.size(); ++i)
        samples[i] = qint16(std::lround(std::clamp(signal[i] * gain, -1.0f, 1.0f) * 32767.0f));
    return Pcm{bytes, sampleRate};
}

// A second-order filter from the audio cookbook's formulas.
class Biquad {
  public:
    static Biquad lowPass(float cutoff, int rate) { return make(cutoff, rate, false); }
    static Biquad highPass(float cutoff, int rate) { return make(cutoff, rate, true); }

    void apply(Signal& signal) {
        for (float& s : signal) {
            const float out = b0_ * s + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
            x2_ = x1_, x1_ = s, y2_ = y1_, y1_ = out;
            s = out;
        }
    }

  private:
    static Biquad make(float cutoff, int rate, bool high) {
        const float w = 2 * std::numbers::pi_v<float> * cutoff / float(rate);
        const float q = std::numbers::sqrt2_v<float> / 2;  // flat, no resonance at the cutoff
        const float alpha = std::sin(w) / (2 * q);
        const float c = std::cos(w);
        const float a0 = 1 + alpha;
        Biquad f;
        f.b1_ = (high ? -(1 + c) : (1 - c)) / a0;
        f.b0_ = f.b2_ = (high ? (1 + c) : (1 - c)) / 2 / a0;
        f.a1_ = -2 * c / a0;
        f.a2_ = (1 - alpha) / a0;
        return f;
    }

    float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A feedback delay: the sound comes back every `delay` seconds, each time
// `feedback` as loud.
void comb(const Signal& in, Signal& out, float delay, float feedback, float gain, int rate) {
    const size_t d = std::max<size_t>(1, size_t(delay * float(rate)));
    Signal line(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        line[i] = in[i] + (i >= d ? feedback * line[i - d] : 0.0f);
        out[i] += gain * (i >= d ? line[i - d] : 0.0f);
    }
}

// Smears echoes in time without colouring them.
void allPass(Signal& signal, float delay, float gain, int rate) {
    const size_t d = std::max<size_t>(1, size_t(delay * float(rate)));
    Signal out(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        const float delayedIn = i >= d ? signal[i - d] : 0.0f;
        const float delayedOut = i >= d ? out[i - d] : 0.0f;
        out[i] = -gain * signal[i] + delayedIn + gain * delayedOut;
    }
    signal = std::move(out);
}

struct RoomShape {
    float combDelays[4];  // seconds
    float feedback;       // how long the room rings
    float wet;            // reverberation against the direct sound
    float echoDelay;      // a distinct echo off a far wall, 0 for none
    float echoFeedback;
    float tail;  // seconds of sound after the voice ends
};

RoomShape shapeOf(Room room) {
    switch (room) {
        case Room::Hall:
            return {{0.0297f, 0.0371f, 0.0411f, 0.0437f}, 0.78f, 0.45f, 0, 0, 1.2f};
        case Room::Space:
            // short, tightly tuned delays ring like metal; a long echo repeats
            return {{0.0090f, 0.0113f, 0.0127f, 0.0151f}, 0.86f, 0.55f, 0.19f, 0.55f, 1.6f};
        case Room::Stadium:
            return {{0.0503f, 0.0617f, 0.0709f, 0.0791f}, 0.84f, 0.35f, 0.32f, 0.4f, 2.2f};
    }
    return {};
}

}  // namespace

Pcm resampled(const Pcm& pcm, int sampleRate) {
    if (pcm.sampleRate == sampleRate || pcm.sampleRate <= 0) return pcm;
    Signal in = toSignal(pcm);
    if (in.empty()) return Pcm{{}, sampleRate};
    if (sampleRate < pcm.sampleRate) {
        // What the new rate cannot carry would fold back as noise: filter it out first.
        for (int pass = 0; pass < 4; ++pass)
            Biquad::lowPass(0.45f * float(sampleRate), pcm.sampleRate).apply(in);
    }
    const double step = double(pcm.sampleRate) / double(sampleRate);
    Signal out(size_t(double(in.size()) / step));
    for (size_t i = 0; i < out.size(); ++i) {
        const double at = double(i) * step;
        const size_t left = std::min(size_t(at), in.size() - 1);
        const size_t right = std::min(left + 1, in.size() - 1);
        const float fraction = float(at - double(left));
        out[i] = in[left] + (in[right] - in[left]) * fraction;
    }
    return toPcm(out, sampleRate, 1.0f);
}

Pcm telephone(const Pcm& pcm) {
    Signal signal = toSignal(pcm);
    for (int pass = 0; pass < 4; ++pass) {  // four passes make the band's edges steep
        Biquad::highPass(300, pcm.sampleRate).apply(signal);
        Biquad::lowPass(3400, pcm.sampleRate).apply(signal);
    }
    for (float& s : signal) s = std::tanh(3.0f * s);
    return toPcm(signal, pcm.sampleRate);
}

Pcm inRoom(const Pcm& pcm, Room room) {
    const RoomShape shape = shapeOf(room);
    const int rate = pcm.sampleRate;
    Signal dry = toSignal(pcm);
    dry.resize(dry.size() + size_t(shape.tail * float(rate)), 0.0f);

    Signal wet(dry.size(), 0.0f);
    for (const float delay : shape.combDelays) comb(dry, wet, delay, shape.feedback, 0.25f, rate);
    allPass(wet, 0.005f, 0.7f, rate);
    allPass(wet, 0.0017f, 0.7f, rate);

    Signal mixed(dry.size(), 0.0f);
    for (size_t i = 0; i < dry.size(); ++i) mixed[i] = dry[i] + shape.wet * wet[i];
    if (shape.echoDelay > 0) {
        Signal echoes(dry.size(), 0.0f);
        comb(mixed, echoes, shape.echoDelay, shape.echoFeedback, 0.6f, rate);
        for (size_t i = 0; i < mixed.size(); ++i) mixed[i] += echoes[i];
    }
    return toPcm(mixed, rate);
}

}  // namespace tawen::effects
