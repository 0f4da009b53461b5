// A panel: a borderless container with a solid background. Its children are placed
// relative to it and clipped to it; hiding it hides them all. The welcome panel also takes
// touches, so a panel is a control.
#pragma once

#include "toolkit/Control.h"

#include <QColor>

namespace stopwise {

class Panel : public Control {
    Q_OBJECT
public:
    Panel(QWidget* parent, QColor background);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
};

} // namespace stopwise
