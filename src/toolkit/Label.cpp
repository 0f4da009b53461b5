#include "toolkit/Label.h"

#include "toolkit/LargeGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>

namespace stopwise {

Label::Label(QWidget* parent, short index, int pixelSize, Qt::Alignment horizontal, Fit fit)
    : Control(parent, index)
    , m_pixelSize(pixelSize)
    , m_horizontal(horizontal)
    , m_fit(fit)
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
    m_shown.clear();
    m_underlines.clear();
    const QString drawn = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        if (drawn[i] == u'&') {
            if (++i == drawn.size())
                break;
            if (drawn[i] != u'&') {
                QTextCharFormat underlined;
                underlined.setFontUnderline(true);
                m_underlines.append({int(m_shown.size()), 1, underlined});
            }
        }
        m_shown += drawn[i];
    }
    layOutAgain();
    emit textChanged(m_text);
}

void Label::resizeEvent(QResizeEvent*)
{
    layOutAgain();
}

// The lines are laid out when next drawn, so the many labels not on show cost nothing.
void Label::layOutAgain()
{
    m_laidOut = false;
    update();
}

void Label::layOut()
{
    QFont font = this->font();
    if (m_fit == Fit::ShrinkToOneLine)
        for (int size = m_pixelSize; size > 0; --size) {
            font.setPixelSize(size);
            if (QFontMetricsF(font).horizontalAdvance(m_shown) <= width())
                break;
        }
    QTextOption option(m_horizontal);
    option.setWrapMode(QTextOption::WordWrap);
    m_layout.setFont(font);
    m_layout.setText(QString(m_shown).replace(u'\n', QChar::LineSeparator));
    m_layout.setTextOption(option);
    m_layout.setFormats(m_underlines);

    const int pitch = QFontMetrics(font).height();
    m_layout.beginLayout();
    int y = 0;
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y));
        y += pitch;
    }
    m_layout.endLayout();
    m_laidOut = true;
}

void Label::paintEvent(QPaintEvent*)
{
    if (!m_laidOut)
        layOut();
    QPainter painter(this);
    if (isLargeText(m_layout.font().pixelSize(), devicePixelRatioF()))
        return drawLargeText(painter, m_layout);
    painter.setPen(Qt::black);
    m_layout.draw(&painter, QPointF());
}

} // namespace stopwise
