#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

// The animated desktop characters: two of them at a time act out a dialogue
// or quiz the learner's words. A window loads each character under an
// identifier of its own and gives it requests; every character runs its own
// requests one after another, and Wait lets one character hold its queue
// until a request of another has ended, so the two take turns.
namespace tawen {

// One request given to a character: which character and its place in that
// character's queue. A default one names nothing and counts as ended.
struct AgentRequest {
    QString character;
    quint64 number = 0;
};

class AgentCharacter {
  public:
    virtual ~AgentCharacter() = default;

    virtual QString Name() const = 0;
    // The figure's window on the screen, in pixels.
    virtual int Left() const = 0;
    virtual int Top() const = 0;

    // 1033 speaks English; 0 (the start) lets the engine pick by the text.
    virtual int LanguageID() const = 0;
    virtual void setLanguageID(int language) = 0;

    // The voice by the name the voice choice shows (agents/voices.h); empty is
    // the default voice. A voice that cannot be produced is refused at once
    // (false) and the old one kept.
    virtual QString TTSModeID() const = 0;
    virtual bool setTTSModeID(const QString& voice) = 0;

    virtual QString BalloonFontName() const = 0;
    virtual void setBalloonFontName(const QString& face) = 0;

    // Whether a right click pops up the engine's own menu; the windows switch
    // it off and pop up theirs on Click.
    virtual bool AutoPopupMenu() const = 0;
    virtual void setAutoPopupMenu(bool on) = 0;

    virtual AgentRequest Show() = 0;
    virtual AgentRequest Hide() = 0;
    // A glide to the new place (a jump while hidden).
    virtual AgentRequest MoveTo(int x, int y) = 0;
    // A named animation; a name the character lacks ends at once.
    virtual AgentRequest Play(const QString& animation) = 0;
    // Says the text with its words in a balloon. \Map="spoken"="shown"\ says
    // the first text and shows the second.
    virtual AgentRequest Speak(const QString& text) = 0;
    // Holds this character's queue until the other character's request ends.
    virtual AgentRequest Wait(const AgentRequest& other) = 0;
    // Points towards a place on the screen.
    virtual AgentRequest GestureAt(int x, int y) = 0;
    // Ends what the character is doing and drops every request queued.
    virtual void Stop() = 0;
};

// Loads, hands out and unloads characters. Set once at start-up.
class CharacterEngine : public QObject {
    Q_OBJECT

  public:
    // Loads the character file `file`, a bare name in characterFolder(), under
    // `id` (replacing a character loaded under it before). Gives the reason
    // when it cannot, empty when the character is loaded; the file is only
    // ever read.
    [[nodiscard]] virtual QString Load(const QString& id, const QString& file) = 0;
    virtual void Unload(const QString& id) = 0;
    // The character loaded under id, or none.
    virtual AgentCharacter* Characters(const QString& id) = 0;

  signals:
    // A character was clicked: Button 1 left, 2 right; Shift the keys held
    // (1 Shift, 2 Ctrl, 4 Alt); X and Y on the screen.
    void Click(const QString& characterId, int button, int shift, int x, int y);
};

// WindowsDir() + "msagent/chars/": every file there is a character.
QString characterFolder();
// The files of the character folder in name order.
QStringList characterFiles();

// The engine of the run: our own desktop characters unless another is installed.
CharacterEngine& characters();
void installCharacters(std::unique_ptr<CharacterEngine> replacement);

}  // namespace tawen
