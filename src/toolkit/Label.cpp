#include "toolkit/Label.h"

#include <QPainter>

namespace stopwise {

Label::Label(QWidget* parent, short index, int pixelSize, Qt::Alignment horizontal)
    : Control(parent, index)
    , m_horizontal(horizontal)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    setFont(font);
}

void Label::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_drawn = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    update();
    emit textChanged(m_text);
}

QString Label::shownText() const
{
    QString shown;
    for (qsizetype i = 0; i < m_drawn.size(); ++i) {
        if (m_drawn[i] == u'&' && ++i == m_drawn.size())
            break;
        shown += m_drawn[i];
    }
    return shown;
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawText(rect(),
                     int(m_horizontal) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                     m_drawn);
}

} // namespace stopwise
