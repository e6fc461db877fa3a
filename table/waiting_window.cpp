#include "table/waiting_window.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "extras/cards_button.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

namespace olk {

WaitingWindow::WaitingWindow(const Settings& settings, bool host, QWidget* parent)
    : QDialog(parent),
      m_status(new QLabel(this)),
      m_ok(new TevCardsButton(text(Text::Ok), this)),
      m_cancel(new TevCardsButton(text(Text::Cancel), this))
{
    setWindowTitle(text(Text::PleaseWait));
    setModal(true);
    const QFont font = familyFont(settings, FontFamily::Decor, 16);
    auto* layout = new QVBoxLayout(this);
    // Room at the top for the animation of the four suits.
    layout->setContentsMargins(24, 64, 24, 16);
    layout->setSpacing(8);
    m_status->setFont(font);
    m_status->setText(host ? text(Text::ExpectationOfConnection) : text(Text::ExpectationOfGame));
    layout->addWidget(m_status);
    for (Text line :
         {Text::SecondPlayerConnected, Text::ThirdPlayerConnected, Text::FourthPlayerConnected}) {
        auto* label = new QLabel(text(line), this);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: #006000;"));
        label->hide();
        layout->addWidget(label);
        m_joins.append(label);
    }
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    for (TevCardsButton* button : {m_ok, m_cancel}) {
        button->setFont(font);
        button->setNata(settings.newButtons);
        button->setFixedSize(120, 30);
    }
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    m_ok->setEnabled(false);
    m_cancel->setEnabled(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &WaitingWindow::reject);
    setMinimumWidth(std::max(
        380, QFontMetrics(font).horizontalAdvance(text(Text::ExpectationOfConnection)) + 60));
    setMinimumHeight(260);

    m_second.setInterval(1000);
    connect(&m_second, &QTimer::timeout, this, &WaitingWindow::tick);
    m_second.start();
    m_animation.setInterval(120);
    connect(&m_animation, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % 16;
        update(QRect(0, 0, width(), 60));
    });
    m_animation.start();
}

void WaitingWindow::playerJoined(int joined)
{
    for (int i = 0; i < m_joins.size(); ++i) {
        m_joins[i]->setVisible(i < joined);
    }
    m_ok->setEnabled(true);
    m_ok->setDefault(true);
    m_ok->setFocus();
    m_cancel->setEnabled(false);
}

void WaitingWindow::reject()
{
    // Escape and the window's close button are "Cancel", and go only while
    // it may be pressed: once a player joined, the host can only start.
    if (!m_cancel->isEnabled()) {
        return;
    }
    emit cancelled();
    QDialog::reject();
}

void WaitingWindow::tick()
{
    if (m_noGamesFound) {
        m_status->setText(text(Text::NoAccessibleGames));
    }
}

void WaitingWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The four suits, one after the other lifted and lit.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont suits(QStringLiteral("DejaVu Sans"));
    suits.setPixelSize(30);
    p.setFont(suits);
    static const QChar kSuits[4] = {QChar(0x2660), QChar(0x2665), QChar(0x2666), QChar(0x2663)};
    const int lit = m_frame / 4;
    const int left = (width() - 4 * 44) / 2;
    for (int i = 0; i < 4; ++i) {
        const bool red = i == 1 || i == 2;
        QColor colour = red ? QColor(200, 30, 40) : QColor(30, 30, 30);
        if (i != lit) {
            colour.setAlpha(90);
        }
        p.setPen(colour);
        const int lift = i == lit ? 6 - std::abs(m_frame % 4 - 2) * 2 : 0;
        p.drawText(QRect(left + i * 44, 12 - lift, 44, 44), Qt::AlignCenter, QString(kSuits[i]));
    }
}

}  // namespace olk
