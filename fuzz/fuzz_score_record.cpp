// Score records edited by hand: any text splits into fields and is judged
// for the curve without fault.
#include <cstdint>

#include "platform/text_codec.h"
#include "study/score_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tawen;
    const QString record =
        platform::decodeText(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    (void)scorePoint(parseScoreRecord(record));
    return 0;
}
