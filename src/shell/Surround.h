// The kiosk on a screen of its own: the screens' extent near the middle of a plain surround
// that takes touches and does nothing with them, but on the welcome screen, which they pass.
// Shown full screen for the stop's session, where nothing else is on the screen, and at
// exactly the extent's size for the reference images.
#pragma once

#include "shell/Stopwise.h"

namespace stopwise {

class Surround : public QWidget {
    Q_OBJECT
public:
    Surround();

    Stopwise& kiosk() { return *m_kiosk; }
    // Shows it over the whole primary screen, also where no window manager makes it so.
    void fillScreen();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Stopwise* m_kiosk;
    bool m_pressed = false; // the primary button went down on the surround itself
    QRegion m_edges;        // painted with every frame, on a window system with a ratio of its own
};

} // namespace stopwise
