// A short random-touch soak: every invariant of the kiosk checked after every event.
#include "Soak.h"
#include "common/Steps.h"

#include <QTest>

using namespace stopwise;

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void randomTouchesKeepTheInvariants_data();
    void randomTouchesKeepTheInvariants();
};

void TestSoak::randomTouchesKeepTheInvariants_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestSoak::randomTouchesKeepTheInvariants()
{
    QFETCH(unsigned, seed);
    Stopwise window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    soak::Soak soak(window, seed);
    soak.run(5000);

    const soak::Counts& counts = soak.counts();
    QCOMPARE(soak.violations(), QStringList());
    QVERIFY(counts.events >= 5000);
    QCOMPARE(counts.checks, counts.events);
    qInfo("%ld events, %ld checks, %ld moves; visits to steps 4 to 9: %ld %ld %ld %ld %ld %ld",
          counts.events, counts.checks, counts.moves, counts.visits[4], counts.visits[5],
          counts.visits[6], counts.visits[7], counts.visits[8], counts.visits[9]);
    // The touches go deep enough to matter: into both steps of both searches.
    for (int step = 4; step <= 7; ++step)
        QVERIFY2(counts.visits[step] > 0, qPrintable(QString::number(step)));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
