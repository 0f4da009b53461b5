// Drives a real kiosk window the way a person does: touches at window coordinates through
// the window's QWindow, so that stacking order and visibility decide what is hit. Helpers
// name controls only to find where to touch.
#pragma once

#include "shell/Layout.h"
#include "shell/Stopwise.h"
#include "toolkit/Label.h"

#include <QStringList>
#include <QTest>
#include <QWindow>

namespace stopwise::testing {

class Kiosk {
public:
    Kiosk()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the kiosk window was never shown");
    }

    QWindow* handle() { return window.windowHandle(); }
    const KioskState& state() const { return window.state(); }

    QWidget* control(const QString& name) const { return window.findChild<QWidget*>(name); }
    QString text(const QString& label) const { return control(label)->property("text").toString(); }
    QString shown(const QString& label) const
    {
        return window.findChild<Label*>(label)->shownText();
    }

    // The centre of a control, in window coordinates.
    QPoint centre(const QString& name) const
    {
        const QWidget* widget = control(name);
        return widget->mapTo(&window, widget->rect().center());
    }

    void press(QPoint at) { QTest::mousePress(handle(), Qt::LeftButton, {}, at); }
    void release(QPoint at) { QTest::mouseRelease(handle(), Qt::LeftButton, {}, at); }
    void move(QPoint to) { QTest::mouseMove(handle(), to); }
    void touch(QPoint at)
    {
        press(at);
        release(at);
    }
    void touch(const QString& name) { touch(centre(name)); }

    // Touches each named control in turn: "Letters(5)", "HowDoIGetTo", ...
    void touchAll(const QStringList& names)
    {
        for (const QString& name : names)
            touch(name);
    }

    // Types lower-case letters on the letter keypad.
    void type(const QString& letters)
    {
        for (QChar letter : letters)
            touch(QStringLiteral("Letters(%1)").arg(letter.unicode() - u'a'));
    }

    // Touches the select button of the row that shows `name` on the current page.
    bool choose(const QString& name)
    {
        for (int row = 0; row < 4; ++row) {
            const QString item = QStringLiteral("ListItem(%1)").arg(row);
            if (control(item)->isVisible() && text(item) == name) {
                touch(QStringLiteral("SelectBtn(%1)").arg(row));
                return true;
            }
        }
        return false;
    }

    QStringList visiblePanels() const
    {
        QStringList visible;
        for (const PanelRow& panel : PanelLayout) {
            const QString name = QString::fromUtf8(panel.name.data(), panel.name.size());
            if (control(name)->isVisible())
                visible << name;
        }
        return visible;
    }

    // The names on the current page, top row first.
    QStringList rows() const
    {
        QStringList names;
        for (int row = 0; row < 4; ++row) {
            const QString item = QStringLiteral("ListItem(%1)").arg(row);
            if (control(item)->isVisible())
                names << text(item);
        }
        return names;
    }

    Stopwise window;
};

} // namespace stopwise::testing
