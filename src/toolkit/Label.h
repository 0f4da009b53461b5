// A label: black text in a box with nothing behind it. The text starts at the top, left
// or centred; CR LF starts a new line, long lines wrap at word boundaries and whatever does
// not fit below is cut off. "&&" shows as one "&" and a lone "&" is not drawn (it would
// underline the next character), as everywhere on this kiosk's screens.
#pragma once

#include "toolkit/Control.h"

namespace stopwise {

class Label : public Control {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    Label(QWidget* parent, short index, int pixelSize, Qt::Alignment horizontal);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setText(std::string_view text) { setText(QString::fromUtf8(text.data(), text.size())); }

    // The text as a person reads it on the screen: one "&" for "&&", lines split at CR LF.
    QString shownText() const;

signals:
    void textChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QString m_drawn; // m_text with CR LF turned into the line feed that drawing breaks at
    Qt::Alignment m_horizontal;
};

} // namespace stopwise
