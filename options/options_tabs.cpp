#include "options/options_tabs.h"

#include <QPainter>

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
    setFixedSize(63 * std::max<int>(0, static_cast<int>(m_pictures.size()) - 1) + 69, 94);
    update();
}

void CardSamples::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < m_pictures.size() && i < 4; ++i) {
        p.drawImage(QRect(63 * i, 0, 69, 94), m_pictures[i]);
    }
}

}  // namespace olk
