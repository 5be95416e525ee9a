#include "shell/byte_limit_validator.h"

#include "platform/text_codec.h"

namespace tawen {

ByteLimitValidator::ByteLimitValidator(qsizetype maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
    if (platform::encodedLength(input) <= maxBytes_) return Acceptable;
    input = platform::fitToBytes(input, maxBytes_);
    pos = std::min(pos, static_cast<int>(input.size()));
    return Acceptable;
}

}  // namespace tawen
