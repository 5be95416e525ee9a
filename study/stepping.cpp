#include "study/stepping.h"

#include <algorithm>

#include "platform/random_source.h"

namespace tawen {

namespace {

// The range may arrive in either order; the smaller bound is the first row.
// The sum is taken in full width so a stride beyond the last row of a full
// table cannot wrap round the 16-bit row before it is compared.
WordRow forward(WordRow row, const StudyRange& range, int stride) {
    const int first = std::min(range.first, range.last);
    const int last = std::max(range.first, range.last);
    const int next = row + stride;
    return WordRow(next > last ? first : next);
}

WordRow backward(WordRow row, const StudyRange& range, int stride) {
    const int first = std::min(range.first, range.last);
    const int last = std::max(range.first, range.last);
    const int next = row - stride;
    return WordRow(next < first ? last : next);
}

}  // namespace

int RandomStride() {
    // Drawn in single precision, as the stride has always been computed.
    const float r = float(platform::random().next());
    return std::clamp(int(r / 3 * 10 + 1), 1, 4);
}

WordRow StepForward(WordRow row, const StudyRange& range) { return forward(row, range, 1); }

WordRow StepBackward(WordRow row, const StudyRange& range) { return backward(row, range, 1); }

WordRow JumpForward(WordRow row, const StudyRange& range, int stride) {
    return forward(row, range, stride);
}

WordRow JumpBackward(WordRow row, const StudyRange& range, int stride) {
    return backward(row, range, stride);
}

}  // namespace tawen
