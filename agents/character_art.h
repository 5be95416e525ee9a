#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <variant>
#include <vector>

#include "agents/character_file.h"

class QPainter;

namespace tawen {

// A character's artwork, ready to draw in any pose: each part is drawn from
// the SVG once, at twice the screen's detail so that it stays crisp when it
// turns, and every frame only places those pictures.
class CharacterArt {
  public:
    // The artwork of design, or why it cannot be drawn.
    static std::variant<CharacterArt, QString> make(const CharacterDesign& design);

    QSize size() const { return size_; }
    void paint(QPainter& painter, const Pose& pose) const;
    // The figure alone on a transparent picture of size().
    QImage render(const Pose& pose) const;

  private:
    struct Piece {
        QImage picture;  // empty for a bare joint
        QRectF place;    // where it lies in the rest pose
    };

    QSize size_;
    QPointF origin_;
    std::vector<FigurePart> parts_;
    std::vector<Piece> pieces_;
};

}  // namespace tawen
