#include "KioskHarness.h"

#include "screens/Layout.h"
#include "shell/Surround.h"

#include <QPointingDevice>
#include <QTest>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <array>

namespace stopwise::testing {
namespace {

using Sync = QWindowSystemInterface::SynchronousDelivery;

constexpr int Quick = 40; // milliseconds from a finger's press to its slide or lift

// The words of the walk language that name a verb, in the order of Move::Verb from Type on; a
// step without one is a touch.
constexpr std::array<const char*, Move::Leave> Verbs = {
    "type",   "choose",      "hold",       "press",       "slide",      "lift", "cancel",
    "vanish", "mouse-press", "mouse-lift", "right-press", "right-lift", "leave"};

QPointingDevice* touchScreen()
{
    static QPointingDevice* const device = QTest::createTouchDevice();
    return device;
}

QString element(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(array)).arg(index);
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

Move parseMove(const QString& step)
{
    const QString word = step.section(u' ', 0, 0), rest = step.section(u' ', 1);
    if (word == "after") {
        Move move = parseMove(rest.section(u' ', 1));
        move.after = rest.section(u' ', 0, 0).toInt();
        return move;
    }
    const auto verb = std::ranges::find_if(
        Verbs, [&](const char* name) { return word == QLatin1StringView(name); });
    return verb == Verbs.end() ? Move{Move::Touch, step, {}}
                               : Move{Move::Verb(verb - Verbs.begin() + 1), rest, {}};
}

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
    return widget ? widget->mapTo(m_window, widget->rect().center()) : QPoint();
}

// Qt's own scale applies between the window system's pixels and the screens' logical ones.
QPointF Kiosk::native(QPoint at) const
{
    const QScreen* screen = handle()->screen();
    const qreal own = handle()->devicePixelRatio() / handle()->handle()->devicePixelRatio();
    return QPointF(m_window->mapToGlobal(at) - screen->geometry().topLeft()) * own +
           screen->handle()->geometry().topLeft();
}

void Kiosk::touchEvent(QEventPoint::State state, QPoint at)
{
    QWindowSystemInterface::TouchPoint point;
    point.id = m_fingerId;
    point.state = state;
    point.pressure = state == QEventPoint::State::Released ? 0 : 1;
    point.area = QRectF(native(at), QSizeF());
    QWindowSystemInterface::handleTouchEvent<Sync>(handle(), m_clock, touchScreen(), {point});
    if (catchUpAfterEachEvent)
        QCoreApplication::processEvents();
}

void Kiosk::mouseEvent(Qt::MouseButton button, QEvent::Type type, QPoint at, int after)
{
    m_clock += type == QEvent::MouseButtonPress ? after : Quick;
    m_buttons.setFlag(button, type == QEvent::MouseButtonPress);
    const QPointF global = native(at);
    QWindowSystemInterface::handleMouseEvent<Sync>(
        handle(), m_clock, global - native(m_window->mapFrom(m_top.get(), QPoint())), global,
        m_buttons, button, type);
    if (catchUpAfterEachEvent)
        QCoreApplication::processEvents();
}

void Kiosk::press(QPoint at, int after)
{
    m_clock += after;
    touchEvent(QEventPoint::State::Pressed, at);
    m_finger = at;
}

void Kiosk::slide(QPoint to)
{
    m_clock += Quick;
    touchEvent(QEventPoint::State::Updated, to);
    m_finger = to;
}

void Kiosk::lift(QPoint at)
{
    m_clock += Quick;
    touchEvent(QEventPoint::State::Released, at);
    m_finger.reset();
}

void Kiosk::lift()
{
    if (m_finger)
        lift(*m_finger);
}

// Why a finger could not touch what the move names, or nothing.
QString Kiosk::touchable(const Move& move) const
{
    if (move.target.contains(u','))
        return {};
    const QWidget* widget = control(move.target);
    if (!widget)
        return QStringLiteral("there is no control %1").arg(move.target);
    if (!widget->isVisible())
        return QStringLiteral("%1 is not on show").arg(move.target);
    if (const QWidget* over = m_window->childAt(at(move.target)); over != widget)
        return QStringLiteral("%1 lies under %2").arg(move.target, over ? over->objectName() : "");
    return {};
}

QString Kiosk::take(const Move& move)
{
    const int after = move.after.value_or(Patience);
    // A new touch lifts a finger still down first; other steps leave it where it is.
    if (move.verb <= Move::Press)
        lift();
    switch (move.verb) {
    case Move::Type:
        for (const QChar letter : move.target)
            if (const QString astray =
                    take({Move::Touch, element("Letters", keyOfLetter(char(letter.unicode()))),
                          move.after});
                !astray.isEmpty())
                return astray;
        return {};
    case Move::Choose: {
        const qsizetype row = rows().indexOf(move.target);
        if (row < 0)
            return QStringLiteral("no row shows %1").arg(move.target);
        return take({Move::Touch, element("SelectBtn", int(row)), move.after});
    }
    case Move::Touch:
    case Move::Hold:
    case Move::Press:
        if (const QString astray = touchable(move); !astray.isEmpty())
            return astray;
        press(at(move.target), after);
        if (move.verb == Move::Touch)
            lift(at(move.target));
        return {};
    case Move::Slide: slide(at(move.target)); return {};
    case Move::Lift: lift(at(move.target)); return {};
    case Move::Cancel:
        m_clock += Quick;
        QWindowSystemInterface::handleTouchCancelEvent<Sync>(handle(), m_clock, touchScreen());
        m_finger.reset();
        return {};
    case Move::Vanish:
        m_finger.reset();
        ++m_fingerId;
        return {};
    case Move::MousePress:
    case Move::RightPress:
    case Move::MouseLift:
    case Move::RightLift:
        mouseEvent(move.verb <= Move::MouseLift ? Qt::LeftButton : Qt::RightButton,
                   move.verb == Move::MousePress || move.verb == Move::RightPress
                       ? QEvent::MouseButtonPress
                       : QEvent::MouseButtonRelease,
                   at(move.target), after);
        return {};
    case Move::Leave: QWindowSystemInterface::handleLeaveEvent<Sync>(handle()); return {};
    }
    return {};
}

QString Kiosk::walk(const QStringList& steps)
{
    for (qsizetype i = 0; i < steps.size(); ++i)
        if (const QString astray = take(parseMove(steps[i])); !astray.isEmpty())
            return QStringLiteral("step %1 of %2, \"%3\": %4; on show: %5")
                .arg(i + 1)
                .arg(steps.size())
                .arg(steps[i], astray, onShow());
    return {};
}

// Back or OK where there is one; forward to the street search from the search type, which has
// neither; on from the welcome screen.
void Kiosk::toMainMenu()
{
    lift();
    const QStringList ways = {"IntroMessage(3)",  "BusScheduleOK", "InstructionsOK",
                              "IKnowStreetNames", "Back(0)",       "Back(1)"};
    for (int guard = 0; guard < 5 && state().Mode != Step::MainMenu; ++guard)
        for (const QString& way : ways)
            if (control(way)->isVisible())
                walk({way});
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
        if (control(fromView(panel.name))->isVisible())
            visible << fromView(panel.name);
    return visible;
}

QStringList Kiosk::rows() const
{
    QStringList names;
    for (int row = 0; row < ListRows; ++row)
        if (control(element("ListItem", row))->isVisible())
            names << text(element("ListItem", row));
    return names;
}

QStringList Kiosk::pressedLooks() const
{
    QStringList shown;
    for (const QString& name : m_controls.keys())
        if (name.contains(QStringLiteral("_sel(")) && !control(name)->isHidden())
            shown << name;
    shown.sort();
    return shown;
}

QString Kiosk::onShow() const
{
    QString shown = visiblePanels().join(QStringLiteral(", "));
    if (searchOf(state().Mode))
        shown += QStringLiteral("; typed \"%1\"; rows %2")
                     .arg(QString::fromStdString(state().KeyPadInput), rows().join(" | "));
    if (const QStringList held = pressedLooks(); !held.isEmpty())
        shown += QStringLiteral("; held ") + held.join(u' ');
    return shown;
}

} // namespace stopwise::testing
