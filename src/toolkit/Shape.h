// A filled rectangle with an optional 1-pixel black outline; the kiosk's rules are
// 1-pixel rectangles too. Shapes take no touches: a touch falls through to what lies below.
#pragma once

#include <QColor>
#include <QWidget>

namespace stopwise {

class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(QWidget* parent, QColor fill, bool outlined);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    bool m_outlined;
};

} // namespace stopwise
