// Drives a real kiosk window the way a person does: a finger on a touch screen, through the
// window's QWindow at window coordinates, so that stacking order and visibility decide what
// is hit. Controls are named only to find where to touch.
#pragma once

#include "shell/Stopwise.h"

#include <QStringList>
#include <QWindow>

namespace stopwise::testing {

class Kiosk {
public:
    Kiosk(); // a new kiosk, shown on its welcome screen

    QWindow* handle() { return window.windowHandle(); }
    const KioskState& state() const { return window.state(); }

    QWidget* control(const QString& name) const;
    QString text(const QString& label) const;  // as set, "&&" and CR LF included
    QString shown(const QString& label) const; // as read on the screen
    QPoint centre(const QString& name) const;  // in window coordinates

    // One finger.
    void press(QPoint at);
    void move(QPoint to);
    void release(QPoint at);
    void touch(QPoint at);
    void touch(const QString& name) { touch(centre(name)); }
    void lift();                       // a finger still down, where it is
    void type(const QString& letters); // on the letter keypad
    bool choose(const QString& name);  // the select button of the row showing `name`

    // Takes the steps in turn: a control's name touches it, "type abc" types, "choose NAME"
    // chooses, "hold NAME" puts the finger down on it and leaves it there until the next
    // step, which lifts it first. False when a step finds nothing to touch.
    bool walk(const QStringList& steps);
    // Back to the main menu by touches, from wherever the kiosk is.
    void toMainMenu();

    QStringList visiblePanels() const;
    QStringList rows() const; // the names on the current page, top row first

    Stopwise window;

private:
    bool reachable(const QString& name) const;
    std::optional<QPoint> m_finger; // where it is down
};

} // namespace stopwise::testing
