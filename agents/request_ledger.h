#pragma once

#include <QObject>

#include <map>

#include "agents/character_engine.h"

namespace tawen {

// Numbers the requests of every loaded character and knows which have ended.
// A character ends its requests in the order given (a stop ends all it
// holds), so one number per character says which have ended: those up to it.
class RequestLedger final : public QObject {
    Q_OBJECT

  public:
    AgentRequest issue(const QString& character) { return {character, ++last_}; }

    // A character newly loaded: nothing before it can be waited for.
    void open(const QString& character);
    // A character unloaded: whoever waits for it waits no more.
    void close(const QString& character);
    void end(const AgentRequest& request);
    bool hasEnded(const AgentRequest& request) const;

  signals:
    void ended();

  private:
    quint64 last_ = 0;
    std::map<QString, quint64> endedThrough_;
};

}  // namespace tawen
