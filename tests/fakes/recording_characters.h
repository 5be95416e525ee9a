#pragma once

#include <QStringList>

#include <map>
#include <memory>

#include "agents/character_engine.h"

// Records what the windows ask of their characters, one line per call
// ("AgentIDA Speak Hello", "AgentIDB Wait AgentIDA#3"), and loads any file
// except those it is told are damaged. Nothing reaches the desktop.
class RecordingCharacters final : public tawen::CharacterEngine {
  public:
    QStringList log;
    QStringList damaged;        // file names Load refuses
    QStringList refusedVoices;  // voices setTTSModeID refuses, as if not installed

    class Character final : public tawen::AgentCharacter {
      public:
        Character(RecordingCharacters& engine, QString id, QString file)
            : engine_(engine), id_(std::move(id)), file_(std::move(file)) {}

        QString Name() const override { return file_.section(u'.', 0, 0); }
        int Left() const override { return left_; }
        int Top() const override { return top_; }
        int LanguageID() const override { return language_; }
        void setLanguageID(int language) override {
            language_ = language;
            note(QStringLiteral("LanguageID %1").arg(language));
        }
        QString TTSModeID() const override { return voice_; }
        bool setTTSModeID(const QString& voice) override {
            note(QStringLiteral("TTSModeID ") + voice);
            if (engine_.refusedVoices.contains(voice)) return false;
            voice_ = voice;
            return true;
        }
        QString BalloonFontName() const override { return face_; }
        void setBalloonFontName(const QString& face) override {
            face_ = face;
            note(QStringLiteral("BalloonFontName ") + face);
        }
        bool AutoPopupMenu() const override { return autoPopupMenu_; }
        void setAutoPopupMenu(bool on) override {
            autoPopupMenu_ = on;
            note(QStringLiteral("AutoPopupMenu %1").arg(on ? "True" : "False"));
        }
        tawen::AgentRequest Show() override { return request(QStringLiteral("Show")); }
        tawen::AgentRequest Hide() override { return request(QStringLiteral("Hide")); }
        tawen::AgentRequest MoveTo(int x, int y) override {
            left_ = x;
            top_ = y;
            return request(QStringLiteral("MoveTo %1 %2").arg(x).arg(y));
        }
        tawen::AgentRequest Play(const QString& animation) override {
            return request(QStringLiteral("Play ") + animation);
        }
        tawen::AgentRequest Speak(const QString& text) override {
            return request(QStringLiteral("Speak ") + text);
        }
        tawen::AgentRequest Wait(const tawen::AgentRequest& other) override {
            return request(QStringLiteral("Wait %1#%2").arg(other.character).arg(other.number));
        }
        tawen::AgentRequest GestureAt(int x, int y) override {
            return request(QStringLiteral("GestureAt %1 %2").arg(x).arg(y));
        }
        void Stop() override { note(QStringLiteral("Stop")); }

      private:
        void note(const QString& what) { engine_.log.append(id_ + u' ' + what); }
        tawen::AgentRequest request(const QString& what) {
            const tawen::AgentRequest made{id_, ++engine_.lastRequest_};
            note(QStringLiteral("%1 -> #%2").arg(what).arg(made.number));
            return made;
        }

        RecordingCharacters& engine_;
        QString id_;
        QString file_;
        int left_ = 0;
        int top_ = 0;
        int language_ = 0;
        QString voice_;
        QString face_;
        bool autoPopupMenu_ = true;
    };

    QString Load(const QString& id, const QString& file) override {
        log.append(id + QStringLiteral(" Load ") + file);
        if (damaged.contains(file))
            return QStringLiteral("动画精灵文件“%1”不能使用：已损坏。").arg(file);
        loaded_[id] = std::make_unique<Character>(*this, id, file);
        return {};
    }

    void Unload(const QString& id) override {
        log.append(id + QStringLiteral(" Unload"));
        loaded_.erase(id);
    }

    tawen::AgentCharacter* Characters(const QString& id) override {
        const auto found = loaded_.find(id);
        return found == loaded_.end() ? nullptr : found->second.get();
    }

    // The log lines from the nth on, without request numbers.
    QStringList callsFrom(qsizetype first) const {
        QStringList calls;
        for (qsizetype i = first; i < log.size(); ++i)
            calls.append(log[i].section(QStringLiteral(" -> "), 0, 0));
        return calls;
    }

    // The request number the log line at index gave.
    static quint64 numberIn(const QString& line) {
        return line.section(QStringLiteral(" -> #"), 1).toULongLong();
    }

    // Pretends a learner clicked a character.
    void click(const QString& id, int button) { emit Click(id, button, 0, 300, 300); }

  private:
    std::map<QString, std::unique_ptr<Character>> loaded_;
    quint64 lastRequest_ = 0;
};

// Installs a fresh RecordingCharacters for the life of a test and hands it out.
inline RecordingCharacters& installRecordingCharacters() {
    auto fake = std::make_unique<RecordingCharacters>();
    RecordingCharacters& handle = *fake;
    tawen::installCharacters(std::move(fake));
    return handle;
}
