// Searching by touch: the keys under a finger and a mouse with two buttons, touches that never
// see their release, turning pages, and the choices. (What each search step shows, a new page
// as painted and both trips to their directions included, is guarded by the screen images.)
// One window serves every row; each starts on the main menu.
#include "KioskHarness.h"

#include <QTest>

using namespace stopwise;
using namespace stopwise::testing;

class TestSearch : public testing::KioskTest {
    Q_OBJECT
private slots:
    void keys_data();
    void keys();
    void pagesWrapAround();
    void choiceAfterPaging();
};

// On the street step's letter keypad, steps of a walk; after each, the pressed pictures on
// show (none where empty). A key's pressed look shows only while a press holds it, and a press
// whose release never comes types nothing: the next touch on the key types as usual.
void TestSearch::keys_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("looks");
    QTest::addColumn<QString>("typed");
    const auto row = [](const char* name, const QString& steps, const QString& looks,
                        const char* typed) {
        QTest::newRow(name) << steps.split(u'|') << looks.split(u'|') << QString(typed);
    };
    row("lifted on the next key", "press Letters(0)|slide Letters(1)|lift Letters(1)",
        "Letter_sel(0)|Letter_sel(0)|", "a");
    row("slid off and back on", "press Letters(0)|slide 100,200|slide Letters(0)|lift Letters(0)",
        "Letter_sel(0)|Letter_sel(0)|Letter_sel(0)|", "a");
    row("the same letter twice at once", "Letters(17)|after 80 Letters(17)", "|", "rr");
    row("a mouse's other button", "right-press Letters(0)|right-lift Letters(0)", "Letter_sel(0)|",
        "a");
    row("the other button meanwhile",
        "mouse-press Letters(0)|right-press Letters(0)|mouse-lift Letters(0)|right-lift Letters(0)",
        "Letter_sel(0)|Letter_sel(0)||", "a");
    row("a touch cancelled", "press Letters(1)|cancel|Letters(1)", "Letter_sel(1)||", "b");
    row("a pointer lost with its button down", "mouse-press Letters(1)|leave|Letters(1)",
        "Letter_sel(1)||", "b");
    row("a press whose release never comes", "press Letters(1)|vanish|Letters(1)",
        "Letter_sel(1)|Letter_sel(1)|", "b");
    row("a touch cancelled after a mouse went back",
        "hold Letters(1)|mouse-press Back(0)|mouse-lift Back(0)|cancel|HowDoIGetTo|"
        "IKnowStreetNames|Letters(1)",
        "Letter_sel(1)||||||", "b");
}

void TestSearch::keys()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, looks);
    QFETCH(QString, typed);
    QVERIFY_WALK(*kiosk, ToStreets);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        QVERIFY_WALK(*kiosk, {steps[i]});
        const QString shown = kiosk->pressedLooks().join(u' ');
        QVERIFY2(shown == looks[i], qPrintable(QStringLiteral("after \"%1\" the keypad shows "
                                                              "pressed \"%2\", not \"%3\"")
                                                   .arg(steps[i], shown, looks[i])));
    }
    QCOMPARE(QString::fromStdString(kiosk->state().KeyPadInput), typed);
}

// More turns to the next page, whose unused rows hide, and from the last back to the first,
// also when touched twice at once.
void TestSearch::pagesWrapAround()
{
    QVERIFY_WALK(*kiosk, ToStreets + QStringList{"type m"});
    const QStringList first = kiosk->rows();
    QCOMPARE(first.size(), 4);
    QVERIFY_WALK(*kiosk, {"MoreStreets(0)"});
    QCOMPARE(kiosk->rows(), (QStringList{"Montier Street", "Murray Ave"}));
    QVERIFY(!kiosk->control("SelectBtn(2)")->isVisible());
    QVERIFY_WALK(*kiosk, {"after 80 MoreStreets(0)"});
    QCOMPARE(kiosk->rows(), first);
}

// A choice is the name its row shows at the touch, on whatever page.
void TestSearch::choiceAfterPaging()
{
    QVERIFY_WALK(*kiosk, ToStreets + QStringList{"type m", "MoreStreets(0)", "SelectBtn(1)"});
    QCOMPARE(kiosk->state().SelectedStreet, std::string("Murray Ave"));
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
