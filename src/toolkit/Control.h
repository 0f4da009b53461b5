// The base of every control that takes touches: panels, labels and pictures.
// A touch is a press and a release. Qt keeps delivering the finger's events to the
// control that took the press, so the release always reaches that control, wherever the
// finger is lifted; it counts as a click only when the finger is lifted over the control.
// Sliding off and back on before lifting is still one press and one release. Presses and
// releases come from any pointer button (a finger is always the primary one); a click
// only from the primary button, and a second button pressed meanwhile is ignored. A quick
// second tap arrives as a double click, which QWidget hands on as a press like any other.
//
// One press at a time holds a control, as one finger does. A hold whose release never comes
// is cancelled: the control is told, takes its pressed look back, and is left as if never
// touched; nothing is typed or chosen. A control cancels its hold when it is hidden; the
// window's TouchGate cancels it when the touch is cancelled, the pointer is lost, or a first
// press arrives before the release; and the program cancels it when the touchscreen goes away.
#pragma once

#include <QWidget>

#include <type_traits>

namespace stopwise {

class Control : public QWidget {
    Q_OBJECT
public:
    // `index` is the element number within a control array, or -1 for a single control.
    Control(QWidget* parent, short index);

    short index() const { return m_index; }

    // Whether a handler listens to this control's clicks.
    bool takesClicks() const;

    // A quick touch without a finger, for assistive technology: press, release and click.
    void tap();

    // Ends the hold of whichever control a press holds now, if any, without acting.
    static void cancelHold();

signals:
    void pressed(short index);
    void released(short index);
    void clicked(short index);
    void cancelled(short index); // a press that will see no release

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void cancel();

    short m_index;
    Qt::MouseButton m_heldBy = Qt::NoButton;
};

// Runs `handler` of `receiver` on `signal` of one control, or of every element of a control
// array, which all share the handler and tell it their index.
template <typename Controls, typename Receiver, typename Handler>
void connectEach(const Controls& controls, void (Control::*signal)(short), Receiver* receiver,
                 Handler handler)
{
    if constexpr (std::is_pointer_v<Controls>)
        QObject::connect(controls, signal, receiver, handler);
    else
        for (Control* control : controls)
            QObject::connect(control, signal, receiver, handler);
}

} // namespace stopwise
