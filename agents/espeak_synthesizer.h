#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "agents/pcm.h"

// espeak-ng keeps one global state and is not thread-safe: everything here
// takes one lock, so any thread may call it. The library is started on first
// use and stays up for the life of the process.
namespace tawen::espeak {

// Whether the voice (a name such as "en-us", optionally with a "+variant")
// is installed and the library could start.
bool hasVoice(const QString& voice);

// The text spoken by the voice, or nothing when the library or the voice is
// missing or `cancelled` turned true while speaking.
std::optional<Pcm> synthesise(const QString& text, const QString& voice,
                              const std::function<bool()>& cancelled);

}  // namespace tawen::espeak
