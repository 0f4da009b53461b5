#include "shell/Surround.h"

#include "screens/Layout.h"
#include "shell/KeepOnScreen.h"
#include "shell/ScreenFit.h"
#include "toolkit/PlainBackground.h"

#include <QMouseEvent>

namespace stopwise {

Surround::Surround()
    : m_kiosk(new Stopwise(this))
{
    setWindowTitle(QStringLiteral("Stopwise"));
    setMinimumSize(ExtentWidth, ExtentHeight);
    fillBackground(*this, QColor::fromRgb(WindowBackground));
    keepOnScreen(*this);
}

void Surround::resizeEvent(QResizeEvent*)
{
    m_kiosk->move((width() - ExtentWidth) / 2, (height() - ExtentHeight) / 2);
}

void Surround::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // a touch beside the screens does nothing
}

} // namespace stopwise
