#include "table/main_menu.h"

#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTime>
#include <QTimer>
#include <QToolButton>

#include "core/rounding.h"
#include "extras/attention_box.h"
#include "extras/card_pictures.h"
#include "extras/draw_stretched.h"
#include "records/resource_library.h"
#include "settings/fonts.h"
#include "settings/language.h"
#include "settings/word_tables.h"
#include "table/focus_frame.h"
#include "table/music_buttons.h"
#include "table/record_windows.h"

namespace olk {

namespace {

// The world statistics' icon: three rising bars over a base line.
QImage statisticsPicture(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QColor colours[3] = {QColor(60, 170, 90), QColor(240, 190, 40), QColor(220, 70, 50)};
    const double heights[3] = {0.35, 0.55, 0.8};
    for (int k = 0; k < 3; ++k) {
        const QRectF bar(s * (0.12 + k * 0.27), s * (0.88 - heights[k]), s * 0.2, s * heights[k]);
        QLinearGradient shade(bar.topLeft(), bar.topRight());
        shade.setColorAt(0, colours[k].lighter(140));
        shade.setColorAt(1, colours[k].darker(130));
        p.setBrush(shade);
        p.setPen(QPen(colours[k].darker(170), s * 0.02));
        p.drawRoundedRect(bar, s * 0.03, s * 0.03);
    }
    p.setPen(QPen(QColor(40, 40, 50), s * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.06, s * 0.9), QPointF(s * 0.94, s * 0.9));
    return picture;
}

// The help icon: a blue glass button with a white question mark.
QImage helpPicture(int size)
{
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = size;
    const QRectF disc(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
    QRadialGradient glass(QPointF(s * 0.4, s * 0.35), s * 0.55);
    glass.setColorAt(0, QColor(120, 180, 255));
    glass.setColorAt(0.7, QColor(30, 90, 200));
    glass.setColorAt(1, QColor(15, 50, 130));
    p.setBrush(glass);
    p.setPen(QPen(QColor(10, 30, 80), s * 0.03));
    p.drawEllipse(disc);
    // The shine over the upper half.
    QLinearGradient shine(QPointF(0, s * 0.12), QPointF(0, s * 0.5));
    shine.setColorAt(0, QColor(255, 255, 255, 150));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(s * 0.2, s * 0.13, s * 0.6, s * 0.38));
    QFont mark(QStringLiteral("DejaVu Sans"));
    mark.setBold(true);
    mark.setPixelSize(static_cast<int>(s * 0.62));
    p.setFont(mark);
    p.setPen(QColor(10, 30, 80, 160));
    p.drawText(disc.translated(s * 0.02, s * 0.03), Qt::AlignCenter, QStringLiteral("?"));
    p.setPen(Qt::white);
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}

int channel(double value)
{
    return std::clamp(static_cast<int>(roundHalfEven(value)), 0, 255);
}

}  // namespace

QString clubRowText(const QByteArray& playerLine, int clubListMode)
{
    if (ClubFile::isUnused(playerLine)) {
        return {};
    }
    const QString name = playerName(playerLine).leftJustified(20, QLatin1Char(' '), true);
    const int deals = playerDeals(playerLine);
    if (clubListMode == 2) {
        return name + QStringLiteral("  ") + QString::number(deals).rightJustified(7) +
               QStringLiteral("  ") + ratingWithTwoDecimals(playerRating(playerLine));
    }
    return name + QStringLiteral("    ") + QString::number(deals % 40).rightJustified(3) +
           QStringLiteral("    ") + QString::number(playerScore(playerLine));
}

QRgb captionColour(QRgb pixel, int colour)
{
    int r = qRed(pixel);
    int g = qGreen(pixel);
    int b = qBlue(pixel);
    switch (colour) {
    case 2:
        if (g < r && b < r) {
            b = channel(0.7 * std::min(g, b));
            g = channel(b + 0.4 * std::abs(r - b));
        }
        break;
    case 3:
        g = r;
        break;
    case 4:
        std::swap(r, g);
        break;
    case 5: {
        const int oldR = r;
        r = b;
        g = oldR;
        b = oldR;
        break;
    }
    case 6:
        std::swap(r, b);
        break;
    case 7:
        b = r;
        break;
    default:
        break;
    }
    return qRgba(r, g, b, qAlpha(pixel));
}

QImage recolouredCaption(const QImage& picture, int colour)
{
    if (colour <= 1 || colour > 7) {
        return picture;
    }
    // Work on straight (not premultiplied) colours so the channels move as drawn.
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            line[x] = captionColour(line[x], colour);
        }
    }
    return out;
}

