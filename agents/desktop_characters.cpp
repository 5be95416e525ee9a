#include "agents/desktop_characters.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tawen {

namespace {

constexpr qint64 kLargestFile = 4 * 1024 * 1024;

// Character windows must go before the application object does, and the
// engine may outlive it (it lives as long as the process).
DesktopCharacters* liveEngine = nullptr;

void unloadAtExit() {
    if (liveEngine) liveEngine->unloadAll();
}

}  // namespace

std::variant<LoadedCharacter, QString> readCharacterFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("文件不存在或不能读");
    if (file.size() > kLargestFile) return QStringLiteral("文件太大");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return QStringLiteral("文件不能读");
    std::variant<CharacterDesign, QString> design = parseCharacter(bytes);
    if (const QString* why = std::get_if<QString>(&design)) return *why;
    std::variant<CharacterArt, QString> art = CharacterArt::make(std::get<CharacterDesign>(design));
    if (const QString* why = std::get_if<QString>(&art)) return *why;
    return LoadedCharacter{std::move(std::get<CharacterDesign>(design)),
                           std::move(std::get<CharacterArt>(art))};
}

DesktopCharacters::DesktopCharacters() {
    liveEngine = this;
    qAddPostRoutine(&unloadAtExit);
}

DesktopCharacters::~DesktopCharacters() {
    if (liveEngine == this) liveEngine = nullptr;
    unloadAll();
}

QString DesktopCharacters::Load(const QString& id, const QString& file) {
    // A bare name: nothing outside the character folder is a character.
    std::variant<LoadedCharacter, QString> read =
        file.contains(u'/') || file.startsWith(u'.')
            ? std::variant<LoadedCharacter, QString>(QStringLiteral("不是精灵文件夹里的文件"))
            : readCharacterFile(characterFolder() + file);
    if (const QString* why = std::get_if<QString>(&read))
        return QStringLiteral("动画精灵文件“%1”不能使用：%2。").arg(file, *why);
    Unload(id);
    LoadedCharacter& character = std::get<LoadedCharacter>(read);
    ledger_.open(id);
    auto made = std::make_unique<DesktopCharacter>(id, std::move(character.design),
                                                   std::move(character.art), ledger_);
    connect(made.get(), &DesktopCharacter::clicked, this,
            [this, id](int button, int shift, QPoint global) {
                emit Click(id, button, shift, global.x(), global.y());
            });
    loaded_[id] = std::move(made);
    return {};
}

void DesktopCharacters::Unload(const QString& id) {
    const auto found = loaded_.find(id);
    if (found == loaded_.end()) return;
    // Out of the map first: a wait on it may run while it goes.
    std::unique_ptr<DesktopCharacter> leaving = std::move(found->second);
    loaded_.erase(found);
    leaving.reset();
    ledger_.close(id);
}

DesktopCharacter* DesktopCharacters::character(const QString& id) {
    const auto found = loaded_.find(id);
    return found == loaded_.end() ? nullptr : found->second.get();
}

void DesktopCharacters::unloadAll() {
    while (!loaded_.empty()) Unload(QString(loaded_.begin()->first));
}

}  // namespace tawen
