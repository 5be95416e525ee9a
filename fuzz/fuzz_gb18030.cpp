// Our table-driven GB18030 decoding against the system's converter: any
// bytes, valid or not, must decode the same.
#include <cstdint>
#include <cstdlib>

#include "platform/gb18030_decoder.h"
#include "platform/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString expected = platform::decodeGb18030Reference(bytes);
    if (platform::decodeText(bytes) != expected) std::abort();
    // What we write reads back as it was, whatever text came in.
    if (platform::decodeText(platform::encodeText(expected)) != expected) std::abort();
    return 0;
}
