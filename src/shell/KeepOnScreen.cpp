#include "shell/KeepOnScreen.h"

#include <QEvent>
#include <QWidget>

namespace stopwise {
namespace {

class Unminimizer : public QObject {
public:
    explicit Unminimizer(QWidget& window)
        : QObject(&window)
        , m_window(window)
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange &&
            m_window.windowState().testFlag(Qt::WindowMinimized)) {
            m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
            m_window.raise();
            m_window.activateWindow();
        }
        return false;
    }

private:
    QWidget& m_window;
};

} // namespace

void keepOnScreen(QWidget& window)
{
    window.installEventFilter(new Unminimizer(window));
}

} // namespace stopwise