namespace {

// The keyboard's focus on a menu button or club row: a gold frame around
// the whole bar, with a dark line outside it so it reads on either design.
void drawMenuFocus(QPainter& p, const QRect& rect, const TevCardsButton::DrawState& state)
{
    if (state.focused) {
        drawFocusFrame(p, QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), rect.height() / 2.0 - 1);
    }
}

}  // namespace

MainMenu::MainMenu(Settings& settings, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_header(new QLabel(this)),
      m_newPlayer(new TevCardsButton(this)),
      m_topTen(new TevCardsButton(this)),
      m_history(new TevCardsButton(this)),
      m_mode(new TevCardsButton(this)),
      m_options(new TevCardsButton(this)),
      m_exit(new TevCardsButton(this)),
      m_account(new QToolButton(this)),
      m_world(new QToolButton(this)),
      m_statistics(new QToolButton(this)),
      m_tournament(new QToolButton(this)),
      m_help(new QToolButton(this)),
      m_newsChat(new NewsChatPanel(this)),
      m_clock(new MenuClock(this)),
      m_figurePanel(new MenuFigurePanel(this)),
      m_calendar(new CalendarPages(this))
{
    m_clock->hide();
    m_figurePanel->hide();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int k = 1; k <= 5; ++k) {
        m_rows[k] = new TevCardsButton(this);
        m_rows[k]->setColorSB(ColorSB::DNavy);
        m_rows[k]->setMargin(0);
        m_rows[k]->setKontur(false);
        m_rows[k]->setFocusPolicy(Qt::NoFocus);
        connect(m_rows[k], &QPushButton::clicked, this, [this, k] {
            if (!ClubFile::isUnused(m_club.line(k)) || (k == 5 && !m_accountNick.isEmpty())) {
                emit playerChosen(k);
            }
        });
    }
    // Captions turn yellow under the mouse in either design.
    for (TevCardsButton* button : {m_newPlayer, m_topTen, m_history, m_mode, m_options, m_exit,
                                   m_rows[1], m_rows[2], m_rows[3], m_rows[4], m_rows[5]}) {
        button->setLightFont(true);
        button->setColorMouse(QColor(255, 255, 128));
        // The keyboard reaches them (Tab, the arrows; Enter or Space
        // presses), the mouse never leaves a focus behind.
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(true);
        button->setOnDrawButton(drawMenuFocus);
    }
    connect(m_newPlayer, &QPushButton::clicked, this, &MainMenu::newPlayer);
    connect(m_topTen, &QPushButton::clicked, this, &MainMenu::topTen);
    connect(m_history, &QPushButton::clicked, this, &MainMenu::history);
    connect(m_options, &QPushButton::clicked, this, &MainMenu::options);
    connect(m_exit, &QPushButton::clicked, this, &MainMenu::exitRequested);
    connect(m_mode, &QPushButton::clicked, this, [this] {
        m_settings.clubListMode = m_settings.clubListMode == 2 ? 1 : 2;
        retranslate();
    });
    m_topTen->setToolTip(QStringLiteral("40"));
    m_statistics->setIcon(QPixmap::fromImage(statisticsPicture(96)));
    m_help->setIcon(QPixmap::fromImage(helpPicture(96)));
    for (QToolButton* icon : {m_account, m_world, m_statistics, m_tournament, m_help}) {
        icon->setAutoRaise(true);
        // In the keyboard's round after the buttons, with the same gold frame.
        icon->setFocusPolicy(Qt::TabFocus);
        icon->setCursor(Qt::PointingHandCursor);
        icon->setStyleSheet(
            QStringLiteral("QToolButton { border: none; background: transparent; }"
                           "QToolButton:focus { border: 2px solid #ffcc28; border-radius: 6px; }"));
    }
    connect(m_account, &QToolButton::clicked, this, &MainMenu::accountRequested);
    connect(m_statistics, &QToolButton::clicked, this, &MainMenu::statisticsRequested);
    connect(m_tournament, &QToolButton::clicked, this, &MainMenu::tournamentRequested);
    connect(m_newsChat, &NewsChatPanel::newsClicked, this, &MainMenu::newsRequested);
    connect(m_newsChat, &NewsChatPanel::chatClicked, this, &MainMenu::chatRequested);
    connect(m_world, &QToolButton::clicked, this, &MainMenu::worldTopTenRequested);
    connect(m_help, &QToolButton::clicked, this, &MainMenu::helpRequested);
    retranslate();
}

