#include "KioskHarness.h"

#include "shell/Layout.h"
#include "toolkit/Label.h"

#include <QPointingDevice>
#include <QTest>

namespace stopwise::testing {
namespace {

QPointingDevice* touchScreen()
{
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

QString rowName(const char* array, int row)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(array)).arg(row);
}

} // namespace

Kiosk::Kiosk()
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the kiosk window was never shown");
}

QWidget* Kiosk::control(const QString& name) const
{
    return window.findChild<QWidget*>(name);
}

QString Kiosk::text(const QString& label) const
{
    return control(label)->property("text").toString();
}

QString Kiosk::shown(const QString& label) const
{
    return window.findChild<Label*>(label)->shownText();
}

QPoint Kiosk::centre(const QString& name) const
{
    const QWidget* widget = control(name);
    return widget->mapTo(&window, widget->rect().center());
}

void Kiosk::press(QPoint at)
{
    QTest::touchEvent(handle(), touchScreen()).press(0, at);
    m_finger = at;
}

void Kiosk::move(QPoint to)
{
    QTest::touchEvent(handle(), touchScreen()).move(0, to);
    m_finger = to;
}

void Kiosk::release(QPoint at)
{
    QTest::touchEvent(handle(), touchScreen()).release(0, at);
    m_finger.reset();
}

void Kiosk::lift()
{
    if (m_finger)
        release(*m_finger);
}

void Kiosk::touch(QPoint at)
{
    press(at);
    release(at);
}

void Kiosk::type(const QString& letters)
{
    for (QChar letter : letters)
        touch(rowName("Letters", letter.unicode() - u'a'));
}

bool Kiosk::choose(const QString& name)
{
    for (int row = 0; row < 4; ++row) {
        if (control(rowName("ListItem", row))->isVisible() &&
            text(rowName("ListItem", row)) == name) {
            touch(rowName("SelectBtn", row));
            return true;
        }
    }
    return false;
}

// Only what a finger would find there: a control that is shown and uncovered at its centre.
bool Kiosk::reachable(const QString& name) const
{
    const QWidget* widget = control(name);
    return widget && widget->isVisible() && window.childAt(centre(name)) == widget;
}

bool Kiosk::walk(const QStringList& steps)
{
    for (const QString& step : steps) {
        lift();
        const QString what = step.section(u' ', 1);
        if (step.startsWith(u"type "))
            type(what);
        else if (step.startsWith(u"choose ")) {
            if (!choose(what))
                return false;
        } else if (!reachable(step.startsWith(u"hold ") ? what : step))
            return false;
        else if (step.startsWith(u"hold "))
            press(centre(what));
        else
            touch(step);
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
        default:
            touch(control("StreetSelect")->isVisible() ? QStringLiteral("Back(0)")
                                                       : QStringLiteral("Back(1)"));
        }
    }
}

QStringList Kiosk::visiblePanels() const
{
    QStringList visible;
    for (const PanelRow& panel : PanelLayout) {
        const QString name = QString::fromUtf8(panel.name.data(), panel.name.size());
        if (control(name)->isVisible())
            visible << name;
    }
    return visible;
}

QStringList Kiosk::rows() const
{
    QStringList names;
    for (int row = 0; row < 4; ++row)
        if (control(rowName("ListItem", row))->isVisible())
            names << text(rowName("ListItem", row));
    return names;
}

} // namespace stopwise::testing
