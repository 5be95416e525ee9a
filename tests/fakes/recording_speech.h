#pragma once

#include <QList>
#include <QString>

#include <deque>

#include "agents/speech_engine.h"

// Records what the windows ask to be spoken and ends utterances only when the
// test says so; told to fail, it refuses every text as the real engine refuses
// one it cannot speak.
class RecordingSpeech final : public tawen::SpeechEngine {
  public:
    struct Request {
        QString text;
        int flags;
    };

    QList<Request> requests;  // every call to Speak, failed ones too
    int registrations = 0;
    bool failing = false;

    void Register(const QString&, const QString&) override { ++registrations; }

    std::optional<Utterance> Speak(const QString& text, int flags) override {
        requests.append({text, flags});
        if (failing) return std::nullopt;
        outstanding_.push_back(++lastUtterance_);
        return lastUtterance_;
    }

    QStringList texts() const {
        QStringList result;
        for (const Request& r : requests) result.append(r.text);
        return result;
    }

    // Ends the oldest utterance still being "spoken"; false when none is.
    bool finishNext() {
        if (outstanding_.empty()) return false;
        const Utterance utterance = outstanding_.front();
        outstanding_.pop_front();
        emit utteranceFinished(utterance);
        return true;
    }

  private:
    std::deque<Utterance> outstanding_;
    Utterance lastUtterance_ = 0;
};

// Installs a fresh RecordingSpeech for the life of a test and hands it out.
inline RecordingSpeech& installRecordingSpeech() {
    auto fake = std::make_unique<RecordingSpeech>();
    RecordingSpeech& handle = *fake;
    tawen::installSpeech(std::move(fake));
    return handle;
}