void MainMenu::setAccountRow(const QString& nick)
{
    m_accountNick = nick;
    retranslate();
}

void MainMenu::setWorldPicture(const QPixmap& picture)
{
    m_world->setIcon(picture);
}

void MainMenu::setAccountPicture(const QPixmap& picture)
{
    m_account->setIcon(picture);
}

void MainMenu::refresh(const ClubFile& club)
{
    m_club = club;
    layoutMenu();
    retranslate();
    if (m_clocksShown) {
        m_figurePanel->ask(online::menuFigureKind(QTime::currentTime().minute()));
    }
    update();
}

void MainMenu::setTournamentPicture(const QPixmap& picture)
{
    m_tournament->setIcon(picture);
}

void MainMenu::setIndicators(bool newsUnread, bool chatUnread)
{
    m_newsChat->setUnread(newsUnread, chatUnread);
}

void MainMenu::setFigureSource(FigureSource source)
{
    m_figurePanel->setSource(std::move(source));
}

void MainMenu::layoutMenu()
{
    m_scale = scaleFor(m_settings.windowSize, size());
    const TableScale& k = m_scale;
    CardPictures pictures;
    // The background is made at the screen's own pixels.
    const qreal ratio = devicePixelRatioF();
    showMissingFiles(this, pictures.loadBackground(m_settings, m_settings.menuDesign == 1, size(),
                                                   m_programFolder, ratio));
    m_background = deviceImage(size(), ratio, QImage::Format_RGB32);
    m_background.fill(windowColour(m_settings.background, m_settings.backgroundColour));
    {
        QPainter p(&m_background);
        p.drawImage(0, 0, pictures.background());
    }
    // The calendar's pages copy the background under them; the scrolls make
    // room for them.
    const int c = m_calendar->buildCalendar(m_background, k, m_programFolder)
                      ? kCalendarScrollShift
                      : 0;
    const int h = k.size(30);
    const int rowsTop = roundToPixel(265 * k.sy);
    const int rowsLeft = roundToPixel(180 * k.sx);
    const int rowsWidth = roundToPixel(400 * k.sx);
    m_header->setGeometry(rowsLeft, rowsTop - h - k.size(10), rowsWidth, h);
    for (int row = 1; row <= 5; ++row) {
        m_rows[row]->setGeometry(rowsLeft, rowsTop + (row - 1) * h, rowsWidth, h);
    }
    m_newPlayer->setGeometry(roundToPixel(280 * k.sx), rowsTop + 5 * h + k.size(10),
                             roundToPixel(200 * k.sx), h);
    const int sideWidth = roundToPixel(100 * k.sx);
    m_topTen->setGeometry(roundToPixel(40 * k.sx), roundToPixel(225 * k.sy), sideWidth, h);
    m_history->setGeometry(roundToPixel(40 * k.sx), roundToPixel(255 * k.sy), sideWidth, h);
    m_options->setGeometry(roundToPixel(620 * k.sx), roundToPixel(225 * k.sy), sideWidth, h);
    m_mode->setGeometry(roundToPixel(620 * k.sx), roundToPixel(255 * k.sy), sideWidth, h);
    m_exit->setGeometry(roundToPixel(330 * k.sx), roundToPixel(465 * k.sy), sideWidth, h);
    // The account's star stands left of "Exit".
    const int icon = k.size(40);
    m_account->setGeometry(roundToPixel(270 * k.sx), roundToPixel(460 * k.sy), icon, icon);
    m_account->setIconSize(QSize(icon, icon));
    // The world tables' screen stands right of it.
    m_world->setGeometry(roundToPixel(450 * k.sx), roundToPixel(460 * k.sy), icon, icon);
    m_world->setIconSize(QSize(icon, icon));
    // The world statistics beside the world tables.
    m_statistics->setGeometry(roundToPixel(496 * k.sx), roundToPixel(460 * k.sy), icon, icon);
    m_statistics->setIconSize(QSize(icon, icon));
    // The tournament's cup closes the row.
    m_tournament->setGeometry(roundToPixel(542 * k.sx), roundToPixel(460 * k.sy), icon, icon);
    m_tournament->setIconSize(QSize(icon, icon));
    // Help after it, at the row's end.
    m_help->setGeometry(roundToPixel(588 * k.sx), roundToPixel(460 * k.sy), icon, icon);
    m_help->setIconSize(QSize(icon, icon));
    if (m_musicButtons != nullptr) {
        m_musicButtons->place(size(), k.s, false);
    }
    m_title = QRect(roundToPixel(230 * k.sx), roundToPixel(90 * k.sy) - k.size(5),
                    roundToPixel(300 * k.sx), 3 * h);
    // The title is drawn larger than it is shown: shrink it once, properly
    // averaged, rather than on every paint, and keep the cards' proportions
    // where the window's are wider than the design's.
    m_titlePicture = devicePicture(builtInPicture(QStringLiteral("GTitle")), m_title.size(), ratio,
                                   Qt::KeepAspectRatio);
    m_caption = QRect(k.left(180, 400), k.top(12, 70), k.size(400), k.size(70));
    m_subtitle = QRect(k.left(205, 350), k.top(183, 40), k.size(350), k.size(40));
    // The decorations keep their own size and stay centred in their cells.
    const int scrollTop = roundToPixel((k.sy - 1) * 200 / 2) + roundToPixel(30 * k.sy);
    m_scrolls[0] = QRect(roundToPixel((k.sx - 1) * 100 / 2) + roundToPixel(k.sx * (60 - c)),
                         scrollTop, 100, 200);
    m_scrolls[1] = QRect(roundToPixel((k.sx - 1) * 100 / 2) + roundToPixel(k.sx * (600 + c)),
                         scrollTop, 100, 200);
    const int animationTop = roundToPixel((k.sy - 1) * 200 / 2) + roundToPixel(290 * k.sy);
    m_animations[0] =
        QRect(roundToPixel((k.sx - 1) * 160 / 2) + roundToPixel(7 * k.sx), animationTop, 160, 200);
    m_animations[1] = QRect(roundToPixel((k.sx - 1) * 160 / 2) + roundToPixel(592 * k.sx),
                            animationTop, 160, 200);
    // News and chat: two icons between the left animation and the star, or
    // the shelf at the larger sizes, under the right animation's feet (the
    // radio's shelf stands at the left, between that animation and "New
    // Player").
    m_newsChat->setLarge(k.sx >= 1.6 && k.sy >= 1.6);
    if (m_newsChat->large()) {
        // Under the animation, but clear of the help icon that ends the row
        // of online icons and inside the window; a little smaller where the
        // room between them is narrower than the shelf.
        const int gap = k.size(6);
        const int from = m_help->geometry().right() + 1 + gap;
        const QSize full = m_newsChat->panelSize(1.0);
        const double fit = std::min(1.0, static_cast<double>(width() - gap - from) / full.width());
        const QSize corner = m_newsChat->panelSize(fit);
        const int left = std::min(std::max(m_animations[1].center().x() - corner.width() / 2, from),
                                  width() - corner.width() - gap);
        m_newsChat->setGeometry(left, height() - corner.height() - gap, corner.width(),
                                corner.height());
    } else {
        const QSize corner = m_newsChat->panelSize(k.sx);
        m_newsChat->setGeometry(roundToPixel(264 * k.sx) - corner.width(),
                                roundToPixel(460 * k.sy) + icon - corner.height(),
                                corner.width(), corner.height());
    }
    // The radio, at its own size, between the left animation and "New
    // Player" (and the account's star below it), and between the last club
    // row and the window's foot.
    m_radioIcon->setVisible(RadioIcon::shownAtScale(k.s));
    m_radioIcon->setGeometry(RadioIcon::place(
        m_animations[0].right() + 1, std::min(m_newPlayer->x(), m_account->x() - k.size(4)),
        m_rows[5]->geometry().bottom() + 1, height()));
    // The clock panels, unscaled, centred under the scrolls in the room
    // between their feet and the side buttons, never over the buttons.
    m_clocksShown = menuClocksShown(m_settings.windowSize, size());
    const int buttonsTop = roundToPixel(225 * k.sy);
    QWidget* panels[2] = {m_clock, m_figurePanel};
    for (int side = 0; side < 2; ++side) {
        const int foot = m_scrolls[side].top() + m_scrolls[side].height();
        const int top = std::min(foot + (buttonsTop - foot - kClockPanelHeight) / 2,
                                 buttonsTop - kClockPanelHeight - 2);
        panels[side]->move(m_scrolls[side].left() - 7, top);
        panels[side]->setVisible(m_clocksShown);
    }
    if (m_lamps[0].isNull()) {
        for (int i = 0; i < 6; ++i) {
            m_lamps[i] = builtInPicture(QStringLiteral("Lamp%1").arg(i + 1));
        }
    }
    applyDesign();

    for (TevCardsButton* button : findChildren<TevCardsButton*>()) {
        button->setNata(m_settings.newButtons);
    }
    QFont fixed = familyFont(m_settings, FontFamily::Fixed, k.size(14));
    fixed.setBold(true);
    m_header->setFont(fixed);
    for (int row = 1; row <= 5; ++row) {
        m_rows[row]->setFont(fixed);
    }
    const QFont decor = familyFont(m_settings, FontFamily::Decor, k.size(16));
    for (TevCardsButton* button : {m_newPlayer, m_topTen, m_history, m_mode, m_options, m_exit}) {
        button->setFont(decor);
    }
}

