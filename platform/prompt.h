#pragma once

#include <QString>

#include <memory>
#include <optional>

// Every question the program puts to the learner and every message it shows
// goes through one Prompt, so tests can record them and answer from a script.
namespace platform {

inline constexpr const char* kProgramTitle = "Tawen";

class Prompt {
  public:
    virtual ~Prompt() = default;

    // A modal message with an OK button; an empty title shows the program's title.
    virtual void message(const QString& text, const QString& title = {}) = 0;

    // A line of text, or nothing when the learner cancels.
    virtual std::optional<QString> input(const QString& text, const QString& title,
                                         const QString& initial = {}) = 0;

    // A chosen file name, or the empty text when the learner cancels.
    virtual QString openFileName(const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& dir,
                                 const QString& filter) = 0;
};

// The Prompt of the run, set once at start-up (the Qt dialogs by default).
Prompt& prompt();
void installPrompt(std::unique_ptr<Prompt> replacement);

}  // namespace platform
