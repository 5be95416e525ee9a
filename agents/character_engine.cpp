#include "agents/character_engine.h"

#include <QDir>

#include "agents/desktop_characters.h"
#include "platform/paths.h"
#include "platform/seam.h"

namespace tawen {

QString characterFolder() {
    return platform::SharedDir() + QStringLiteral("/system/msagent/chars/");
}

QStringList characterFiles() { return QDir(characterFolder()).entryList(QDir::Files, QDir::Name); }

CharacterEngine& characters() { return *platform::seamSlot<CharacterEngine, DesktopCharacters>(); }

void installCharacters(std::unique_ptr<CharacterEngine> replacement) {
    platform::seamSlot<CharacterEngine, DesktopCharacters>() = std::move(replacement);
}

}  // namespace tawen