void MainMenu::applyDesign()
{
    const bool purple = m_settings.menuDesign == 1;
    m_strips[0] = {};
    m_strips[1] = {};
    if (purple) {
        // Today's and tomorrow's of the seven purple animations, Monday "GifA".
        const int today = QDate::currentDate().dayOfWeek() - 1;
        for (int side = 0; side < 2; ++side) {
            const QString name = QStringLiteral("Gif") + QChar(u'A' + (today + side) % 7);
            m_strips[side] = graphicsLibraryPicture(m_programFolder, name);
        }
    }
    if (m_strips[0].isNull() || m_strips[1].isNull()) {
        m_strips[0] = builtInPicture(QStringLiteral("GifMenu1"));
        m_strips[1] = builtInPicture(QStringLiteral("GifMenu2"));
    }
    // Customizable: navy rows and "New Player" with yellow captions, red side
    // and exit buttons with white ones. Purple: every button in the cards
    // look, with light captions.
    for (TevCardsButton* button :
         {m_newPlayer, m_rows[1], m_rows[2], m_rows[3], m_rows[4], m_rows[5]}) {
        button->setColorSB(purple ? ColorSB::DCards : ColorSB::DNavy);
        button->setFontColour(purple ? QColor(255, 240, 255) : QColor(255, 225, 74));
    }
    for (TevCardsButton* button : {m_topTen, m_history, m_mode, m_options, m_exit}) {
        button->setColorSB(purple ? ColorSB::DCards : ColorSB::DRed);
    }
    m_header->setStyleSheet(
        purple ? QStringLiteral("QLabel { color: white; background: #2a0640; "
                                "border: 1px solid #c080ff; padding-left: 6px; }")
               : QStringLiteral("QLabel { color: white; background: #0a1040; "
                                "border: 1px solid #0a1040; padding-left: 6px; }"));
}

