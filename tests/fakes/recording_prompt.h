#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/prompt.h"

// Records every message with its title and answers questions from a script,
// so window tests can run without anyone at the keyboard.
class RecordingPrompt final : public platform::Prompt {
  public:
    struct Message {
        QString text;
        QString title;
    };

    QList<Message> messages;
    QList<std::optional<QString>> inputAnswers;  // taken in order; nothing left = cancel
    QStringList fileAnswers;                     // taken in order; nothing left = cancel
    QStringList inputPrompts;

    void message(const QString& text, const QString& title) override {
        messages.append({text, title});
    }

    std::optional<QString> input(const QString& text, const QString& title,
                                 const QString&) override {
        inputPrompts.append(title + u'|' + text);
        return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.takeFirst();
    }

    QString openFileName(const QString&, const QString&, const QString&) override {
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QString saveFileName(const QString&, const QString&, const QString&) override {
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QStringList texts() const {
        QStringList result;
        for (const Message& m : messages) result.append(m.text);
        return result;
    }
};

// Installs a fresh RecordingPrompt for the life of a test and hands it out.
inline RecordingPrompt& installRecordingPrompt() {
    auto fake = std::make_unique<RecordingPrompt>();
    RecordingPrompt& handle = *fake;
    platform::installPrompt(std::move(fake));
    return handle;
}
