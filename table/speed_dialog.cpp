#include "table/speed_dialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include "extras/cards_button.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {

LevelSlider::LevelSlider(int minimum, int maximum, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), m_labelHeight(fontMetrics().height() + 2)
{
    setRange(minimum, maximum);
    setPageStep(1);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
}

QSize LevelSlider::sizeHint() const
{
    const QSize base = QSlider::sizeHint();
    return {std::max(base.width(), 260), base.height() + m_labelHeight};
}

QSize LevelSlider::minimumSizeHint() const
{
    const QSize base = QSlider::minimumSizeHint();
    return {base.width(), base.height() + m_labelHeight};
}

QRect LevelSlider::grooveRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.rect.setHeight(height() - m_labelHeight);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
}

int LevelSlider::tickX(int level) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.rect.setHeight(height() - m_labelHeight);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QRect groove = grooveRect();
    const int span = groove.width() - handle.width();
    return groove.x() + handle.width() / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), level, span);
}

QRect LevelSlider::labelRect(int level) const
{
    const int w = fontMetrics().horizontalAdvance(QString::number(level)) + 4;
    return {tickX(level) - w / 2, height() - m_labelHeight, w, m_labelHeight};
}

void LevelSlider::mousePressEvent(QMouseEvent* event)
{
    // A press beside the handle moves it there at once; a press on the
    // handle starts a drag as usual.
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.rect.setHeight(height() - m_labelHeight);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    if (event->button() == Qt::LeftButton && !handle.contains(event->position().toPoint())) {
        const QRect groove = grooveRect();
        const int x = event->position().toPoint().x() - groove.x() - handle.width() / 2;
        setValue(QStyle::sliderValueFromPosition(minimum(), maximum(), x,
                                                 groove.width() - handle.width()));
        event->accept();
        return;
    }
    QSlider::mousePressEvent(event);
}

void LevelSlider::paintEvent(QPaintEvent*)
{
    // The slider itself in the upper part, the numbers under it, the chosen
    // one in bold.
    QPainter p(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.rect.setHeight(height() - m_labelHeight);
    option.subControls =
        QStyle::SC_SliderGroove | QStyle::SC_SliderHandle | QStyle::SC_SliderTickmarks;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &p, this);
    p.setPen(palette().color(QPalette::WindowText));
    for (int level = minimum(); level <= maximum(); ++level) {
        QFont number = font();
        number.setBold(level == value());
        p.setFont(number);
        p.drawText(labelRect(level), Qt::AlignCenter, QString::number(level));
    }
}

SpeedDialog::SpeedDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), m_slider(new LevelSlider(1, 6, this)), m_ok(new TevCardsButton(this))
{
    setWindowTitle(text(Text::ChoiceOfSpeed));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    auto* caption = new QLabel(text(Text::SelectFlightSpeed), this);
    caption->setFont(familyFont(settings, FontFamily::Decor, 16));
    layout->addWidget(caption);
    m_slider->setValue(settings.flightSpeed);
    layout->addWidget(m_slider);
    m_ok->setText(text(Text::Ok));
    m_ok->setFont(familyFont(settings, FontFamily::Decor, 16));
    m_ok->setNata(settings.newButtons);
    m_ok->setFixedSize(100, 30);
    m_ok->setDefault(true);
    layout->addSpacing(6);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_slider, &QSlider::valueChanged, this,
            [&settings](int level) { settings.flightSpeed = level; });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_slider->setFocus();
}

}  // namespace olk
