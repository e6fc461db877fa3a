#include "options/options_tabs.h"

#include <QPainter>

#include "extras/draw_stretched.h"
#include "options/options_dialog.h"

namespace olk {

OptionsTab::OptionsTab(OptionsDialog& dialog) : QWidget(nullptr), m_dialog(dialog) {}

Settings* OptionsTab::edit()
{
    return m_dialog.loading() ? nullptr : &m_dialog.edit();
}

void OptionsTab::commit()
{
    m_dialog.commit();
}

CardSamples::CardSamples(QWidget* parent) : QWidget(parent)
{
    setFixedSize(69, 94);
}

void CardSamples::setPictures(QList<QImage> pictures)
{
    m_pictures = std::move(pictures);
    m_shown.clear();
    setFixedSize(63 * std::max<int>(0, static_cast<int>(m_pictures.size()) - 1) + 69, 94);
    update();
}

DrawingClass CardSamples::samplesClass() const
{
    return devicePixelRatioF() > 1.0 ? DrawingClass::Scaled : DrawingClass::Small;
}

void CardSamples::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0) {
        for (int i = 0; i < m_pictures.size() && i < 4; ++i) {
            p.drawImage(QRect(63 * i, 0, 69, 94), m_pictures[i]);
        }
        return;
    }
    // Resampled once to the screen's pixels, as the table's cards are.
    if (m_shown.size() != m_pictures.size() ||
        (!m_shown.isEmpty() && m_shown.first().devicePixelRatio() != ratio)) {
        m_shown.clear();
        for (const QImage& picture : m_pictures) {
            QImage card =
                stretchedCard(picture, qRound(69 * ratio), qRound(94 * ratio), qRound(8 * ratio));
            card.setDevicePixelRatio(ratio);
            m_shown.append(card);
        }
    }
    for (int i = 0; i < m_shown.size() && i < 4; ++i) {
        p.drawImage(QPoint(63 * i, 0), m_shown[i]);
    }
}

}  // namespace olk
