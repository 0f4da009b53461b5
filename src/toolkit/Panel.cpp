#include "toolkit/Panel.h"

#include "toolkit/ControlOptions.h"

#include <QPaintEvent>
#include <QPainter>

namespace stopwise {

Panel::Panel(QWidget* parent, QColor background)
    : Control(parent, Single)
    , m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Panel::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), m_background);
}

} // namespace stopwise
