#include "Readout.h"

#include "toolkit/Control.h"

#include <QAccessible>

namespace stopwise::testing {

QString readOut(const char* screen, const QWidget& window)
{
    QStringList buttons;
    for (const Control* control : window.findChildren<const Control*>()) {
        QAccessibleInterface* read =
            QAccessible::queryAccessibleInterface(const_cast<Control*>(control));
        if (control->isVisible() && read->role() == QAccessible::Button)
            buttons << control->objectName() + u'=' + read->text(QAccessible::Name) +
                           (read->state().pressed ? QStringLiteral(" (pressed)") : QString()) +
                           (read->state().disabled ? QStringLiteral(" (unavailable)") : QString());
    }
    buttons.sort();
    return QStringLiteral("== %1\n%2\n").arg(QLatin1StringView(screen), buttons.join(u'\n'));
}

} // namespace stopwise::testing
