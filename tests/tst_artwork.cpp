// The kiosk's pictures: each at the size of the artwork table in logical pixels at device
// pixel ratios 1 and 2, opaque to the last pixel, grounds that blend into what lies below,
// straight edges that stay sharp at 1x, 1.5x and 2x, no two pictures alike, the greyed
// paging buttons told apart from the live ones, and a held key covered exactly by its
// pressed picture until the finger lifts.
#include "KioskHarness.h"
#include "assets/Artwork.h"
#include "toolkit/Picture.h"

#include <QHash>
#include <QImage>

using namespace stopwise;
using stopwise::testing::Kiosk;

Q_DECLARE_METATYPE(stopwise::Asset)

namespace {

// The artwork table: picture sizes by control, an exact name before an array's name.
QSize tableSize(const QString& control)
{
    static const QHash<QString, QSize> sizes = {
        {"Letters", {40, 40}},
        {"Letter_sel", {40, 40}},
        {"Numbers", {40, 40}},
        {"Number_sel", {40, 40}},
        {"HowDoIGetTo", {424, 135}},
        {"WhensTheBusComing", {424, 135}},
        {"IKnowStreetNames", {424, 135}},
        {"IKnowLocation", {424, 135}},
        {"InstructionsOK", {115, 58}},
        {"BusScheduleOK", {115, 35}},
        {"MoreStreets", {159, 31}},
        {"MoreAreas", {159, 31}},
        {"MoreAreas(0)", {157, 31}},
        {"MoreStops", {159, 31}},
        {"MoreStops(3)", {261, 282}},
        {"Image2", {261, 282}},
        {"Back", {85, 29}},
        {"SelectBtn", {37, 38}},
    };
    return sizes.value(control, sizes.value(control.section(u'(', 0, 0)));
}

// Every picture control of the screens with its asset, top-most first on each panel.
QList<std::pair<QString, Asset>> pictures()
{
    const Kiosk kiosk;
    QList<std::pair<QString, Asset>> found;
    for (const Picture* picture : kiosk.window.findChildren<const Picture*>())
        found.append({picture->objectName(), picture->asset()});
    return found;
}

// Every picture the screens use, once each, named after its first control.
QList<std::pair<QString, Asset>> distinctAssets()
{
    QList<std::pair<QString, Asset>> assets;
    for (const auto& [control, asset] : pictures()) {
        const auto same = [&asset](const auto& known) { return known.second == asset; };
        if (std::ranges::none_of(assets, same))
            assets.append({control, asset});
    }
    return assets;
}

QImage imageOf(const Asset& asset, qreal dpr)
{
    return assetPixmap(asset, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The colours along one row or column of an image, from `from` in steps of `step`.
QList<QRgb> colours(const QImage& image, QPoint from, QPoint step, int count)
{
    QList<QRgb> line;
    for (QPoint at = from; line.size() < count; at += step)
        line.append(image.pixel(at) | 0xFF000000);
    return line;
}

bool closeTo(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT
private slots:
    void tableSizes_data();
    void tableSizes();
    void opaque_data();
    void opaque();
    void groundsMatchWhatLiesBelow_data();
    void groundsMatchWhatLiesBelow();
    void straightEdgesAreSharp_data();
    void straightEdgesAreSharp();
    void noTwoPicturesAlike_data();
    void noTwoPicturesAlike();
    void greyedPagingToldApart_data();
    void greyedPagingToldApart();
    void pressedPictureCoversHeldKey_data();
    void pressedPictureCoversHeldKey();
};

void TestArtwork::tableSizes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<qreal>("dpr");
    for (const auto& [control, asset] : pictures())
        for (const qreal dpr : {1.0, 2.0})
            QTest::addRow("%s at %gx", qPrintable(control), dpr) << control << dpr;
}

void TestArtwork::tableSizes()
{
    QFETCH(QString, control);
    QFETCH(qreal, dpr);
    const QSize size = tableSize(control);
    QVERIFY2(size.isValid(), "a picture the artwork table does not list");

    Kiosk kiosk;
    const auto* picture = kiosk.window.findChild<const Picture*>(control);
    QCOMPARE(picture->size(), size);
    const QPixmap& pixmap = assetPixmap(picture->asset(), dpr);
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(size));
    QCOMPARE(pixmap.size(), size * dpr);
    // Drawn once: the second request hands out the same pixmap.
    QCOMPARE(&assetPixmap(picture->asset(), dpr), &pixmap);
}

void TestArtwork::opaque_data()
{
    QTest::addColumn<Asset>("asset");
    QTest::addColumn<qreal>("dpr");
    for (const auto& [control, asset] : distinctAssets())
        for (const qreal dpr : {1.0, 1.5, 2.0})
            QTest::addRow("%s at %gx", qPrintable(control), dpr) << asset << dpr;
}

void TestArtwork::opaque()
{
    QFETCH(Asset, asset);
    QFETCH(qreal, dpr);
    const QImage image = imageOf(asset, dpr);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(qAlpha(image.pixel(x, y)) == 255,
                     qPrintable(QStringLiteral("see-through at %1, %2").arg(x).arg(y)));
}

// The top right corner of every picture is ground: the outlines and shadows keep clear of
// it. It must show the colour of the panel or card below, within what no eye can tell.
void TestArtwork::groundsMatchWhatLiesBelow_data()
{
    QTest::addColumn<QString>("control");
    for (const auto& [control, asset] : pictures())
        QTest::addRow("%s", qPrintable(control)) << control;
}

void TestArtwork::groundsMatchWhatLiesBelow()
{
    QFETCH(QString, control);
    Kiosk kiosk;
    auto* picture = kiosk.window.findChild<Picture*>(control);
    QWidget* panel = picture->parentWidget();
    const QPoint corner = picture->geometry().topRight();

    // What the panel shows there with this picture and everything above it out of the way.
    for (QWidget* sibling : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        sibling->setVisible(panel->children().indexOf(sibling) <
                            panel->children().indexOf(picture));
    const QRgb below = panel->grab().toImage().pixel(corner);

    const QRgb ground = assetPixmap(picture->asset(), 1).toImage().pixel(picture->width() - 1, 0);
    QVERIFY2(closeTo(ground, below, 2), qPrintable(QStringLiteral("ground #%1 on #%2")
                                                       .arg(ground & 0xFFFFFF, 6, 16)
                                                       .arg(below & 0xFFFFFF, 6, 16)));
}

// A scan inwards from an outer edge, a third of the way along it, meets the ground or
// shadow, the outline and the fill and nothing between them: no edge falls between device
// pixels and blurs to a grey of its own.
enum class Edge { Left, Top, Right, Bottom };
Q_DECLARE_METATYPE(Edge)

void TestArtwork::straightEdgesAreSharp_data()
{
    QTest::addColumn<Asset>("asset");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<Edge>("edge");
    QTest::addColumn<QList<QRgb>>("allowed"); // outside in: the last two are outline and fill

    const QRgb white = 0xFFFFFFFF, nearBlack = 0xFF231F20, paper = 0xFFEDEDEE;
    const QRgb shadow = 0xFF58595B, card = 0xFFEDEEEE, cardEdge = 0xFF939598;
    const QRgb button = 0xFFD1D3D4;
    const Asset large{Art::LargeButton, "How do I get to...", 424, 135};
    const Asset okLarge{Art::OkLarge, "OK", 115, 58}, okSmall{Art::OkSmall, "OK", 115, 35};
    const Asset cardPicture{Art::Card, "", 261, 282};
    struct Row {
        const char* name;
        Asset asset;
        Edge edge;
        QList<QRgb> allowed;
    };
    const Row rows[] = {
        {"large button, left", large, Edge::Left, {nearBlack, paper}},
        {"large button, top", large, Edge::Top, {nearBlack, paper}},
        {"large button, shadow right", large, Edge::Right, {white, shadow, nearBlack, paper}},
        {"large button, shadow below", large, Edge::Bottom, {white, shadow, nearBlack, paper}},
        {"large OK, left", okLarge, Edge::Left, {nearBlack, paper}},
        {"large OK, shadow below", okLarge, Edge::Bottom, {white, shadow, nearBlack, paper}},
        {"small OK, top", okSmall, Edge::Top, {nearBlack, white}},
        {"small OK, shadow right", okSmall, Edge::Right, {0xFFE0E0E0, shadow, nearBlack, white}},
        {"card, top", cardPicture, Edge::Top, {white, cardEdge, card}},
        {"card, left", cardPicture, Edge::Left, {cardEdge, card}},
        {"card, right", cardPicture, Edge::Right, {cardEdge, card}},
        {"paging pill, top",
         {Art::PagingActive, "More Stops", 159, 31},
         Edge::Top,
         {paper, nearBlack, button}},
    };
    for (const Row& row : rows)
        for (const qreal dpr : {1.0, 1.5, 2.0})
            QTest::addRow("%s at %gx", row.name, dpr)
                << row.asset << dpr << row.edge << row.allowed;
}

void TestArtwork::straightEdgesAreSharp()
{
    QFETCH(Asset, asset);
    QFETCH(qreal, dpr);
    QFETCH(Edge, edge);
    QFETCH(QList<QRgb>, allowed);
    const QImage image = imageOf(asset, dpr);
    const int w = image.width(), h = image.height();
    // Eight logical pixels in: past shadow and outline, short of the words.
    const int count = int(8 * dpr);
    const QList<QRgb> line = [&] {
        switch (edge) {
        case Edge::Left: return colours(image, {0, h / 3}, {1, 0}, count);
        case Edge::Top: return colours(image, {w / 3, 0}, {0, 1}, count);
        case Edge::Right: return colours(image, {w - 1, h / 3}, {-1, 0}, count);
        case Edge::Bottom: break;
        }
        return colours(image, {w / 3, h - 1}, {0, -1}, count);
    }();
    for (int i = 0; i < count; ++i)
        QVERIFY2(allowed.contains(line[i]),
                 qPrintable(QStringLiteral("#%1 at %2").arg(line[i] & 0xFFFFFF, 6, 16).arg(i)));
    QVERIFY2(line.contains(allowed.at(allowed.size() - 2)), "no outline");
    QCOMPARE(line.last(), allowed.last());
}

// Words and signs are really drawn: no picture is the same as another of its size.
void TestArtwork::noTwoPicturesAlike_data()
{
    QTest::addColumn<Asset>("asset");
    for (const auto& [control, asset] : distinctAssets())
        QTest::addRow("%s", qPrintable(control)) << asset;
}

void TestArtwork::noTwoPicturesAlike()
{
    QFETCH(Asset, asset);
    const QImage image = imageOf(asset, 1);
    for (const auto& [control, other] : distinctAssets())
        if (!(other == asset) && other.width == asset.width && other.height == asset.height)
            QVERIFY2(imageOf(other, 1) != image, qPrintable(control));
}

// The live button carries near-black outline and words; the greyed one has nothing darker
// than its light grey, so the two differ at a glance.
void TestArtwork::greyedPagingToldApart_data()
{
    QTest::addColumn<QString>("live");
    QTest::addColumn<QString>("greyed");
    for (const char* name : {"MoreStreets", "MoreAreas", "MoreStops"})
        QTest::addRow("%s", name) << QStringLiteral("%1(0)").arg(name)
                                  << QStringLiteral("%1(1)").arg(name);
}

void TestArtwork::greyedPagingToldApart()
{
    QFETCH(QString, live);
    QFETCH(QString, greyed);
    Kiosk kiosk;
    const auto darkest = [&kiosk](const QString& control) {
        const QImage image = imageOf(kiosk.window.findChild<Picture*>(control)->asset(), 1);
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        return darkest;
    };
    QVERIFY(darkest(live) <= qGray(0x231F20) + 8);
    QVERIFY(darkest(greyed) >= qGray(0xA7A9AC) - 8);
}

void TestArtwork::pressedPictureCoversHeldKey_data()
{
    QTest::addColumn<QStringList>("before"); // touches from the welcome screen
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("after"); // the key on show there once the finger lifts

    const QStringList letters = {"IntroMessage(3)", "HowDoIGetTo", "IKnowStreetNames"};
    const QStringList numbers = letters + QStringList{"Letters(26)"};
    QTest::newRow("A") << letters << "Letters(0)"
                       << "Letter_sel(0)"
                       << "Letters(0)";
    QTest::newRow("W") << letters << "Letters(22)"
                       << "Letter_sel(22)"
                       << "Letters(22)";
    QTest::newRow("# switches pads") << letters << "Letters(26)"
                                     << "Letter_sel(26)"
                                     << "Numbers(10)";
    QTest::newRow("clear on letters") << letters << "Letters(27)"
                                      << "Letter_sel(27)"
                                      << "Letters(27)";
    QTest::newRow("0") << numbers << "Numbers(0)"
                       << "Number_sel(0)"
                       << "Numbers(0)";
    QTest::newRow("5") << numbers << "Numbers(5)"
                       << "Number_sel(5)"
                       << "Numbers(5)";
    QTest::newRow("abc switches pads") << numbers << "Numbers(10)"
                                       << "Number_sel(10)"
                                       << "Letters(26)";
    QTest::newRow("clear on numbers") << numbers << "Numbers(11)"
                                      << "Number_sel(11)"
                                      << "Numbers(11)";
}

void TestArtwork::pressedPictureCoversHeldKey()
{
    QFETCH(QStringList, before);
    QFETCH(QString, key);
    QFETCH(QString, pressed);
    QFETCH(QString, after);
    Kiosk kiosk;
    kiosk.touchAll(before);
    const auto* keyPicture = kiosk.window.findChild<const Picture*>(key);
    const auto* pressedPicture = kiosk.window.findChild<const Picture*>(pressed);
    QVERIFY(keyPicture->isVisible());
    const QRect onWindow(keyPicture->mapTo(&kiosk.window, QPoint()), keyPicture->size());
    const auto screen = [&kiosk, onWindow] {
        return kiosk.window.grab(onWindow).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    const qreal dpr = kiosk.window.devicePixelRatioF();

    kiosk.press(onWindow.center());
    QVERIFY(pressedPicture->isVisible());
    QCOMPARE(pressedPicture->parentWidget(), keyPicture->parentWidget());
    QCOMPARE(pressedPicture->geometry(), keyPicture->geometry());
    QCOMPARE(kiosk.window.childAt(onWindow.center()), pressedPicture);
    QCOMPARE(screen(), imageOf(pressedPicture->asset(), dpr));

    kiosk.release(onWindow.center());
    QVERIFY(!pressedPicture->isVisible());
    const auto* shown = kiosk.window.findChild<const Picture*>(after);
    QCOMPARE(kiosk.window.childAt(onWindow.center()), shown);
    QCOMPARE(screen(), imageOf(shown->asset(), dpr));
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
