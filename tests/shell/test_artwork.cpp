#include <QImage>
#include <QMap>
#include <QTest>

#include "shell/artwork.h"

using namespace tawen;

namespace {

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

double averageGrey(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

  private slots:
    void everyToolbarButtonHasItsOwnPicture() {
        QMap<QString, QImage> drawn;
        for (int i = 1; i <= 8; ++i) {
            const QString key = QStringLiteral("t%1").arg(i);
            const QIcon icon = toolbarIcon(key);
            QVERIFY2(!icon.isNull(), qPrintable(key));
            QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}}));
            const QImage image = icon.pixmap(32).toImage();
            QCOMPARE(image.size(), QSize(32, 32));
            QVERIFY2(hasInk(image), qPrintable(key));
            for (auto other = drawn.cbegin(); other != drawn.cend(); ++other)
                QVERIFY2(image != other.value(), qPrintable(key + " looks like " + other.key()));
            drawn.insert(key, image);
        }
    }

    void unknownKeysGiveNoPicture() {
        for (const QString& key : {QString(), QStringLiteral("t0"), QStringLiteral("t9"),
                                   QStringLiteral("T1"), QStringLiteral("t1 ")})
            QVERIFY2(toolbarIcon(key).isNull(), qPrintable(key));
    }

    void backgroundLeavesTheLabelsReadable() {
        for (const QSize size : {QSize(640, 420), QSize(300, 200), QSize(1280, 800)}) {
            const QImage image = mainBackground(size).toImage();
            QCOMPARE(image.size(), size);
            // The user line, course line and welcome text sit in the top left.
            const QRect labels(0, 0, size.width() * 2 / 5, size.height() / 3);
            QVERIFY2(averageGrey(image, labels) > 220, qPrintable(QString::number(size.width())));
        }
    }
};

QTEST_MAIN(ArtworkTest)
#include "test_artwork.moc"
