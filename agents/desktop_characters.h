#pragma once

#include <map>
#include <memory>

#include "agents/character_engine.h"
#include "agents/desktop_character.h"
#include "agents/request_ledger.h"

namespace tawen {

// The character engine of the program: characters from our own files, each
// in a window of its own on the desktop.
class DesktopCharacters final : public CharacterEngine {
    Q_OBJECT

  public:
    DesktopCharacters();
    ~DesktopCharacters() override;

    QString Load(const QString& id, const QString& file) override;
    void Unload(const QString& id) override;
    AgentCharacter* Characters(const QString& id) override { return character(id); }

    DesktopCharacter* character(const QString& id);
    void unloadAll();

  private:
    RequestLedger ledger_;
    std::map<QString, std::unique_ptr<DesktopCharacter>> loaded_;
};

// Reads a character file: the design and its artwork, or why it cannot be
// used (in Chinese, for the learner).
struct LoadedCharacter {
    CharacterDesign design;
    CharacterArt art;
};
std::variant<LoadedCharacter, QString> readCharacterFile(const QString& path);

}  // namespace tawen
