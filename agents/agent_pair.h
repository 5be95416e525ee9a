#pragma once

#include <QString>

#include "agents/character_engine.h"

namespace tawen {

// Which side of a word each character says. With EnglishFirst (缓出中文) A
// asks with the English word and B answers with the Chinese meaning; with
// ChineseFirst (缓出英文) A asks in Chinese and B answers in English.
enum class Roles { EnglishFirst, ChineseFirst };

// Which way the two look as they speak: by where they stand, or always A to
// its left and B to its right (as they were placed).
enum class Looks { ByPosition, AsPlaced };

// The two characters of the agent first-learn acting together. Each keeps
// the last request it was given, so the other can wait for it and the two
// take turns.
class AgentPair {
  public:
    AgentPair(AgentCharacter& a, AgentCharacter& b) : a_(a), b_(b) {}

    AgentCharacter& a() { return a_; }
    AgentCharacter& b() { return b_; }

    // The greeting: they point at each other, congratulate, introduce
    // themselves, greet, say who asks in which language, wave, get ready,
    // and A does a trick that B acknowledges. Nothing of it is spoken aloud:
    // every line only shows in its balloon.
    void greet(Roles roles);

    // One exchange over a word: A says its side and looks, B waits for it,
    // answers with the other side and looks, and A waits for B.
    void exchange(Roles roles, const QString& english, const QString& chinese, Looks looks);

    // Whether the learner has dragged B to the left of A.
    bool bStandsLeft() const { return b_.Left() < a_.Left(); }

  private:
    void bothPlay(const QString& animation);
    void bothSay(const QString& aLine, const QString& bLine);

    AgentCharacter& a_;
    AgentCharacter& b_;
    AgentRequest lastA_;
    AgentRequest lastB_;
};

// A balloon text that says nothing aloud: \Map=""="text"\.
QString shownOnly(const QString& text);

// The text with a blank between every two characters, as the character
// speaking English writes its Chinese lines: "准 备 好 了 吗 ？".
QString spacedOut(const QString& text);

}  // namespace tawen
