// The kiosk on a screen of its own and on a desktop: the scale that fits a screen, and a
// kiosk that a window manager cannot hide by minimizing it. (The screens in the middle of the
// stop's screen are seen on the program itself.)
#include "KioskHarness.h"
#include "shell/ScreenFit.h"

#include <QTest>

using namespace stopwise;
using namespace stopwise::testing;

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void fittingScale_data();
    void fittingScale();
    void minimizedComesBack_data();
    void minimizedComesBack();
};

void TestFullScreen::fittingScale_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("scale");
    QTest::newRow("1280 x 720, as tall as it is wide") << 1280 << 720 << 2.5;
    QTest::newRow("1920 x 1080") << 1920 << 1080 << 3.75;
    QTest::newRow("3840 x 2160") << 3840 << 2160 << 7.5;
    QTest::newRow("1280 x 800, bound by its height") << 1280 << 800 << 800.0 / 288;
    QTest::newRow("1280 x 1024, bound by its width") << 1280 << 1024 << 1280.0 / 436;
}

void TestFullScreen::fittingScale()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, scale);
    QCOMPARE(FittingScale(width, height), scale);
}

// A window manager's minimize box, menu or key: the kiosk is back at once, as it was.
void TestFullScreen::minimizedComesBack_data()
{
    QTest::addColumn<bool>("ownScreen");
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("the window on a desktop") << false << Qt::WindowNoState;
    QTest::newRow("the stop's full screen") << true << Qt::WindowFullScreen;
}

void TestFullScreen::minimizedComesBack()
{
    QFETCH(bool, ownScreen);
    QFETCH(Qt::WindowState, state);
    Kiosk kiosk(ownScreen ? Form::Extent : Form::Window);
    if (ownScreen) {
        kiosk.top().showFullScreen();
        QTRY_COMPARE(kiosk.handle()->windowStates(), Qt::WindowStates(state));
    }
    kiosk.handle()->setWindowStates(Qt::WindowMinimized);
    QTRY_COMPARE(kiosk.handle()->windowStates(), Qt::WindowStates(state));
    QVERIFY(kiosk.top().isVisible());
}

QTEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
