#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <deque>
#include <memory>
#include <optional>

#include "agents/character_art.h"
#include "agents/character_engine.h"
#include "agents/figure_window.h"
#include "agents/request_ledger.h"
#include "agents/speech_balloon.h"
#include "agents/speech_engine.h"

namespace tawen {

// A character on the desktop: its figure window, its balloon, and its queue
// of requests, run on the event loop with a frame timer. A request starts
// when the one before it has ended; while nothing moves it, the character
// plays its quiet idle motion.
class DesktopCharacter final : public QObject, public AgentCharacter {
    Q_OBJECT

  public:
    DesktopCharacter(const QString& id, CharacterDesign design, CharacterArt art,
                     RequestLedger& ledger);
    ~DesktopCharacter() override;

    QString Name() const override { return design_.name; }
    int Left() const override { return figure_.x(); }
    int Top() const override { return figure_.y(); }
    int LanguageID() const override { return language_; }
    void setLanguageID(int language) override { language_ = language; }
    QString TTSModeID() const override { return voice_; }
    bool setTTSModeID(const QString& voice) override;
    QString BalloonFontName() const override { return balloonFace_; }
    void setBalloonFontName(const QString& face) override { balloonFace_ = face; }
    bool AutoPopupMenu() const override { return autoPopupMenu_; }
    void setAutoPopupMenu(bool on) override { autoPopupMenu_ = on; }

    AgentRequest Show() override;
    AgentRequest Hide() override;
    AgentRequest MoveTo(int x, int y) override;
    AgentRequest Play(const QString& animation) override;
    AgentRequest Speak(const QString& text) override;
    AgentRequest Wait(const AgentRequest& other) override;
    AgentRequest GestureAt(int x, int y) override;
    void Stop() override;

    const FigureWindow& figure() const { return figure_; }
    const SpeechBalloon& balloon() const { return balloon_; }
    // Whether a request is running or waiting.
    bool busy() const { return current_ || !queue_.empty(); }

  signals:
    void clicked(int button, int shift, QPoint global);

  private:
    enum class Kind { Show, Hide, MoveTo, Play, Speak, Wait, GestureAt };
    struct Pending {
        AgentRequest request;
        Kind kind;
        QString text;
        QPoint point;
        AgentRequest other;
    };

    AgentRequest enqueue(Kind kind, const QString& text = {}, QPoint point = {},
                         const AgentRequest& other = {});
    void startNext();
    void begin(const Pending& pending);
    void beginMotion(const QString& name);
    void beginGlide(QPoint to);
    void beginSpeaking(const QString& text);
    void beginWaiting(const AgentRequest& other);
    void endSpeaking();
    void finish();
    void halt();
    void tick();
    Pose idlePose(qint64 now) const;
    void onClicked(int button, int shift, QPoint global);

    QString id_;
    CharacterDesign design_;
    CharacterArt art_;
    RequestLedger& ledger_;
    FigureWindow figure_;
    SpeechBalloon balloon_;

    std::deque<Pending> queue_;
    std::optional<Pending> current_;

    QTimer frames_;
    QElapsedTimer clock_;
    qint64 idleStart_ = 0;
    const Motion* motion_ = nullptr;  // playing
    qint64 motionStart_ = 0;
    std::optional<QPoint> glideFrom_;  // gliding from there to the request's point
    qint64 glideStart_ = 0;
    int glideMs_ = 0;
    bool talking_ = false;
    qint64 talkStart_ = 0;
    std::optional<quint64> utterance_;
    QTimer reading_;  // a balloon nobody hears stays for a reading time
    QMetaObject::Connection listening_;

    int language_ = 0;
    QString voice_;
    std::unique_ptr<SpeechEngine> ownVoice_;  // none: the default voice, the engine of the run
    QString balloonFace_ = QStringLiteral("宋体");
    bool autoPopupMenu_ = true;
};

}  // namespace tawen
