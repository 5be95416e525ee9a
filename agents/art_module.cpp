// The drawing module: Qt SVG reads a character's artwork. Built as
// libtawen_art.so and loaded the first time a character is drawn.

#include "agents/art_module.h"

#include <QSvgRenderer>
#include <QTransform>

namespace tawen::art {

namespace {

class SvgDrawing final : public Drawing {
  public:
    explicit SvgDrawing(const QByteArray& artwork) : svg_(artwork) {}

    bool valid() const { return svg_.isValid(); }

    bool hasPart(const QString& id) const override { return svg_.elementExists(id); }

    QRectF partBounds(const QString& id) const override {
        return svg_.transformForElement(id).mapRect(svg_.boundsOnElement(id));
    }

    void paintPart(QPainter& painter, const QString& id, const QRectF& bounds) const override {
        svg_.render(&painter, id, bounds);
    }

  private:
    // Drawing is not const in Qt's interface, though it changes nothing a
    // caller can see.
    mutable QSvgRenderer svg_;
};

class SvgModule final : public Module {
  public:
    std::unique_ptr<Drawing> read(const QByteArray& artwork) const override {
        auto drawing = std::make_unique<SvgDrawing>(artwork);
        if (!drawing->valid()) return nullptr;
        return drawing;
    }
};

}  // namespace

}  // namespace tawen::art

extern "C" Q_DECL_EXPORT const tawen::art::Module* tawenArtModule() {
    static const tawen::art::SvgModule module;
    return &module;
}
