#include "toolkit/Control.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPointer>

namespace stopwise {
namespace {

QPointer<Control> held; // the control a press holds, until its release

} // namespace

Control::Control(QWidget* parent, short index)
    : QWidget(parent)
    , m_index(index)
{
}

bool Control::takesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Control::clicked));
}

void Control::tap()
{
    emit pressed(m_index);
    emit released(m_index);
    emit clicked(m_index);
}

void Control::cancelHold()
{
    if (held)
        held->cancel();
}

void Control::cancel()
{
    if (m_heldBy == Qt::NoButton)
        return;
    m_heldBy = Qt::NoButton;
    held.clear();
    emit cancelled(m_index);
}

void Control::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // a control with no action still takes the touch: nothing lies below it
    if (held)
        return; // a second button of the pointer that holds a control
    m_heldBy = event->button();
    held = this;
    emit pressed(m_index);
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != m_heldBy)
        return;
    m_heldBy = Qt::NoButton;
    held.clear();
    emit released(m_index);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}

// A control hidden while held will not see the release.
void Control::hideEvent(QHideEvent*)
{
    cancel();
}

} // namespace stopwise
