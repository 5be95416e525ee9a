#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <memory>

class QPainter;

namespace tawen::art {

// What the drawing module (libtawen_art.so, beside the program) offers. The
// module links Qt SVG, which the program itself does not, so that a start
// that shows no character never loads it. Only these plain classes cross
// between the two.

// One character's SVG artwork, read.
class Drawing {
  public:
    virtual ~Drawing() = default;
    virtual bool hasPart(const QString& id) const = 0;
    // Where the group `id` lies in the artwork, its own transformation applied.
    virtual QRectF partBounds(const QString& id) const = 0;
    // Draws the group `id` alone into `bounds` of the painter.
    virtual void paintPart(QPainter& painter, const QString& id, const QRectF& bounds) const = 0;
};

class Module {
  public:
    virtual ~Module() = default;
    // Null when the bytes are not SVG artwork.
    virtual std::unique_ptr<Drawing> read(const QByteArray& artwork) const = 0;
};

// The one function the module exports, by this name (platform::moduleAt).
inline constexpr char kModuleEntry[] = "tawenArtModule";
inline constexpr char kModuleFile[] = "libtawen_art.so";

}  // namespace tawen::art
