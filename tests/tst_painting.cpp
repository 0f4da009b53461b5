// Every device pixel of every screen painted on every frame, at every scale: at each scale a
// kiosk of its own (this program again, with Qt's scale set) walks the tour, and on each screen
// fills its window with a colour no screen uses, has Qt repaint the window as it repaints after
// any change, and finds any pixel still of that colour. Such a pixel keeps whatever the screen
// before drew there. The scales are those of the screens a stop may have, and a sweep from 1 to
// 8 with odd fractions among them.
#include "Tour.h"

#include <QApplication>
#include <QBackingStore>
#include <QProcess>
#include <QTest>

#include <cstdio>

using namespace stopwise::testing;

namespace {

constexpr QRgb Poison = 0xffff00ff; // magenta: no screen of the kiosk shows it

// Whether a window has repainted what was marked for it since it was watched: Qt repaints on
// the update request it sends the window.
struct PaintWatch : QObject {
    explicit PaintWatch(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::UpdateRequest;
        return false;
    }
    bool painted = false;
};

// Poisons the window's pixels, has every widget repainted, and says how many pixels stayed
// poisoned, and the first of them; nothing when none did.
QString unpainted(QWidget& top)
{
    const auto pixels = [&top] { return dynamic_cast<QImage*>(top.backingStore()->paintDevice()); };
    if (!pixels())
        return QStringLiteral("no pixels to look at");
    pixels()->fill(Poison);
    PaintWatch watch(top);
    top.update(); // each widget: where an opaque widget lies, Qt repaints nothing below it
    for (QWidget* widget : top.findChildren<QWidget*>())
        widget->update();
    if (!QTest::qWaitFor([&] { return watch.painted; }))
        return QStringLiteral("never repainted");
    const QImage& painted = *pixels(); // the image Qt painted, which it may have made anew
    qsizetype count = 0;
    QPoint first;
    for (int y = 0; y < painted.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
        for (int x = 0; x < painted.width(); ++x)
            if (row[x] == Poison && count++ == 0)
                first = QPoint(x, y);
    }
    if (count == 0)
        return {};
    return QStringLiteral("%1 device pixels left unpainted, the first at %2,%3")
        .arg(count)
        .arg(first.x())
        .arg(first.y());
}

// The child: the tour at the scale Qt was started with, one line per screen that is not
// painted whole.
int walkPoisoned(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Kiosk kiosk(Form::Extent);
    const QString astray = walkTour(kiosk, [&](const Sight& sight) {
        if (const QString left = unpainted(kiosk.top()); !left.isEmpty())
            std::printf("%s: %s\n", sight.name, qPrintable(left));
    });
    if (!astray.isEmpty())
        std::printf("the tour went astray: %s\n", qPrintable(astray));
    return 0;
}

} // namespace

class TestPainting : public QObject {
    Q_OBJECT
private slots:
    void everyPixelPainted_data();
    void everyPixelPainted();
};

void TestPainting::everyPixelPainted_data()
{
    QTest::addColumn<double>("scale");
    const auto row = [](const char* name, double scale) { QTest::newRow(name) << scale; };
    row("1, a desktop's", 1);
    row("11/15, 320x240", 11.0 / 15);
    row("54/23, 1024x768", 54.0 / 23);
    row("2.5, 1280x720", 2.5);
    row("25/9, 1280x800", 25.0 / 9);
    row("8/3, 1366x768", 8.0 / 3);
    row("270/109, 1080x1920", 270.0 / 109);
    row("3.75, 1920x1080", 3.75);
    row("1.875, 1920x1080 at an output scale of 2", 1.875);
    row("25/6, 1920x1200", 25.0 / 6);
    row("5, 2560x1440", 5);
    row("7.5, 3840x2160", 7.5);
    for (const double scale : {1.3, 1.7, 2.0, 2.2, 7.0 / 3, 3.1, 22.0 / 7, 4.4, 5.6, 6.3, 7.9})
        QTest::addRow("%.4g", scale) << scale;
}

void TestPainting::everyPixelPainted()
{
    QFETCH(double, scale);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale, 'g', 17));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--poisoned")});
    QVERIFY2(child.waitForFinished(120'000) && child.exitCode() == 0, "the kiosk did not finish");
    const QString left = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    if (scale < 1 && QT_VERSION < QT_VERSION_CHECK(6, 8, 0))
        QEXPECT_FAIL("", "Qt 6.4 clips every widget's painting below a scale of 1", Abort);
    QVERIFY2(left.isEmpty(),
             qPrintable(QStringLiteral("at scale %1:\n%2").arg(QString::number(scale), left)));
}

int main(int argc, char* argv[])
{
    if (argc == 2 && QByteArrayView(argv[1]) == "--poisoned")
        return walkPoisoned(argc, argv);
    QCoreApplication app(argc, argv);
    TestPainting test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_painting.moc"
