// Drives a real kiosk window the way a person does: a finger on a touch screen, through the
// window's QWindow at window coordinates, so that stacking order and visibility decide what
// is hit. Controls are named only to find where to touch.
#pragma once

#include "shell/Stopwise.h"

#include <memory>

#include <QHash>
#include <QStringList>
#include <QWindow>

namespace stopwise::testing {

// The kiosk as a desktop shows it, in its own small window; or as the stop's screen shows it,
// in the middle of a surround, here exactly the size of the screens' extent, or the whole
// screen.
enum class Form { Window, Extent, FullScreen };

class Kiosk {
public:
    explicit Kiosk(Form form = Form::Window); // a new kiosk, shown on its welcome screen

    QWidget& top() { return *m_top; } // the window a finger touches
    QWindow* handle() { return m_top->windowHandle(); }
    Stopwise& window() const { return *m_window; } // the kiosk inside the top
    const KioskState& state() const { return m_window->state(); }
    QWidget* control(const QString& name) const { return m_controls.value(name); }
    QString text(const QString& label) const { return control(label)->property("text").toString(); }
    // Where a finger goes for `target`, in the coordinates of the kiosk's screens: a control's
    // centre, or "x,y".
    QPoint at(const QString& target) const;

    // One finger.
    void press(QPoint at);
    void move(QPoint to);
    void release(QPoint at);
    void lift(); // a finger still down, where it is
    // After each touch the window handles what it posted, repaints among them, as a person's
    // next touch finds it. A soak lets it catch up now and then instead.
    bool catchUpAfterEachEvent = true;
    void touch(const QString& name);

    // Takes the steps in turn: a control's name or "x,y" touches it, "type abc" types on the letter
    // keypad, "choose NAME" touches the select button of the row showing NAME, "hold NAME"
    // puts the finger down on it until the next step, which lifts it first. False when a
    // step finds nothing a finger could touch.
    bool walk(const QStringList& steps);
    void toMainMenu(); // by touches, from wherever the kiosk is

    QStringList visiblePanels() const;
    QStringList rows() const; // the names on the current page, top row first

private:
    std::unique_ptr<QWidget> m_top;
    Stopwise* m_window;                  // m_top, or the middle of it
    QHash<QString, QWidget*> m_controls; // by name: made once, never destroyed
    std::optional<QPoint> m_finger;      // where it is down
};

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