void MainMenu::tick()
{
    ++m_ticks;
    // With animations off the two pictures stand on their first frame.
    if (!m_settings.gifAnimation) {
        if (m_frame != 0) {
            m_frame = 0;
            update(m_animations[0]);
            update(m_animations[1]);
        }
    } else if (m_ticks % 4 == 0) {
        m_frame = (m_frame + 1) % 24;
        update(m_animations[0]);
        update(m_animations[1]);
    }
    if (m_ticks % 25 == 0) {
        update(m_scrolls[0]);
        update(m_scrolls[1]);
    }
    m_newsChat->tick();
    if (m_clocksShown) {
        const QTime now = QTime::currentTime();
        m_clock->showTime(now);
        if (const int kind = m_figureCycle.tick(now)) {
            m_figurePanel->ask(kind);
        }
    }
}

void MainMenu::restartAnimations()
{
    m_frame = 0;
    update(m_animations[0]);
    update(m_animations[1]);
}

void MainMenu::retranslate()
{
    m_header->setText(text(TextGroup::ClubHeader, m_settings.clubListMode == 2 ? 2 : 1));
    for (int row = 1; row <= 5; ++row) {
        QString rowText = clubRowText(m_club.line(row), m_settings.clubListMode);
        if (row == 5 && !m_accountNick.isEmpty()) {
            if (rowText.isEmpty()) {
                rowText = m_accountNick;
            }
            m_rows[row]->setToolTip(text(Text::PlayGlobalRating) + QLatin1String(": ") +
                                    m_accountNick);
        } else if (row == 5) {
            m_rows[row]->setToolTip(QString());
        }
        m_rows[row]->setText(rowText);
        m_rows[row]->setCursor(rowText.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
        // An unused line is passed over by the keyboard; a screen reader
        // hears the row without its padding, the columns' header after it.
        m_rows[row]->setFocusPolicy(rowText.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
        m_rows[row]->setAccessibleName(rowText.simplified());
        m_rows[row]->setAccessibleDescription(m_header->text().simplified());
    }
    m_newPlayer->setText(text(Text::NewPlayer));
    m_topTen->setText(text(Text::TopTen));
    m_history->setText(text(Text::History));
    m_mode->setText(text(Text::Mode));
    m_options->setText(text(Text::Options));
    m_account->setToolTip(text(Text::TabMyAccount));
    m_account->setAccessibleName(text(Text::TabMyAccount));
    m_tournament->setToolTip(text(Text::TournamentTitle));
    m_tournament->setAccessibleName(text(Text::TournamentTitle));
    m_statistics->setToolTip(text(Text::Statistics));
    m_statistics->setAccessibleName(text(Text::Statistics));
    m_help->setToolTip(text(Text::Help) + QLatin1Char('\n') + text(Text::KeyHintHelp));
    m_help->setAccessibleName(text(Text::Help));
    m_world->setToolTip(text(Text::WorldTopTenCommand));
    m_world->setAccessibleName(text(Text::WorldTopTenCommand));
    m_exit->setText(text(Text::Exit));
    loadPictures();
    update();
}

void MainMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        rebuildCalendar();
    }
    QWidget::changeEvent(event);
}

