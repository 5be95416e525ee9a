#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QIODevice;

namespace platform {

// One stream of mono 16-bit samples on the default sound output.
class SoundSink : public QObject {
    Q_OBJECT

  public:
    // Plays the source to its end. A sink that cannot start may report
    // failed() before start returns.
    virtual void start(QIODevice* source) = 0;

  signals:
    void drained();  // every sample has gone to the output
    void failed();   // the output would not open, or was lost while playing
};

// The sound outputs of the system: how many there are (without one nothing can
// be heard) and a sink on the default one.
class AudioOutputs {
  public:
    virtual ~AudioOutputs() = default;
    virtual int count() const = 0;
    virtual std::unique_ptr<SoundSink> openSink(int sampleRate) const;
};

// The outputs of the desktop's sound server, counted anew at every question:
// a server that stopped or an output unplugged since the last one counts.
// Both go through the sound module, loaded from `module` the first time; a
// module that cannot be loaded means no outputs and sinks that fail at once.
class SystemAudioOutputs final : public AudioOutputs {
  public:
    explicit SystemAudioOutputs(QString module = installedSoundModule());
    int count() const override;
    std::unique_ptr<SoundSink> openSink(int sampleRate) const override;

    // Beside the program (portable), else in its installed folder, lib/.../tawen.
    static QString installedSoundModule();

  private:
    QString module_;
};

int audioOutputCount();
std::unique_ptr<SoundSink> openSoundSink(int sampleRate);
void installAudioOutputs(std::unique_ptr<AudioOutputs> replacement);

}  // namespace platform
