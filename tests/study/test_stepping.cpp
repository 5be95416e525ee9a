#include <QTest>

#include <array>

#include "study/stepping.h"

using namespace tawen;

class SteppingTest : public QObject {
    Q_OBJECT

  private slots:
    void aRangeOfOneWordStaysPut() {
        const StudyRange one{5, 5};
        for (int stride = 1; stride <= 4; ++stride) {
            QCOMPARE(JumpForward(5, one, stride), WordRow(5));
            QCOMPARE(JumpBackward(5, one, stride), WordRow(5));
        }
        QCOMPARE(StepForward(5, one), WordRow(5));
        QCOMPARE(StepBackward(5, one), WordRow(5));
        // A window starts one row before the first and steps onto it.
        QCOMPARE(StepForward(4, one), WordRow(5));
    }

    void anOvershootLandsExactlyOnTheOtherEnd() {
        const StudyRange range{10, 20};
        QCOMPARE(JumpForward(19, range, 3), WordRow(10));
        QCOMPARE(JumpForward(17, range, 3), WordRow(20));
        QCOMPARE(JumpBackward(11, range, 3), WordRow(20));
        QCOMPARE(JumpBackward(13, range, 3), WordRow(10));
        QCOMPARE(StepForward(20, range), WordRow(10));
        QCOMPARE(StepBackward(10, range), WordRow(20));
    }

    void boundsGivenTheOtherWayRoundAreOrdered() {
        const StudyRange dragged{40, 10};
        QCOMPARE(StepForward(40, dragged), WordRow(10));
        QCOMPARE(StepBackward(10, dragged), WordRow(40));
        QCOMPARE(StepForward(9, dragged), WordRow(10));
        QCOMPARE(JumpForward(38, dragged, 4), WordRow(10));
    }

    // Past the last row of a full table the sum does not fit 16 bits' worth
    // of rows plus the stride; it must still wrap to the first row.
    void theLastRowOfAFullTableWrapsToTheFirst() {
        const StudyRange full{1, 32766};
        QCOMPARE(JumpForward(32766, full, 4), WordRow(1));
        QCOMPARE(StepForward(32766, full), WordRow(1));
        QCOMPARE(JumpBackward(1, full, 4), WordRow(32766));
    }

    void stridesFollowTheirDistribution() {
        constexpr int draws = 200000;
        std::array<int, 5> seen{};
        for (int n = 0; n < draws; ++n) {
            const int stride = RandomStride();
            QVERIFY2(stride >= 1 && stride <= 4, qPrintable(QString::number(stride)));
            ++seen[stride];
        }
        const std::array<double, 5> expected{0, 0.3, 0.3, 0.3, 0.1};
        for (int stride = 1; stride <= 4; ++stride) {
            const double share = double(seen[stride]) / draws;
            QVERIFY2(qAbs(share - expected[stride]) < 0.01,
                     qPrintable(
                         QStringLiteral("stride %1 drawn %2 of the time").arg(stride).arg(share)));
        }
    }
};

QTEST_GUILESS_MAIN(SteppingTest)
#include "test_stepping.moc"