// The calendar's pages in the current language; when the calendar library
// came or went meanwhile, the menu is laid out again around them.
void MainMenu::rebuildCalendar()
{
    if (m_background.size() != size()) {
        return;  // the next paint lays the menu out
    }
    const bool before = m_calendar->shown();
    if (m_calendar->buildCalendar(m_background, m_scale, m_programFolder) != before) {
        layoutMenu();
        update();
    }
}

void MainMenu::setMusicPlayer(MusicPlayer& player)
{
    if (m_musicButtons == nullptr) {
        m_musicButtons = new MusicButtons(player, m_settings, this);
    }
}

void MainMenu::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (logicalRect(m_background).size() != size() ||
        m_background.devicePixelRatio() != devicePixelRatioF()) {
        layoutMenu();
        if (m_clocksShown && !m_figurePanel->asked()) {
            m_figurePanel->ask(online::menuFigureKind(QTime::currentTime().minute()));
        }
    }
    p.drawImage(0, 0, m_background);
    for (int side = 0; side < 2; ++side) {
        p.drawImage(m_scrolls[side].topLeft(), m_scroll);
        for (int lamp = 0; lamp < 3; ++lamp) {
            const int colour = (m_ticks / 25 + lamp + side * 3) % 6;
            p.drawImage(m_scrolls[side].topLeft() + QPoint(40, 42 + 45 * lamp), m_lamps[colour]);
        }
        p.drawImage(
            m_animations[side].topLeft(), m_strips[side],
            deviceRect(QRect(160 * m_frame, 0, 160, 200), m_strips[side].devicePixelRatio()));
    }
    p.drawImage(m_title.center() - logicalRect(m_titlePicture).center(), m_titlePicture);
    p.drawImage(m_caption, m_captionPicture);
    p.drawImage(m_subtitle, m_subtitlePicture);
}

