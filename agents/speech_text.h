#pragma once

#include <QString>

namespace tawen {

// What a character says and what its balloon shows. Text outside a tag is
// both; \Map="spoken"="shown"\ says the first text and shows the second.
struct SpeechText {
    QString spoken;
    QString shown;
};

SpeechText splitSpeechText(const QString& text);

}  // namespace tawen
