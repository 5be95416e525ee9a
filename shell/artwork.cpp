#include "shell/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace tawen {

namespace {

// One palette for every icon, chosen to stand out on a light grey toolbar.
constexpr QColor kInk(0x2f, 0x3e, 0x52);
constexpr QColor kPaper(0xff, 0xfd, 0xf6);
constexpr QColor kBlue(0x3b, 0x7d, 0xd8);
constexpr QColor kPaleBlue(0xb8, 0xd4, 0xf4);
constexpr QColor kGreen(0x3d, 0xa8, 0x5f);
constexpr QColor kPaleGreen(0x9c, 0xdd, 0xae);
constexpr QColor kRed(0xdc, 0x52, 0x4c);
constexpr QColor kOrange(0xf0, 0x91, 0x2c);
constexpr QColor kYellow(0xf6, 0xc8, 0x3a);
constexpr QColor kSteel(0x8c, 0x9d, 0xb3);
constexpr QColor kPink(0xf4, 0x9a, 0xa8);

// Icons are drawn on a 32 x 32 grid and scaled to the size asked for. Outlines
// are 2 units wide and run along odd grid lines, so they land on whole pixels
// at 16 and 32 px.
constexpr qreal kGrid = 32;
constexpr qreal kLine = 2;

QPen outline(const QColor& color = kInk, qreal width = kLine) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void shape(QPainter& p, const QColor& fill) {
    p.setPen(outline());
    p.setBrush(fill);
}

// 词库: a row of books on a shelf, the last one leaning.
void drawLibrary(QPainter& p) {
    struct Book {
        QRectF rect;
        QColor cover;
    };
    const std::array books{Book{{2, 7, 6, 22}, kBlue}, Book{{8, 11, 6, 18}, kGreen},
                           Book{{14, 5, 5, 24}, kOrange}};
    for (const Book& book : books) {
        shape(p, book.cover);
        p.drawRect(book.rect);
        // Two bands across the spine, as printed on a real binding.
        p.setPen(outline(kPaper, 1.5));
        p.drawLine(QPointF(book.rect.left() + 1.5, book.rect.top() + 3.5),
                   QPointF(book.rect.right() - 1.5, book.rect.top() + 3.5));
        p.drawLine(QPointF(book.rect.left() + 1.5, book.rect.bottom() - 3.5),
                   QPointF(book.rect.right() - 1.5, book.rect.bottom() - 3.5));
    }
    // The last book stands on its bottom-left corner and leans on its neighbour.
    p.save();
    p.translate(24.5, 29);
    p.rotate(-16);
    shape(p, kRed);
    p.drawRect(QRectF(0, -17, 5, 17));
    p.setPen(outline(kPaper, 1.5));
    p.drawLine(QPointF(1.5, -13.5), QPointF(3.5, -13.5));
    p.restore();
    p.setPen(outline());
    p.drawLine(QPointF(1, 29), QPointF(31, 29));
}

// The letter A as strokes, so that it stays sharp without a font.
void drawLetterA(QPainter& p, const QRectF& box, qreal width) {
    p.setPen(outline(kBlue, width));
    p.setBrush(Qt::NoBrush);
    const QPointF apex(box.center().x(), box.top());
    p.drawPolyline(std::array{box.bottomLeft(), apex, box.bottomRight()}.data(), 3);
    const qreal barY = box.top() + box.height() * 0.62;
    const qreal inset = box.width() * 0.5 * 0.38;
    p.drawLine(QPointF(box.left() + inset, barY), QPointF(box.right() - inset, barY));
}

// 初学: a flash card showing a letter, another card behind it.
void drawFlashCard(QPainter& p) {
    p.save();
    p.translate(17, 15);
    p.rotate(14);
    shape(p, kOrange);
    p.drawRoundedRect(QRectF(-9, -11, 18, 22), 2, 2);
    p.restore();
    shape(p, kPaper);
    p.drawRoundedRect(QRectF(5, 7, 18, 22), 2, 2);
    drawLetterA(p, QRectF(9, 11, 10, 13), 2.5);
}

// An arrow head whose base is centred on `base`, pointing along `angle`
// (degrees, clockwise on screen).
void drawArrowHead(QPainter& p, QPointF base, qreal angle) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    p.setPen(outline(kGreen, 1));
    p.setBrush(kGreen);
    p.drawPolygon(std::array{QPointF(-1, -5), QPointF(5, 0), QPointF(-1, 5)}.data(), 3);
    p.restore();
}

