// Drives a real kiosk window the way a person does: one finger on a touch screen, or a mouse
// where a mouse matters, through the window system's own entry for input, so that stacking
// order, visibility and time decide what is hit. The rider is patient: each touch begins a
// second after the last event, unless a step says how soon. Controls are named only to find
// where to touch. A walk that finds nothing to touch says at which step, and what was on show.
#pragma once

#include "shell/Stopwise.h"

#include <QEventPoint>
#include <QHash>
#include <QStringList>
#include <QWindow>

#include <cstdint>
#include <memory>
#include <optional>

namespace stopwise::testing {

// The kiosk as a desktop shows it, in its own small window; or as the stop's screen shows it,
// in the middle of a surround, here exactly the size of the screens' extent, or the whole
// screen.
enum class Form { Window, Extent, FullScreen };

// One step of a walk. As tests write it, TARGET being a control's name or "x,y" on the screens
// (the first five verbs below lift a finger still down before they touch):
//   TARGET               a touch: the finger down and up again
//   after MS STEP        STEP, begun MS milliseconds after the last event (not a second)
//   type LETTERS         touches on the letter keys
//   choose NAME          a touch on the select button of the row that shows NAME
//   hold TARGET          the finger down, left there until a later step lifts it
//   press|slide|lift TARGET      the finger down, moved, up
//   cancel               the window system cancels the touch under way
//   vanish               the finger's device goes away: its lift never comes
//   mouse-press|mouse-lift|right-press|right-lift TARGET     a mouse's two buttons
//   leave                the pointer leaves the window, its buttons still down
struct Move {
    // clang-format off
    enum Verb : std::uint8_t {
        Touch, Type, Choose, Hold, Press, // a new touch
        Slide, Lift, Cancel, Vanish,      // the finger that is down
        MousePress, MouseLift, RightPress, RightLift, Leave
    };
    // clang-format on
    Verb verb = Touch;
    QString target;
    std::optional<int> after; // milliseconds; a patient rider's second when none is given
};
Move parseMove(const QString& step);

class Kiosk {
public:
    explicit Kiosk(Form form = Form::Window); // a new kiosk, shown on its welcome screen

    QWidget& top() { return *m_top; } // the window a finger touches
    QWindow* handle() const { return m_top->windowHandle(); }
    Stopwise& window() const { return *m_window; } // the kiosk inside the top
    const KioskState& state() const { return m_window->state(); }
    QWidget* control(const QString& name) const { return m_controls.value(name); }
    QString text(const QString& label) const { return control(label)->property("text").toString(); }
    // Where a finger goes for `target`, in the coordinates of the kiosk's screens: a control's
    // centre, or "x,y".
    QPoint at(const QString& target) const;

    // Takes the steps in turn. Empty when each found what it touches; else which step did not,
    // and what was on show.
    QString walk(const QStringList& steps);
    QString take(const Move& move);
    void toMainMenu(); // by touches, from wherever the kiosk is

    // One finger, at points of the screens. A press begins `after` milliseconds after the last
    // event; a slide or lift follows it at once.
    void press(QPoint at, int after = Patience);
    void slide(QPoint to);
    void lift(QPoint at);
    void lift(); // a finger still down, where it is
    // After each event the window handles what it posted, repaints among them, as a person's
    // next touch finds it. A soak lets it catch up now and then instead.
    bool catchUpAfterEachEvent = true;

    QStringList visiblePanels() const;
    QStringList rows() const; // the names on the current page, top row first
    QStringList
    pressedLooks() const;   // the keys' pressed pictures shown, on a keypad on show or not
    QString onShow() const; // the panels, what is typed and the names, in one line

    static constexpr int Patience = 1000; // milliseconds a rider takes to read a screen

private:
    void touchEvent(QEventPoint::State state, QPoint at);
    void mouseEvent(Qt::MouseButton button, QEvent::Type type, QPoint at, int after);
    QPointF native(QPoint at) const; // the window system's pixels of a point of the screens
    QString touchable(const Move& move) const;

    std::unique_ptr<QWidget> m_top;
    Stopwise* m_window;                  // m_top, or the middle of it
    QHash<QString, QWidget*> m_controls; // by name: made once, never destroyed
    std::optional<QPoint> m_finger;      // where it is down
    int m_fingerId = 0;                  // a new one after a finger's device went away
    Qt::MouseButtons m_buttons;          // the mouse's, down
    std::uint64_t m_clock = 0;           // the window system's time, in milliseconds
};

// In a test function: takes the steps, and fails the test at a step that finds nothing to
// touch, saying which and what was on show.
#define QVERIFY_WALK(kiosk, ...)                                                                   \
    do {                                                                                           \
        const QString astray = (kiosk).walk(__VA_ARGS__);                                          \
        QVERIFY2(astray.isEmpty(), qPrintable(astray));                                            \
    } while (false)

// Routes from the main menu to the first step of each search.
inline const QStringList ToStreets = {"HowDoIGetTo", "IKnowStreetNames"};
inline const QStringList ToAreas = {"HowDoIGetTo", "IKnowLocation"};

// A test program's one kiosk, made once; every test function starts on its main menu, and
// fails there if Back and OK cannot bring it back.
class KioskTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<Kiosk> kiosk;
private slots:
    void initTestCase() { kiosk = std::make_unique<Kiosk>(); }
    void init();
};

} // namespace stopwise::testing
