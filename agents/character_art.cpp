#include "agents/character_art.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "agents/art_module.h"
#include "platform/install_layout.h"
#include "platform/module_library.h"

namespace tawen {

namespace {

constexpr double kDetail = 2;  // picture pixels per screen pixel
constexpr double kMargin = 4;  // room for strokes outside a group's bounds

// Where a part's own movement takes the points of the rest pose.
QTransform movement(const FigurePart& part, const PartState& state) {
    QTransform t;
    t.translate(part.pivot.x() + state[Channel::X], part.pivot.y() + state[Channel::Y]);
    t.rotate(state[Channel::Rot]);
    t.scale(state[Channel::ScaleX], state[Channel::ScaleY]);
    t.translate(-part.pivot.x(), -part.pivot.y());
    return t;
}

// The drawing module, loaded the first time a character is drawn.
const art::Module* artModule() {
    static const art::Module* const module = platform::moduleAt<art::Module>(
        platform::besideOrInstalled(QLatin1String(art::kModuleFile), platform::kBinToModules),
        art::kModuleEntry);
    return module;
}

}  // namespace

std::variant<CharacterArt, QString> CharacterArt::make(const CharacterDesign& design) {
    const art::Module* module = artModule();
    if (module == nullptr)
        return QStringLiteral("缺少图画模块 %1，请重新安装塔文英语单词")
            .arg(QLatin1String(art::kModuleFile));
    const std::unique_ptr<art::Drawing> svg = module->read(design.artwork);
    if (!svg) return QStringLiteral("图画已损坏");
    CharacterArt art;
    art.size_ = design.size;
    art.origin_ = design.origin;
    art.parts_ = design.parts;
    for (const FigurePart& part : design.parts) {
        Piece piece;
        if (part.drawn) {
            if (!svg->hasPart(part.id)) return QStringLiteral("图画里没有部件“%1”").arg(part.id);
            const QRectF bounds = svg->partBounds(part.id);
            if (bounds.isEmpty()) return QStringLiteral("部件“%1”什么也没有画").arg(part.id);
            piece.place = bounds.adjusted(-kMargin, -kMargin, kMargin, kMargin);
            const QSize pixels(int(std::ceil(piece.place.width() * kDetail)),
                               int(std::ceil(piece.place.height() * kDetail)));
            if (pixels.width() > 4000 || pixels.height() > 4000)
                return QStringLiteral("部件“%1”的大小不对").arg(part.id);
            piece.picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            piece.picture.fill(Qt::transparent);
            QPainter painter(&piece.picture);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(kDetail, kDetail);
            painter.translate(-piece.place.topLeft());
            svg->paintPart(painter, part.id, bounds);
        }
        art.pieces_.push_back(std::move(piece));
    }
    return art;
}

void CharacterArt::paint(QPainter& painter, const Pose& pose) const {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QTransform base =
        QTransform::fromTranslate(origin_.x(), origin_.y()) * painter.worldTransform();
    std::vector<QTransform> placed(parts_.size());
    std::vector<double> opacity(parts_.size(), 1);
    for (size_t i = 0; i < parts_.size() && i < pose.size(); ++i) {
        const FigurePart& part = parts_[i];
        placed[i] = movement(part, pose[i]);
        opacity[i] = std::clamp(pose[i][Channel::Opacity], 0.0, 1.0);
        if (part.parent >= 0) {
            placed[i] *= placed[size_t(part.parent)];
            opacity[i] *= opacity[size_t(part.parent)];
        }
        const Piece& piece = pieces_[i];
        if (piece.picture.isNull() || opacity[i] <= 0.001) continue;
        painter.setWorldTransform(placed[i] * base);
        painter.setOpacity(opacity[i]);
        painter.drawImage(piece.place, piece.picture);
    }
    painter.setWorldTransform(QTransform::fromTranslate(-origin_.x(), -origin_.y()) * base);
    painter.setOpacity(1);
}

QImage CharacterArt::render(const Pose& pose) const {
    QImage frame(size_, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    paint(painter, pose);
    return frame;
}

}  // namespace tawen
