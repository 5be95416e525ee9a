#pragma once

#include <QDir>
#include <QFile>

#include "fakes/recording_launcher.h"
#include "fakes/recording_prompt.h"
#include "fakes/recording_speech.h"
#include "fakes/temp_root.h"
#include "platform/audio_outputs.h"
#include "shell/window_directory.h"

// A machine with the given number of sound outputs.
class FixedAudioOutputs final : public platform::AudioOutputs {
  public:
    explicit FixedAudioOutputs(int count) : count_(count) {}
    int count() const override { return count_; }

  private:
    int count_;
};

// What a window test stands on: a program root of its own holding the courses
// the build made, one sound output, and recording fakes for messages,
// speech and program starts. Nothing reaches the screen's owner, the speakers,
// a browser or a restarter.
class Desktop {
  public:
    explicit Desktop(int audioOutputs = 1)
        : prompt(installRecordingPrompt()),
          speech(installRecordingSpeech()),
          launcher(installRecordingLauncher()) {
        platform::installAudioOutputs(std::make_unique<FixedAudioOutputs>(audioOutputs));
        tawen::registerWindows();
        const QDir shipped(QStringLiteral(TAWEN_STAGE_DIR "/Word"));
        for (const QString& file : shipped.entryList({QStringLiteral("*.twn")}, QDir::Files))
            QFile::copy(shipped.filePath(file), root.path(QStringLiteral("Word/") + file));
    }

    TempRoot root;
    RecordingPrompt& prompt;
    RecordingSpeech& speech;
    RecordingLauncher& launcher;
};
