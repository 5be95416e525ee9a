// Character files dropped into the character folder: any bytes are a
// character or a reason why not, and a character's artwork draws in the
// pose of any of its motions, without fault.
#include <cstdint>

#include "agents/character_art.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tawen;
    auto design =
        parseCharacter(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const CharacterDesign* character = std::get_if<CharacterDesign>(&design);
    if (!character) return 0;
    auto art = CharacterArt::make(*character);
    const CharacterArt* drawn = std::get_if<CharacterArt>(&art);
    if (!drawn) return 0;
    for (const auto& [name, motion] : character->motions)
        (void)drawn->render(motion.poseAt(motion.duration() / 2.0));
    return 0;
}