void MainMenu::loadPictures()
{
    const int colour = m_settings.captionColour;
    m_scroll = builtInPicture(QStringLiteral("GSvitok"));
    m_captionPicture =
        recolouredCaption(builtInPicture(pictureName(QStringLiteral("Cap"))), colour);
    const QString subtitle =
        m_settings.networkMode ? QStringLiteral("Net__") : QStringLiteral("Elite");
    m_subtitlePicture = recolouredCaption(builtInPicture(pictureName(subtitle)), colour);
}

QList<MainMenu::KeyStop> MainMenu::keyboardOrder() const
{
    // The club's rows from the top, "New Player" under them, the left pair,
    // the right pair, "Exit" at the foot, then the online icons, the news
    // and the chat (two stops on one panel), the radio and the music player,
    // each only while shown.
    QList<QWidget*> widgets = {m_rows[1],  m_rows[2], m_rows[3],   m_rows[4],      m_rows[5],
                               m_newPlayer, m_topTen, m_history,  m_options,      m_mode,
                               m_exit,      m_account, m_world,   m_statistics,   m_tournament,
                               m_help,      m_newsChat, m_newsChat, m_radioIcon};
    if (m_musicButtons != nullptr) {
        for (const auto kind : {MusicButton::Kind::PlayPause, MusicButton::Kind::Next,
                                MusicButton::Kind::Volume}) {
            widgets.append(m_musicButtons->button(kind));
        }
    }
    QList<KeyStop> order;
    for (QWidget* each : widgets) {
        if (each->isVisibleTo(this) && each->isEnabled() &&
            (each->focusPolicy() & Qt::TabFocus) != 0) {
            const bool second = !order.isEmpty() && order.last().widget == each;
            order.append({each, second ? 1 : 0});
        }
    }
    return order;
}

