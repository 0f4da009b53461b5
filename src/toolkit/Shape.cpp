#include "toolkit/Shape.h"

#include <QPainter>

namespace stopwise {

Shape::Shape(QWidget* parent, QColor fill, bool outlined)
    : QWidget(parent)
    , m_fill(fill)
    , m_outlined(outlined)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_outlined) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace stopwise
