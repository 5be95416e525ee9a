#pragma once

#include "platform/prompt.h"

namespace platform {

// The Prompt the learner sees: Qt's message box, input dialog and file dialogs.
class QtPrompt final : public Prompt {
  public:
    void message(const QString& text, const QString& title) override;
    std::optional<QString> input(const QString& text, const QString& title,
                                 const QString& initial) override;
    QString openFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& dir, const QString& filter) override;
};

}  // namespace platform
