#include "KioskHarness.h"

#include "screens/Layout.h"
#include "shell/Surround.h"

#include <QPointingDevice>
#include <QTest>

namespace stopwise::testing {
namespace {

// One finger on a touch screen, as QTest's touch sequences send it but without the
// millisecond they sleep before every event: a soak sends a great many.
class Finger : public QTest::QTouchEventSequence {
public:
    Finger(QWindow* window, bool catchUp)
        : QTouchEventSequence(window, touchScreen(), false)
        , m_catchUp(catchUp)
    {
    }
    ~Finger() override { commit(m_catchUp); }

    bool commit(bool processEvents = true) override
    {
        if (points.isEmpty())
            return false;
        const bool accepted = qt_handleTouchEventv2(targetWindow, device, points.values());
        if (processEvents)
            QCoreApplication::processEvents();
        previousPoints = points;
        points.clear();
        return accepted;
    }

private:
    bool m_catchUp; // the window handles what the touch posted before the next one

    static QPointingDevice* touchScreen()
    {
        static QPointingDevice* const device = QTest::createTouchDevice();
        return device;
    }
};

QString element(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(array)).arg(index);
}

} // namespace

Kiosk::Kiosk(Form form)
{
    if (form == Form::Window) {
        m_window = new Stopwise;
        m_top.reset(m_window);
    } else {
        auto* surround = new Surround;
        m_window = &surround->kiosk();
        m_top.reset(surround);
    }
    for (QWidget* widget : m_window->findChildren<QWidget*>())
        m_controls.insert(widget->objectName(), widget);
    if (form == Form::FullScreen) {
        static_cast<Surround&>(*m_top).fillScreen();
    } else {
        m_top->resize(m_top->minimumSize()); // the extent, around the kiosk
        m_top->show();
    }
    if (!QTest::qWaitForWindowExposed(m_top.get()))
        qFatal("the kiosk window was never shown");
}

QPoint Kiosk::at(const QString& target) const
{
    if (target.contains(u','))
        return {target.section(u',', 0, 0).toInt(), target.section(u',', 1).toInt()};
    const QWidget* widget = control(target);
    return widget->mapTo(m_window, widget->rect().center());
}

void Kiosk::press(QPoint at)
{
    Finger(handle(), catchUpAfterEachEvent).press(0, m_window->mapTo(m_top.get(), at));
    m_finger = at;
}

void Kiosk::move(QPoint to)
{
    Finger(handle(), catchUpAfterEachEvent).move(0, m_window->mapTo(m_top.get(), to));
    m_finger = to;
}

void Kiosk::release(QPoint at)
{
    Finger(handle(), catchUpAfterEachEvent).release(0, m_window->mapTo(m_top.get(), at));
    m_finger.reset();
}

void Kiosk::lift()
{
    if (m_finger)
        release(*m_finger);
}

void Kiosk::touch(const QString& name)
{
    press(at(name));
    release(at(name));
}

bool Kiosk::walk(const QStringList& steps)
{
    for (const QString& step : steps) {
        lift();
        const QString verb = step.section(u' ', 0, 0), what = step.section(u' ', 1);
        QString target = verb == "hold" ? what : step;
        if (verb == "type") {
            for (QChar letter : what)
                touch(element("Letters", letter.unicode() - u'a'));
            continue;
        }
        if (verb == "choose")
            target = element("SelectBtn", int(rows().indexOf(what)));
        const QWidget* widget = control(target);
        if (!target.contains(u',') &&
            (!widget || !widget->isVisible() || m_window->childAt(at(target)) != widget))
            return false;
        if (verb == "hold")
            press(at(target));
        else
            touch(target);
    }
    return true;
}

void Kiosk::toMainMenu()
{
    lift();
    for (int guard = 0; guard < 5 && state().Mode != Step::MainMenu; ++guard) {
        switch (state().Mode) {
        case Step::Welcome: touch(QStringLiteral("Intro")); break;
        case Step::NextArrivals: touch(QStringLiteral("BusScheduleOK")); break;
        case Step::SearchType: touch(QStringLiteral("IKnowStreetNames")); break;
        case Step::StreetDirections:
        case Step::StopDirections: touch(QStringLiteral("InstructionsOK")); break;
        default: touch(element("Back", control("StreetSelect")->isVisible() ? 0 : 1));
        }
    }
}

void KioskTest::init()
{
    kiosk->toMainMenu();
    QCOMPARE(kiosk->visiblePanels(), QStringList{"MainMenu"});
}

QStringList Kiosk::visiblePanels() const
{
    QStringList visible;
    for (const PanelRow& panel : PanelLayout)
        if (control(QString::fromUtf8(panel.name.data(), panel.name.size()))->isVisible())
            visible << QString::fromUtf8(panel.name.data(), panel.name.size());
    return visible;
}

QStringList Kiosk::rows() const
{
    QStringList names;
    for (int row = 0; row < 4; ++row)
        if (control(element("ListItem", row))->isVisible())
            names << text(element("ListItem", row));
    return names;
}

} // namespace stopwise::testing
