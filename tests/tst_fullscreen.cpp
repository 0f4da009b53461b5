// The full screen on the screens a stop may have: on each, the kiosk starts as the program
// does (measures the screen, starts again at the scale it chooses), walks the tour, and every
// screen's extent, cut out where the kiosk placed it, must be pixel for pixel the extent drawn
// alone at that scale, and the reviewed image where one was reviewed at that scale. The
// extent must start within 12.5 device pixels of the screen's middle, and the outline of the
// card behind the list must be as wide on every side. Qt's scale is set once per process, so
// each screen runs in two child processes of this program: the full screen on an offscreen
// screen of that size, and the extent alone. One line per screen is printed:
//   1920x1080 at 3.75: offset 135,0 (middle 142.5,0): equal; outline even 6
// A screen with a ratio of its own (a Wayland output's scale) is checked for the scale and
// place chosen only: the offscreen plugin's windows leave that ratio out when they draw.
#include "Tour.h"

#include "assets/Looks.h"
#include "shell/ScreenFit.h"
#include "shell/Startup.h"
#include "toolkit/Picture.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <functional>

using namespace stopwise::testing;

namespace {

// On the largest screens a handful of sights, each of which still shows most kinds of
// picture and text: a tour photographed whole at 7.5 takes minutes.
constexpr double Large = 5;
const QStringList FewSights = {"01-welcome", "06-streets-m", "11-key-held", "15-street-directions",
                               "27-long-title"};

QImage plain(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

QByteArray fingerprint(const QImage& image)
{
    const QImage pixels = plain(image);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArray::number(pixels.width()) + 'x' + QByteArray::number(pixels.height()));
    hash.addData(QByteArrayView(pixels.constBits(), pixels.sizeInBytes()));
    return hash.result().toHex();
}

// Walks the tour on `kiosk` and prints, for each sight looked at, its name and the fingerprint
// of the extent's pixels, cut out of the photograph at `extent` (device pixels); hands each
// photograph to `look` as well.
int printTour(Kiosk& kiosk, const QRect& extent,
              const std::function<void(const Sight&, const QImage&)>& look = {})
{
    const qreal scale = kiosk.handle()->devicePixelRatio();
    const QString astray = walkTour(kiosk, [&](const Sight& sight) {
        if (scale > Large && !FewSights.contains(QString::fromUtf8(sight.name)))
            return;
        const QImage photo = photograph(kiosk.top());
        const QImage cut = photo.copy(extent);
        std::printf("%s %s\n", sight.name, fingerprint(cut).data());
        if (look)
            look(sight, photo);
    });
    if (!astray.isEmpty())
        std::printf("astray %s\n", qPrintable(astray));
    return 0;
}

// In a child: the full screen, at the scale the program's own start chooses. First line:
// that scale (the screen's ratio), the window's own ratio and the extent's place in logical
// pixels. The two ratios differ only where the offscreen plugin is given a ratio of its own:
// its windows leave that ratio out and draw at Qt's scale alone, so no pixels are compared.
int fullScreen()
{
    Kiosk kiosk(Form::FullScreen);
    const qreal scale = kiosk.top().screen()->devicePixelRatio(), // a widget's own is rounded
        drawnAt = kiosk.handle()->devicePixelRatio();
    const QPoint place = kiosk.window.pos();
    std::printf("%.17g %.17g %d %d\n", scale, drawnAt, place.x(), place.y());
    if (drawnAt != scale)
        return 0;
    const QSize extent = QSize(stopwise::ExtentWidth, stopwise::ExtentHeight) * scale;
    return printTour(kiosk, QRect((QPointF(place) * scale).toPoint(), extent));
}

// The widths, in device pixels, of the outline of the card behind the list, on its four
// sides at every place along them but near the corners: "even N" when all are N. Counted
// from each side of the card's visible part inwards, past the ground before its box.
QString outlineOfCard(Kiosk& kiosk, const QImage& photo)
{
    const QList<stopwise::Picture*> pictures = kiosk.window.findChildren<stopwise::Picture*>();
    const auto card = std::ranges::find_if(pictures, [](const stopwise::Picture* picture) {
        return picture->isVisible() && picture->asset().art == stopwise::Art::Card;
    });
    if (card == pictures.end())
        return QStringLiteral("no card");
    const QWidget& panel = *(*card)->parentWidget();
    const qreal scale = kiosk.handle()->devicePixelRatio();
    const QRectF logical =
        QRectF(QRect(panel.mapTo(&kiosk.top(), (*card)->pos()), (*card)->size()) &
               QRect(panel.mapTo(&kiosk.top(), QPoint()), panel.size()));
    const QRectF device(logical.topLeft() * scale, logical.size() * scale);
    const QRect whole = device.toAlignedRect(); // its partly covered pixels too
    const QRgb edge = QColor::fromRgb(stopwise::lookOf(stopwise::Art::Card).edge).rgb();
    const int skip = int(std::ceil(scale)) + 1, corner = int(std::ceil(8 * scale));
    const auto run = [&](QPoint from, QPoint step) {
        int width = 0;
        for (int i = 0; i < skip && photo.pixel(from) != edge; ++i)
            from += step;
        for (; whole.contains(from) && photo.pixel(from) == edge; from += step)
            ++width;
        return width;
    };
    QStringList sides;
    QSet<int> all;
    const auto side = [&](const char* name, QPoint start, QPoint along, QPoint in, int length) {
        QSet<int> widths;
        for (int i = corner; i < length - corner; ++i)
            widths << run(start + along * i, in);
        all += widths;
        QList<int> sorted(widths.begin(), widths.end());
        std::ranges::sort(sorted);
        QStringList text;
        for (int width : sorted)
            text << QString::number(width);
        sides << QStringLiteral("%1 %2").arg(QLatin1StringView(name), text.join(u'/'));
    };
    side("left", whole.topLeft(), {0, 1}, {1, 0}, whole.height());
    side("top", whole.topLeft(), {1, 0}, {0, 1}, whole.width());
    side("right", whole.topRight(), {0, 1}, {-1, 0}, whole.height());
    side("bottom", whole.bottomLeft(), {1, 0}, {0, -1}, whole.width());
    return all.size() == 1 ? QStringLiteral("even %1").arg(*all.begin()) : sides.join(u' ');
}

// In a child: the extent alone, at this process's QT_SCALE_FACTOR. Last line: the outline of
// the card behind the list of streets.
int extentAlone()
{
    Kiosk kiosk(Form::Extent);
    QString outline;
    const int status = printTour(kiosk, QRect(QPoint(), photograph(kiosk.top()).size()),
                                 [&](const Sight& sight, const QImage& photo) {
                                     if (qstrcmp(sight.name, "06-streets-m") == 0)
                                         outline = outlineOfCard(kiosk, plain(photo));
                                 });
    std::printf("outline %s\n", qPrintable(outline));
    return status;
}

// Runs this program as a child in `environment` with `argument`; its lines, or a failure.
QList<QByteArray> child(const QString& argument, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), {argument});
    if (!process.waitForFinished(600'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput().trimmed().split('\n');
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

class TestFullScreen : public QObject {
    Q_OBJECT
private slots:
    void showsTheExtentAsDrawnAlone_data();
    void showsTheExtentAsDrawnAlone();
};

void TestFullScreen::showsTheExtentAsDrawnAlone_data()
{
    QTest::addColumn<int>("width"); // as the window system reports it
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("ratio");  // the window system's own, such as a Wayland output's
    QTest::addColumn<double>("scale");  // the largest at which the extent fits, by hand
    QTest::addColumn<QString>("known"); // what is known to differ still
    const auto row = [](const char* name, int width, int height, double ratio, double scale,
                        const char* known = "") {
        QTest::newRow(name) << width << height << ratio << scale << QString::fromUtf8(known);
    };
    // At 256/109 and 80/109 no whole logical offset near the middle lands on a whole device
    // pixel, and the nearest does not round every text as the extent drawn alone does.
    row("1024x768", 1024, 768, 1, 256.0 / 109,
        "at 256/109 the extent starts at device y 54.018: the arrivals' rows of times fall one "
        "pixel lower");
    row("1280x720", 1280, 720, 1, 2.5);
    row("1280x800", 1280, 800, 1, 25.0 / 9);
    row("1366x768", 1366, 768, 1, 8.0 / 3);
    row("1080x1920", 1080, 1920, 1, 270.0 / 109);
    row("1920x1080", 1920, 1080, 1, 3.75);
    row("1920x1200", 1920, 1200, 1, 25.0 / 6);
    row("2560x1440", 2560, 1440, 1, 5);
    row("3840x2160", 3840, 2160, 1, 7.5);
    row("320x240", 320, 240, 1, 80.0 / 109,
        "at 80/109 the extent starts at device y 11.009: texts round otherwise on every screen; "
        "below a scale of 1 labels are cut short, and so is the card's outline");
    row("1920x1080 at an output scale of 2", 960, 540, 2, 3.75);
}

void TestFullScreen::showsTheExtentAsDrawnAlone()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, ratio);
    QFETCH(double, scale);
    QFETCH(QString, known);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QStringLiteral(R"({"screens": [{"name": "stop", "width": %1, "height": %2, "dpr": %3}]})")
            .arg(width)
            .arg(height)
            .arg(ratio)
            .toUtf8());
    file.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config);
    QList<QByteArray> full = child(QStringLiteral("--full-screen"), environment);
    QVERIFY2(!full.isEmpty(), "the full screen's child failed");
    const QList<QByteArray> first = full.takeFirst().split(' ');
    QCOMPARE(first.size(), 4);
    const QPointF place = QPointF(first[2].toInt(), first[3].toInt()) * scale;
    const QSizeF room = QSizeF(width, height) * ratio -
                        QSizeF(stopwise::ExtentWidth, stopwise::ExtentHeight) * scale;
    const QPointF middle(room.width() / 2, room.height() / 2);
    QString result = QStringLiteral("equal"), outline;
    QStringList differ;
    if (first[1] == first[0]) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(first[0]));
        QList<QByteArray> alone = child(QStringLiteral("--extent"), environment);
        QVERIFY2(!alone.isEmpty(), "the extent's child failed");
        outline = QString::fromUtf8(alone.takeLast());
        // Where a sight was reviewed at this scale, the reviewed image too.
        const QDir reviewed(QStringLiteral(STOPWISE_SCREENS));
        QStringList asReviewed;
        QCOMPARE(full.size(), alone.size());
        for (qsizetype i = 0; i < full.size(); ++i) {
            const QList<QByteArray> seen = full[i].split(' '), drawn = alone[i].split(' ');
            QCOMPARE(seen.value(0), drawn.value(0));
            QVERIFY2(seen.value(0) != "astray", full[i].constData());
            if (seen.value(1) != drawn.value(1))
                differ << QString::fromUtf8(seen[0]);
            const QString image = imageName(Sight{seen[0].constData(), {}}, scale);
            if (QFile::exists(reviewed.filePath(image))) {
                asReviewed << image;
                if (fingerprint(QImage(reviewed.filePath(image))) != seen.value(1))
                    differ << image;
            }
        }
        result = differ.isEmpty() ? QStringLiteral("equal")
                                  : QStringLiteral("differ: ") + differ.join(u' ');
        if (!asReviewed.isEmpty())
            result += QStringLiteral(", as reviewed: ") + asReviewed.join(u' ');
        result += QStringLiteral("; ") + outline;
    } else {
        result =
            QStringLiteral("drawn at %1 offscreen, not compared").arg(number(first[1].toDouble()));
    }
    std::printf(
        "%dx%d%s at %s: offset %s,%s (middle %s,%s): %s\n", int(width * ratio), int(height * ratio),
        ratio == 1
            ? ""
            : qPrintable(
                  QStringLiteral(" (%1x%2 at a ratio of %3)").arg(width).arg(height).arg(ratio)),
        qPrintable(number(first[0].toDouble())), qPrintable(number(place.x())),
        qPrintable(number(place.y())), qPrintable(number(middle.x())),
        qPrintable(number(middle.y())), qPrintable(result));
    std::fflush(stdout);
    QCOMPARE(first[0].toDouble(), scale);
    if (!known.isEmpty())
        QEXPECT_FAIL("", qPrintable(known), Continue);
    QVERIFY2(differ.isEmpty() &&
                 (outline.isEmpty() || outline.startsWith(QStringLiteral("outline even"))),
             "the full screen's extent differs from the extent drawn alone, or the card's "
             "outline is not even on every side");
    QVERIFY2(std::abs(place.x() - middle.x()) <= 12.5 && std::abs(place.y() - middle.y()) <= 12.5,
             "the extent is more than 12.5 device pixels off the middle");
}

int main(int argc, char* argv[])
{
    const bool fullScreenChild = argc == 2 && std::strcmp(argv[1], "--full-screen") == 0;
    if (fullScreenChild && !stopwise::startedFitted())
        stopwise::startAgainFitted(argc, argv);
    QApplication app(argc, argv);
    if (fullScreenChild)
        return fullScreen();
    if (argc == 2 && std::strcmp(argv[1], "--extent") == 0)
        return extentAlone();
    TestFullScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fullscreen.moc"
