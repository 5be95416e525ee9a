#include "platform/prompt.h"

#include "platform/qt_prompt.h"
#include "platform/seam.h"

namespace platform {

Prompt& prompt() { return *seamSlot<Prompt, QtPrompt>(); }

void installPrompt(std::unique_ptr<Prompt> replacement) {
    seamSlot<Prompt, QtPrompt>() = std::move(replacement);
}

}  // namespace platform
