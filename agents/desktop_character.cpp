#include "agents/desktop_character.h"

#include <QMenu>

#include <algorithm>
#include <cmath>

#include "agents/character_voices.h"
#include "agents/speech_engine.h"
#include "agents/speech_text.h"

namespace tawen {

namespace {

constexpr int kFrameMs = 33;         // about thirty frames a second
constexpr double kGlidePerMs = 0.6;  // pixels
constexpr int kShortestGlideMs = 200;
constexpr int kLongestGlideMs = 1500;
constexpr int kNormalPriority = 512;     // a character never cuts another short
constexpr int kReadingMs = 1200;         // a balloon nobody hears: this long,
constexpr int kReadingPerCharMs = 90;    // and this much more for each character,
constexpr int kLongestReadingMs = 9000;  // but no longer

}  // namespace

DesktopCharacter::DesktopCharacter(const QString& id, CharacterDesign design, CharacterArt art,
                                   RequestLedger& ledger)
    : id_(id), design_(std::move(design)), art_(std::move(art)), ledger_(ledger), figure_(art_) {
    clock_.start();
    // Named, so the desktop's tools (and our end-to-end runs) can tell them apart.
    figure_.setWindowTitle(design_.name);
    balloon_.setWindowTitle(design_.name + QStringLiteral(" 说"));
    figure_.showPose(design_.restPose());
    frames_.setInterval(kFrameMs);
    connect(&frames_, &QTimer::timeout, this, &DesktopCharacter::tick);
    reading_.setSingleShot(true);
    connect(&reading_, &QTimer::timeout, this, &DesktopCharacter::endSpeaking);
    connect(&figure_, &FigureWindow::clicked, this, &DesktopCharacter::onClicked);
    connect(&figure_, &FigureWindow::dragged, this,
            [this] { balloon_.placeOver(figure_.geometry()); });
}

DesktopCharacter::~DesktopCharacter() { disconnect(listening_); }

bool DesktopCharacter::setTTSModeID(const QString& voice) {
    std::unique_ptr<SpeechEngine> engine;
    if (!voice.isEmpty()) {
        engine = characterVoices().make(voice);
        if (!engine) return false;
    }
    // A line still being said in the old voice would never be heard to its end.
    if (utterance_) endSpeaking();
    ownVoice_ = std::move(engine);
    voice_ = voice;
    return true;
}

AgentRequest DesktopCharacter::Show() { return enqueue(Kind::Show); }
AgentRequest DesktopCharacter::Hide() { return enqueue(Kind::Hide); }
AgentRequest DesktopCharacter::MoveTo(int x, int y) { return enqueue(Kind::MoveTo, {}, {x, y}); }
AgentRequest DesktopCharacter::Play(const QString& animation) {
    return enqueue(Kind::Play, animation);
}
AgentRequest DesktopCharacter::Speak(const QString& text) { return enqueue(Kind::Speak, text); }
AgentRequest DesktopCharacter::Wait(const AgentRequest& other) {
    return enqueue(Kind::Wait, {}, {}, other);
}
AgentRequest DesktopCharacter::GestureAt(int x, int y) {
    return enqueue(Kind::GestureAt, {}, {x, y});
}

void DesktopCharacter::Stop() {
    if (!busy()) return;
    const AgentRequest last = queue_.empty() ? current_->request : queue_.back().request;
    queue_.clear();
    current_.reset();
    halt();
    balloon_.dismiss();
    ledger_.end(last);
}

AgentRequest DesktopCharacter::enqueue(Kind kind, const QString& text, QPoint point,
                                       const AgentRequest& other) {
    const AgentRequest request = ledger_.issue(id_);
    queue_.push_back({request, kind, text, point, other});
    startNext();
    return request;
}

void DesktopCharacter::startNext() {
    if (current_ || queue_.empty()) return;
    current_ = queue_.front();
    queue_.pop_front();
    begin(*current_);
}

void DesktopCharacter::begin(const Pending& pending) {
    switch (pending.kind) {
        case Kind::Show:
            figure_.show();
            balloon_.placeOver(figure_.geometry());
            idleStart_ = clock_.elapsed();
            frames_.start();
            return finish();
        case Kind::Hide:
            figure_.hide();
            balloon_.dismiss();
            return finish();
        case Kind::MoveTo:
            return beginGlide(pending.point);
        case Kind::Play:
            return beginMotion(pending.text);
        case Kind::GestureAt: {
            const bool left = pending.point.x() < figure_.geometry().center().x();
            return beginMotion(QLatin1String(left ? "PointLeft" : "PointRight"));
        }
        case Kind::Speak:
            return beginSpeaking(pending.text);
        case Kind::Wait:
            return beginWaiting(pending.other);
    }
}

void DesktopCharacter::beginMotion(const QString& name) {
    const auto found = design_.motions.find(name);
    if (found == design_.motions.end()) return finish();
    motion_ = &found->second;
    motionStart_ = clock_.elapsed();
    frames_.start();
    tick();
}

void DesktopCharacter::beginGlide(QPoint to) {
    const QPoint from = figure_.pos();
    if (!figure_.isVisible() || from == to) {
        figure_.move(to);
        balloon_.placeOver(figure_.geometry());
        return finish();
    }
    glideFrom_ = from;
    glideStart_ = clock_.elapsed();
    const double distance = std::hypot(to.x() - from.x(), to.y() - from.y());
    glideMs_ = std::clamp(int(distance / kGlidePerMs), kShortestGlideMs, kLongestGlideMs);
    frames_.start();
}

void DesktopCharacter::beginSpeaking(const QString& text) {
    const SpeechText words = splitSpeechText(text);
    balloon_.placeOver(figure_.geometry());
    if (figure_.isVisible()) balloon_.say(words.shown, balloonFace_);
    talking_ = true;
    talkStart_ = clock_.elapsed();
    SpeechEngine& engine = ownVoice_ ? *ownVoice_ : speech();
    const std::optional<quint64> utterance = words.spoken.trimmed().isEmpty()
                                                 ? std::nullopt
                                                 : engine.Speak(words.spoken, kNormalPriority);
    if (utterance) {
        utterance_ = utterance;
        listening_ =
            connect(&engine, &SpeechEngine::utteranceFinished, this, [this](quint64 ended) {
                if (ended == utterance_) endSpeaking();
            });
    } else {
        // Unheard (nothing to say, no sound, or the voice refused it): the
        // words stay up for a reading time, and the request ends all the same.
        reading_.start(
            std::min(kReadingMs + kReadingPerCharMs * int(words.shown.size()), kLongestReadingMs));
    }
}

void DesktopCharacter::beginWaiting(const AgentRequest& other) {
    if (ledger_.hasEnded(other)) return finish();
    listening_ = connect(&ledger_, &RequestLedger::ended, this, [this] {
        if (current_ && ledger_.hasEnded(current_->other)) finish();
    });
}

void DesktopCharacter::endSpeaking() {
    balloon_.linger();
    finish();
}

void DesktopCharacter::finish() {
    if (!current_) return;
    const AgentRequest done = current_->request;
    current_.reset();
    halt();
    ledger_.end(done);
    // The next request starts from the event loop, never inside the step
    // that ended this one (which may be another character's).
    QMetaObject::invokeMethod(this, &DesktopCharacter::startNext, Qt::QueuedConnection);
}

// Leaves whatever the character was doing, back to its idle motion.
void DesktopCharacter::halt() {
    disconnect(listening_);
    reading_.stop();
    utterance_.reset();
    motion_ = nullptr;
    glideFrom_.reset();
    talking_ = false;
    idleStart_ = clock_.elapsed();
}

void DesktopCharacter::tick() {
    const qint64 now = clock_.elapsed();
    if (glideFrom_) {
        const double f = std::min(1.0, double(now - glideStart_) / glideMs_);
        const double eased = f * f * (3 - 2 * f);
        const QPoint to = current_->point;
        figure_.move(*glideFrom_ + (to - *glideFrom_) * eased);
        balloon_.placeOver(figure_.geometry());
        if (f >= 1) finish();
    }
    if (motion_) {
        const qint64 elapsed = now - motionStart_;
        if (elapsed >= motion_->duration()) {
            figure_.showPose(motion_->poseAt(elapsed));
            finish();
        } else {
            figure_.showPose(motion_->poseAt(elapsed));
            return;
        }
    }
    if (!figure_.isVisible() && !busy()) {
        frames_.stop();
        return;
    }
    figure_.showPose(idlePose(now));
}

Pose DesktopCharacter::idlePose(qint64 now) const {
    const Motion& idle = design_.motions.at(QStringLiteral("Idle"));
    Pose pose = idle.poseAt(double((now - idleStart_) % idle.duration()));
    if (talking_) {
        const Motion& talk = design_.motions.at(QStringLiteral("Talk"));
        const Pose mouth = talk.poseAt(double((now - talkStart_) % talk.duration()));
        for (size_t part = 0; part < pose.size(); ++part)
            if (talk.moves()[part]) pose[part] = mouth[part];
    }
    return pose;
}

void DesktopCharacter::onClicked(int button, int shift, QPoint global) {
    if (button == 2 && autoPopupMenu_) {
        QMenu menu;
        menu.addAction(QStringLiteral("隐藏(&H)"), this, [this] { Hide(); });
        menu.exec(global);
    }
    emit clicked(button, shift, global);
}

}  // namespace tawen
