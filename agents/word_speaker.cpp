#include "agents/word_speaker.h"

#include "agents/speech_engine.h"
#include "platform/prompt.h"

namespace tawen {

void WordSpeaker::speak(const QString& text, Reading reading) {
    if (speech().Speak(text, flags_)) {
        failureShown_ = false;
        return;
    }
    if (reporting_ || (failureShown_ && reading == Reading::Timed)) return;
    failureShown_ = true;
    reporting_ = true;
    platform::prompt().message(QStringLiteral("本程序只能阅读英文文档"),
                               QStringLiteral("错误提示"));
    reporting_ = false;
}

}  // namespace tawen
