#include "agents/request_ledger.h"

#include <algorithm>

namespace tawen {

void RequestLedger::open(const QString& character) {
    endedThrough_[character] = last_;
    emit ended();
}

void RequestLedger::close(const QString& character) {
    endedThrough_.erase(character);
    emit ended();
}

void RequestLedger::end(const AgentRequest& request) {
    quint64& through = endedThrough_[request.character];
    through = std::max(through, request.number);
    emit ended();
}

bool RequestLedger::hasEnded(const AgentRequest& request) const {
    const auto found = endedThrough_.find(request.character);
    return found == endedThrough_.end() || found->second >= request.number;
}

}  // namespace tawen
