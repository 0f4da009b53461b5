// A label: black text in a box with nothing behind it. The text starts at the top, left
// or centred; CR LF starts a new line, long lines wrap at word boundaries, and whatever does
// not fit below is cut off. Lines lie one font height apart (ascent and descent, no extra
// leading). "&&" shows as one "&" and a lone "&" is not drawn but underlines the character
// after it, as everywhere on this kiosk's screens. A label that must stay on one line is
// drawn at the largest size up to its own at which the text fits the box.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/ControlOptions.h"

#include <QTextLayout>

namespace stopwise {

class Label : public Control {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    Label(QWidget* parent, short index, int pixelSize, Qt::Alignment horizontal, Fit fit);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setText(std::string_view text) { setText(QString::fromUtf8(text.data(), text.size())); }

    // The text as a person reads it on the screen: one "&" for "&&", lines split at "\n".
    QString shownText() const { return m_shown; }

signals:
    void textChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOutAgain();
    void layOut();

    QString m_text;
    QString m_shown;
    QList<QTextLayout::FormatRange> m_underlines; // the characters after a lone "&"
    QTextLayout m_layout;                         // m_shown in lines, ready to draw
    bool m_laidOut = false;
    int m_pixelSize;
    Qt::Alignment m_horizontal;
    Fit m_fit;
};

} // namespace stopwise
