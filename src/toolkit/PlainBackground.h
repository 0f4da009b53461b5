// A widget whose background is one plain colour, filled by Qt before it paints anything.
#pragma once

#include <QWidget>

namespace stopwise {

inline void fillBackground(QWidget& widget, QColor colour)
{
    QPalette plain = widget.palette();
    plain.setColor(QPalette::Window, colour);
    widget.setPalette(plain);
    widget.setAutoFillBackground(true);
}

} // namespace stopwise
