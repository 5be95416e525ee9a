#pragma once

#include <QString>

#include <optional>

#include "agents/pcm.h"

// English through flite. The library and each voice are opened on first use
// rather than linked, so a start loads none of them; flite shares state
// between its voices, so everything here takes one lock and any thread may
// call it.
namespace tawen::flite {

// A voice as flite names it ("slt", "rms", "kal16", "awb") with the pitch it
// speaks at: 0 keeps the voice's own.
struct Voice {
    QString name;
    float pitchHz = 0;
};

// Whether the voice's library is installed and loads. Never waits for a
// synthesis in progress.
bool hasVoice(const QString& name);

// Whether flite reads the text as it is written: plain ASCII letters, digits
// and punctuation; anything else (accented or other scripts) it would skip.
bool canRead(const QString& text);

// The text spoken by the voice, or nothing when the voice is missing or
// flite gives no sound for the text.
std::optional<Pcm> synthesise(const QString& text, const Voice& voice);

}  // namespace tawen::flite