bool MainMenu::focusNextPrevChild(bool next)
{
    // Tab, Shift+Tab and the arrows go round the menu's own buttons, never
    // out to a hidden screen.
    const QList<KeyStop> order = keyboardOrder();
    if (order.isEmpty()) {
        return false;
    }
    QWidget* focus = focusWidget();
    const int part = focus == m_newsChat && m_newsChat->focusPart() == NewsChatPanel::Part::Chat;
    qsizetype at = -1;
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (order[i].widget == focus && order[i].part == part) {
            at = i;
        }
    }
    const qsizetype n = order.size();
    const qsizetype to = at < 0 ? (next ? 0 : n - 1) : (at + (next ? 1 : n - 1)) % n;
    if (order[to].widget == m_newsChat) {
        m_newsChat->setFocusPart(order[to].part == 1 ? NewsChatPanel::Part::Chat
                                                     : NewsChatPanel::Part::News);
    }
    order[to].widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void MainMenu::keyPressEvent(QKeyEvent* event)
{
    // The arrows on the menu itself (the buttons pass theirs up as Tab).
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextPrevChild(true);
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusNextPrevChild(false);
        return;
    case Qt::Key_F1:
        if (event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
            emit helpRequested();
        }
        return;
    case Qt::Key_Menu:
        showPopupMenu(mapToGlobal(focusWidget() != nullptr && focusWidget() != this
                                      ? focusWidget()->geometry().center()
                                      : rect().center()));
        return;
    case Qt::Key_F10:
        if (event->modifiers() == Qt::ShiftModifier) {
            showPopupMenu(mapToGlobal(rect().center()));
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The icons take only Space by themselves.
        if (auto* icon = qobject_cast<QToolButton*>(focusWidget())) {
            icon->click();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void MainMenu::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_caption.contains(event->position().toPoint())) {
        m_settings.captionColour = m_settings.captionColour % 7 + 1;
        loadPictures();
        update();
    }
}

void MainMenu::contextMenuEvent(QContextMenuEvent* event)
{
    showPopupMenu(event->globalPos());
}

void MainMenu::showPopupMenu(QPoint globalPos)
{
    // The table's pop-up menu without what needs a game on the table.
    QMenu menu(this);
    menu.addAction(text(Text::Speed), this, &MainMenu::speedRequested);
    menu.addAction(text(Text::Help), this, &MainMenu::helpRequested);
    menu.addAction(text(Text::About), this, &MainMenu::aboutRequested);
    menu.addAction(text(Text::Radio), this, &MainMenu::radioRequested);
    menu.addAction(text(Text::Chat), this, &MainMenu::chatRequested);
    menu.exec(globalPos);
}

StartupPicture::StartupPicture(QWidget* parent)
    : QWidget(parent),
      m_titlePicture(devicePicture(builtInPicture(QStringLiteral("GTitle")), QSize(300, 90), 1.0))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StartupPicture::tick()
{
    if (++m_ticks % 10 == 0) {
        m_shift = (m_shift + 1) % 10;
        update();
    }
}

void StartupPicture::paintEvent(QPaintEvent*)
{
    if (!m_painted) {
        m_painted = true;
        // After this paint has reached the screen.
        QTimer::singleShot(0, this, &StartupPicture::firstShown);
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), Qt::black);
    // The 760 x 500 picture in the middle of whatever the window is.
    p.translate((width() - 760) / 2, (height() - 500) / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 160, 40), 4));
    p.drawRoundedRect(QRectF(12, 12, 736, 476), 14, 14);
    p.setPen(QPen(QColor(120, 90, 20), 2));
    p.drawRoundedRect(QRectF(26, 26, 708, 448), 10, 10);

    if (const qreal ratio = devicePixelRatioF(); m_titlePicture.devicePixelRatio() != ratio) {
        // Shrunk once to the screen's own pixels, not enlarged by it.
        m_titlePicture = devicePicture(builtInPicture(QStringLiteral("GTitle")), QSize(300, 90), ratio);
    }
    p.drawImage(230, 150, m_titlePicture);

    static const QColor kColours[10] = {
        {255, 60, 60},  {255, 150, 30},  {255, 230, 40}, {120, 230, 60}, {40, 200, 160},
        {60, 170, 255}, {120, 110, 255}, {200, 90, 255}, {255, 90, 200}, {240, 240, 240}};
    const QString title = QStringLiteral("Thirty-one");
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(44);
    p.setFont(font);
    const QFontMetrics metrics(font);
    int x = (760 - metrics.horizontalAdvance(title)) / 2;
    for (int i = 0; i < title.size(); ++i) {
        p.setPen(kColours[(i + m_shift) % 10]);
        p.drawText(x, 320, title.mid(i, 1));
        x += metrics.horizontalAdvance(title.at(i));
    }

    // A word for whoever sees the picture for the first time.
    QFont hintFont(QStringLiteral("DejaVu Sans"));
    hintFont.setPixelSize(14);
    p.setFont(hintFont);
    p.setPen(QColor(170, 150, 100));
    p.drawText(QRect(40, 430, 680, 24), Qt::AlignCenter, text(Text::ClickOrPressAnyKey));

    // The four suits in the corners.
    const struct {
        QPoint at;
        QChar suit;
        QColor colour;
    } corners[] = {{{155, 68}, QChar(0x2660), QColor(230, 230, 230)},
                   {{550, 68}, QChar(0x2665), QColor(220, 30, 40)},
                   {{155, 362}, QChar(0x2666), QColor(220, 30, 40)},
                   {{550, 362}, QChar(0x2663), QColor(230, 230, 230)}};
    QFont suitFont(QStringLiteral("DejaVu Sans"));
    suitFont.setPixelSize(56);
    p.setFont(suitFont);
    for (const auto& corner : corners) {
        p.setPen(corner.colour);
        p.drawText(QRect(corner.at, QSize(64, 64)), Qt::AlignCenter, QString(corner.suit));
    }
}

// Only a click or a key that began on the picture while it showed ends it:
// the release of a key that closed a dialog, or of one pressed before the
// picture came, is someone else's.
void StartupPicture::mousePressEvent(QMouseEvent*)
{
    m_pressed = isVisible();
}

void StartupPicture::mouseReleaseEvent(QMouseEvent*)
{
    if (std::exchange(m_pressed, false) && isVisible()) {
        emit dismissed();
    }
}

void StartupPicture::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat()) {
        m_pressed = isVisible();
    }
}

void StartupPicture::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && std::exchange(m_pressed, false) && isVisible()) {
        emit dismissed();
    }
}

void StartupPicture::hideEvent(QHideEvent*)
{
    m_pressed = false;
}

}  // namespace olk
