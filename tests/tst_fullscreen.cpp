// The kiosk on a screen of its own and on a desktop: the scale that fits a screen, the
// screens centred with touches beside them doing nothing, and a kiosk that a window manager
// cannot hide by minimizing it.
#include "KioskHarness.h"
#include "shell/ScreenFit.h"
#include "shell/Surround.h"

#include <QTest>

using namespace stopwise;
using namespace stopwise::testing;

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void fittingScale_data();
    void fittingScale();
    void touchesBesideTheScreens();
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

// On a screen wider and taller than the screens, they sit in the middle; a touch beside them
// does nothing, and a touch on them works as in the window.
void TestFullScreen::touchesBesideTheScreens()
{
    Surround surround;
    surround.resize(600, 400);
    surround.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surround));
    QCOMPARE(surround.kiosk().geometry(), QRect(82, 56, 436, 288));
    static QPointingDevice* const finger = QTest::createTouchDevice();
    for (const QPoint beside : {QPoint(40, 200), QPoint(300, 380)}) {
        QTest::touchEvent(surround.windowHandle(), finger).press(0, beside);
        QTest::touchEvent(surround.windowHandle(), finger).release(0, beside);
        QCOMPARE(surround.kiosk().state().Mode, Step::Welcome);
    }
    QTest::touchEvent(surround.windowHandle(), finger).press(0, {300, 200});
    QTest::touchEvent(surround.windowHandle(), finger).release(0, {300, 200});
    QCOMPARE(surround.kiosk().state().Mode, Step::MainMenu);
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
