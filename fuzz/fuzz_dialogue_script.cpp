// Dialogue scripts a learner loads: any bytes become rows, the last perhaps
// without its Chinese, without fault.
#include <cstdint>

#include "agents/dialogue_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)tawen::parseDialogueScript(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
