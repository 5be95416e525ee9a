#include "agents/agent_pair.h"

namespace tawen {

QString shownOnly(const QString& text) {
    return QStringLiteral("\\Map=\"\"=\"") + text + QStringLiteral("\"\\");
}

QString spacedOut(const QString& text) {
    QStringList characters;
    for (const QChar c : text) characters.append(c);
    return characters.join(u' ');
}

void AgentPair::bothPlay(const QString& animation) {
    lastA_ = a_.Play(animation);
    b_.Wait(lastA_);
    lastB_ = b_.Play(animation);
    a_.Wait(lastB_);
}

void AgentPair::bothSay(const QString& aLine, const QString& bLine) {
    lastA_ = a_.Speak(shownOnly(aLine));
    b_.Wait(lastA_);
    lastB_ = b_.Speak(shownOnly(bLine));
    a_.Wait(lastB_);
}

void AgentPair::greet(Roles roles) {
    const bool aSpeaksEnglish = roles == Roles::EnglishFirst;
    // The one who speaks English writes its Chinese with blanks between.
    const auto line = [](bool english, const QString& text) {
        return english ? spacedOut(text) : text;
    };
    const auto introduction = [](bool english, const QString& name) {
        return english
                   ? spacedOut(QStringLiteral("您好！我是")) + u' ' + name + QStringLiteral(" 。")
                   : QStringLiteral("您好！我是") + name + QStringLiteral("。");
    };

    lastA_ = a_.GestureAt(b_.Left(), b_.Top());
    lastB_ = b_.GestureAt(a_.Left(), a_.Top());
    bothPlay(QStringLiteral("Congratulate"));
    bothSay(introduction(aSpeaksEnglish, a_.Name()), introduction(!aSpeaksEnglish, b_.Name()));
    bothPlay(QStringLiteral("greet"));
    if (aSpeaksEnglish)
        bothSay(spacedOut(QStringLiteral("我负责用英语提问。")),
                QStringLiteral("我负责用中文回答。"));
    else
        bothSay(QStringLiteral("我负责用中文提问。"),
                spacedOut(QStringLiteral("我负责用英语回答。")));
    bothPlay(QStringLiteral("Wave"));
    bothSay(line(aSpeaksEnglish, QStringLiteral("准备好了吗？")),
            line(!aSpeaksEnglish, QStringLiteral("开始吧！")));
    lastA_ = a_.Play(QStringLiteral("domagic2"));
    b_.Wait(lastA_);
    lastB_ = b_.Play(QStringLiteral("acknowledge"));
}

void AgentPair::exchange(Roles roles, const QString& english, const QString& chinese, Looks looks) {
    const bool englishFirst = roles == Roles::EnglishFirst;
    // Each looks towards the other: A to its right when B has been dragged
    // over to its left.
    const bool swapped = looks == Looks::ByPosition && bStandsLeft();
    a_.Speak(englishFirst ? english : chinese);
    lastA_ = a_.Play(swapped ? QStringLiteral("Lookright") : QStringLiteral("LookLeft"));
    b_.Wait(lastA_);
    b_.Speak(englishFirst ? chinese : english);
    lastB_ = b_.Play(swapped ? QStringLiteral("LookLeft") : QStringLiteral("Lookright"));
    a_.Wait(lastB_);
}

}  // namespace tawen
