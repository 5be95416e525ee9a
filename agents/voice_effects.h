#pragma once

#include "agents/pcm.h"

// What turns one voice into several: a change of sample rate, the narrow band
// of a telephone line, and the echoes of large rooms.
namespace tawen::effects {

// The same sound at another sample rate (by linear interpolation, after a
// low-pass filter when the rate goes down).
Pcm resampled(const Pcm& pcm, int sampleRate);

// Only the band a telephone line carries, 300 to 3400 Hz, slightly overdriven.
Pcm telephone(const Pcm& pcm);

enum class Room { Hall, Space, Stadium };

// The voice in a room: its reverberation and echoes, the tail included.
Pcm inRoom(const Pcm& pcm, Room room);

}  // namespace tawen::effects