// 复习: two arrows chasing each other round a circle.
void drawReview(QPainter& p) {
    const QPointF centre(16, 16);
    const qreal radius = 10;
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    for (const qreal start : {200.0, 20.0}) {
        // Qt's arcs run counter-clockwise from 3 o'clock; each arc ends in a head.
        const qreal end = start + 110;
        p.setPen(outline(kGreen, 3.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(ring, int(start * 16), int((end - start) * 16));
        const qreal radians = end * std::numbers::pi / 180;
        const QPointF tip(centre.x() + radius * std::cos(radians),
                          centre.y() - radius * std::sin(radians));
        drawArrowHead(p, tip, -end - 90);
    }
    p.setPen(outline(kInk, 2.5));
    p.drawPolyline(std::array{QPointF(12, 16.5), QPointF(15, 19.5), QPointF(20.5, 13)}.data(), 3);
}

// 巩固: a pencil writing a line.
void drawPencil(QPainter& p) {
    p.setPen(outline(kBlue, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath scribble;
    scribble.moveTo(3, 28);
    scribble.cubicTo(7, 24, 10, 31, 15, 27);
    p.drawPath(scribble);

    p.save();
    p.translate(6.5, 25.5);
    p.rotate(-45);
    // Along the pencil: tip at x = 0, eraser at the far end.
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(7, -3.5);
    wood.lineTo(7, 3.5);
    wood.closeSubpath();
    shape(p, QColor(0xf2, 0xd2, 0xa4));
    p.drawPath(wood);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(std::array{QPointF(0, 0), QPointF(2.8, -1.4), QPointF(2.8, 1.4)}.data(), 3);
    shape(p, kYellow);
    p.drawRect(QRectF(7, -3.5, 15, 7));
    shape(p, kSteel);
    p.drawRect(QRectF(22, -3.5, 3, 7));
    shape(p, kPink);
    p.drawRoundedRect(QRectF(25, -3.5, 4, 7), 1.5, 1.5);
    p.restore();
}

// A window with a coloured title bar.
void drawWindow(QPainter& p, const QRectF& frame, const QColor& title) {
    shape(p, kPaper);
    p.drawRect(frame);
    p.setPen(Qt::NoPen);
    p.setBrush(title);
    p.drawRect(QRectF(frame.left() + 1, frame.top() + 1, frame.width() - 2, 4));
    p.setPen(outline());
    p.drawLine(QPointF(frame.left(), frame.top() + 5), QPointF(frame.right(), frame.top() + 5));
}

// 小窗口: a small window riding on top of a large one.
void drawSmallWindow(QPainter& p) {
    drawWindow(p, QRectF(3, 3, 22, 18), kPaleBlue);
    drawWindow(p, QRectF(13, 15, 16, 14), kOrange);
    p.setPen(outline(kSteel, 2));
    p.drawLine(QPointF(16, 24), QPointF(26, 24));
}

// 小精灵: a friendly round sprite with antennae.
void drawSprite(QPainter& p) {
    p.setPen(outline());
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(12, 10), QPointF(9, 4.5));
    p.drawLine(QPointF(20, 10), QPointF(23, 4.5));
    shape(p, kYellow);
    p.drawEllipse(QPointF(8.5, 4.5), 2.5, 2.5);
    p.drawEllipse(QPointF(23.5, 4.5), 2.5, 2.5);

    shape(p, kPaleGreen);
    p.drawEllipse(QRectF(4, 9, 24, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(kPink);
    p.drawEllipse(QPointF(9.5, 22), 2.5, 1.8);
    p.drawEllipse(QPointF(22.5, 22), 2.5, 1.8);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(12, 18), 2.2, 2.8);
    p.drawEllipse(QPointF(20, 18), 2.2, 2.8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12.8, 17), 0.9, 0.9);
    p.drawEllipse(QPointF(20.8, 17), 0.9, 0.9);
    p.setPen(outline(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 19, 8, 6), 200 * 16, 140 * 16);
}

// 设置: a gear with eight teeth.
void drawGear(QPainter& p) {
    constexpr int kTeeth = 8;
    constexpr qreal kOuter = 14, kInner = 10.5, kHole = 4.5;
    const QPointF centre(16, 16);
    QPainterPath gear;
    for (int i = 0; i < kTeeth * 4; ++i) {
        // Four corners per tooth: rise, top, top, fall.
        const qreal step = 2 * std::numbers::pi / (kTeeth * 4);
        const qreal angle = (i + 0.5) * step - step * 0.4 * ((i % 4 == 0) - (i % 4 == 3));
        const qreal radius = (i % 4 == 1 || i % 4 == 2) ? kOuter : kInner;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        i == 0 ? gear.moveTo(point) : gear.lineTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, kHole, kHole);
    gear.setFillRule(Qt::OddEvenFill);
    shape(p, kSteel);
    p.drawPath(gear);
}

// 帮助: a question mark in a blue disc.
void drawHelp(QPainter& p) {
    shape(p, kBlue);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QPainterPath hook;
    const QRectF bow(11.5, 7.5, 9, 8.5);
    hook.arcMoveTo(bow, 165);
    hook.arcTo(bow, 165, -225);
    hook.quadTo(16, 16.5, 16, 19);
    p.setPen(outline(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 23.5), 1.9, 1.9);
}

using Drawing = void (*)(QPainter&);

struct IconDrawing {
    QStringView key;
    Drawing draw;
};

constexpr std::array kIcons{
    IconDrawing{u"t1", drawLibrary},     IconDrawing{u"t2", drawFlashCard},
    IconDrawing{u"t3", drawReview},      IconDrawing{u"t4", drawPencil},
    IconDrawing{u"t5", drawSmallWindow}, IconDrawing{u"t6", drawSprite},
    IconDrawing{u"t7", drawGear},        IconDrawing{u"t8", drawHelp},
};

QPixmap renderIcon(Drawing draw, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    draw(p);
    return pixmap;
}

// A pagoda of tiers narrowing upwards, each roof with upturned eaves, standing
// on `base` and `height` tall.
QPainterPath pagoda(QPointF base, qreal height) {
    constexpr int kTiers = 7;
    const qreal spire = height * 0.14;
    const qreal tier = (height - spire) / kTiers;
    const qreal baseWidth = height * 0.30;
    QPainterPath path;
    path.addRect(QRectF(base.x() - baseWidth * 0.45, base.y(), baseWidth * 0.9, tier * 0.3));
    for (int i = 0; i < kTiers; ++i) {
        const qreal bottom = base.y() - i * tier;
        const qreal width = baseWidth * (1 - 0.09 * i);
        const qreal wall = width * 0.62;
        path.addRect(QRectF(base.x() - wall / 2, bottom - tier * 0.62, wall, tier * 0.62));
        const qreal eave = bottom - tier * 0.62;
        QPainterPath roof;
        roof.moveTo(base.x() - width / 2 - tier * 0.15, eave - tier * 0.22);
        roof.quadTo(base.x() - width * 0.42, eave, base.x() - wall / 2, eave);
        roof.lineTo(base.x() + wall / 2, eave);
        roof.quadTo(base.x() + width * 0.42, eave, base.x() + width / 2 + tier * 0.15,
                    eave - tier * 0.22);
        roof.quadTo(base.x() + width * 0.30, eave - tier * 0.20, base.x() + wall * 0.35,
                    eave - tier * 0.38);
        roof.lineTo(base.x() - wall * 0.35, eave - tier * 0.38);
        roof.quadTo(base.x() - width * 0.30, eave - tier * 0.20, base.x() - width / 2 - tier * 0.15,
                    eave - tier * 0.22);
        path.addPath(roof);
    }
    const qreal top = base.y() - kTiers * tier;
    path.addRect(QRectF(base.x() - height * 0.006, top - spire, height * 0.012, spire + 1));
    for (int ring = 1; ring <= 3; ++ring)
        path.addEllipse(QPointF(base.x(), top - spire * ring / 4.5), height * 0.012,
                        height * 0.008);
    path.setFillRule(Qt::WindingFill);
    return path;
}

// A soft ridge of hills along the bottom, `rise` above the bottom edge.
QPainterPath hills(QSizeF size, qreal rise, qreal phase) {
    QPainterPath path;
    path.moveTo(0, size.height());
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const qreal x = size.width() * i / steps;
        const qreal t = qreal(i) / steps * 2 * std::numbers::pi;
        const qreal y = size.height() - rise * (0.75 + 0.25 * std::sin(t * 1.3 + phase) +
                                                0.12 * std::sin(t * 3.1 + phase * 2));
        path.lineTo(x, y);
    }
    path.lineTo(size.width(), size.height());
    path.closeSubpath();
    return path;
}

// Faint letters drifting across the lower right, placed by fractions of the size.
void drawLetters(QPainter& p, QSizeF size) {
    struct Letter {
        QStringView text;
        qreal x, y, scale, angle;
    };
    constexpr std::array kLetters{
        Letter{u"A", 0.56, 0.40, 1.3, -12}, Letter{u"b", 0.64, 0.28, 0.9, 8},
        Letter{u"c", 0.93, 0.22, 0.8, 14},  Letter{u"E", 0.95, 0.55, 1.1, -6},
        Letter{u"w", 0.50, 0.66, 0.9, 10},  Letter{u"o", 0.60, 0.78, 0.7, -10},
        Letter{u"r", 0.69, 0.58, 0.8, 6},   Letter{u"d", 0.88, 0.38, 1.0, -14},
        Letter{u"s", 0.40, 0.86, 0.8, 12},  Letter{u"G", 0.26, 0.74, 1.0, -8},
        Letter{u"k", 0.12, 0.90, 0.7, 6},
    };
    QFont font(QStringLiteral("Liberation Serif"));
    font.setItalic(true);
    p.setPen(QColor(0x5a, 0x78, 0xa0, 34));
    for (const Letter& letter : kLetters) {
        font.setPixelSize(std::max(8, int(size.height() * 0.11 * letter.scale)));
        p.setFont(font);
        p.save();
        p.translate(size.width() * letter.x, size.height() * letter.y);
        p.rotate(letter.angle);
        p.drawText(QPointF(0, 0), letter.text.toString());
        p.restore();
    }
}

}  // namespace

QIcon toolbarIcon(QStringView key) {
    for (const IconDrawing& icon : kIcons) {
        if (icon.key != key) continue;
        QIcon result;
        for (int size : {16, 24, 32}) result.addPixmap(renderIcon(icon.draw, size));
        return result;
    }
    return {};
}

QPixmap mainBackground(QSize size) {
    QPixmap pixmap(size);
    const QSizeF area(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, area.height());
    sky.setColorAt(0, QColor(0xfc, 0xfd, 0xff));
    sky.setColorAt(0.55, QColor(0xee, 0xf3, 0xfa));
    sky.setColorAt(1, QColor(0xdc, 0xe7, 0xf3));
    p.fillRect(QRectF(QPointF(0, 0), area), sky);

    // A warm glow behind the tower.
    const QPointF glowCentre(area.width() * 0.80, area.height() * 0.42);
    const qreal glowRadius = area.height() * 0.45;
    QRadialGradient glow(glowCentre, glowRadius);
    glow.setColorAt(0, QColor(0xff, 0xf1, 0xd6, 200));
    glow.setColorAt(1, QColor(0xff, 0xf1, 0xd6, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(glowCentre, glowRadius, glowRadius);

    drawLetters(p, area);

    p.setBrush(QColor(0x8a, 0xa4, 0xc4, 45));
    p.drawPath(hills(area, area.height() * 0.20, 0.6));
    p.setBrush(QColor(0x6f, 0x8c, 0xb2, 70));
    p.drawPath(pagoda(QPointF(area.width() * 0.80, area.height() * 0.88), area.height() * 0.62));
    p.setBrush(QColor(0x7d, 0x98, 0xbc, 60));
    p.drawPath(hills(area, area.height() * 0.11, 2.4));
    return pixmap;
}

}  // namespace tawen
