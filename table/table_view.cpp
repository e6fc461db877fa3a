#include "table/table_view.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include "extras/attention_box.h"
#include "extras/card_looks.h"
#include "extras/salute.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QThread>
#include <QToolTip>
#include <QVBoxLayout>
#include <utility>

#include "core/seats.h"
#include "extras/attention_box.h"
#include "extras/draw_stretched.h"
#include "session/game_session.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"
#include "table/record_windows.h"
#include "table/focus_frame.h"
#include "table/table_access.h"

namespace olk {

namespace {

QString plateText(const PlayerRecord& player, const PlateView& plate)
{
    if (plate.showsResult) {
        return QStringLiteral("$: ") + QString::number(plate.value);
    }
    return QString::fromStdString(player.name).trimmed() + QStringLiteral(": ") +
           QString::number(plate.value);
}

const char* platePicture(PlateColour colour)
{
    switch (colour) {
    case PlateColour::Red:
        return "SPRed";
    case PlateColour::Blue:
        return "SPBlue";
    case PlateColour::Yellow:
        break;
    }
    return "SPYellow";
}

}  // namespace

PlateLabel fitPlateText(const QString& text, int width, const std::function<QFont(int)>& fontAt)
{
    // Smaller sizes first, down to two thirds of the plate's own; then the
    // name gives way ("Maximilian Alexa…: 12"), never the points.
    PlateLabel label{QFont(), text};
    for (const int size : {18, 16, 14, 12}) {
        label.font = fontAt(size);
        if (QFontMetrics(label.font).horizontalAdvance(text) <= width) {
            return label;
        }
    }
    const qsizetype colon = text.lastIndexOf(QStringLiteral(": "));
    const QString tail = colon >= 0 ? text.mid(colon) : QString();
    const QString name = colon >= 0 ? text.left(colon) : text;
    const QFontMetrics metrics(label.font);
    label.text =
        metrics.elidedText(name, Qt::ElideRight, width - metrics.horizontalAdvance(tail)) + tail;
    return label;
}

TableView::TableView(GameSession& session, Settings& settings, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_engine(session.engine()),
      m_settings(settings),
      m_button7(new TevCardsButton(this)),
      m_button8(new TevCardsButton(this)),
      m_chatInput(new QLineEdit(this)),
      m_chatSend(new QPushButton(this))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    installTableAccessibility();
    m_balloon = new QLabel(this, Qt::ToolTip);
    m_balloon->setTextFormat(Qt::RichText);
    m_balloon->setStyleSheet(
        QStringLiteral("QLabel { background: #fffbe0; color: #202020; border: 1px solid #806020; "
                       "padding: 6px; }"));
    m_balloon->hide();
    m_balloonTimer.setSingleShot(true);
    m_balloonTimer.setInterval(5000);
    connect(&m_balloonTimer, &QTimer::timeout, m_balloon, &QLabel::hide);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_session.setView(this);
    // The computer waits while a question, window or menu stands over a
    // local game.
    m_session.setHold([] {
        return QApplication::activeModalWidget() != nullptr ||
               QApplication::activePopupWidget() != nullptr;
    });
    connect(&m_session, &GameSession::computerMoved, this,
            [this] { showTurnArrow(m_engine.state().turnState); });
    m_button7->hide();
    m_button8->hide();
    m_button7->setFocusPolicy(Qt::NoFocus);
    m_button8->setFocusPolicy(Qt::NoFocus);
    m_button7->setColorSB(ColorSB::DNavy);
    m_button8->setColorSB(ColorSB::DRed);
    for (TevCardsButton* button : {m_button7, m_button8}) {
        button->setLightFont(true);
        button->setColorMouse(QColor(255, 225, 74));
        button->setGrayDis(true);
    }
    m_chatInput->setMaxLength(15);
    m_chatInput->hide();
    m_chatSend->hide();
    m_chatSend->setText(QStringLiteral("\u27A4"));
    m_chatSend->installEventFilter(this);
    connect(m_chatInput, &QLineEdit::returnPressed, this, &TableView::sendChat);
    connect(m_chatSend, &QPushButton::clicked, this, &TableView::sendChat);
    connect(m_button7, &QPushButton::clicked, &m_session, &GameSession::pressFirstButton);
    connect(m_button8, &QPushButton::clicked, &m_session, &GameSession::pressExit);
    m_timerGif.setInterval(kGifCapturePeriodMs);
    connect(&m_timerGif, &QTimer::timeout, this, &TableView::captureFrame);
    connect(&m_recorder, &GifRecorder::busyChanged, this, &TableView::showGifBanner);
    connect(&m_recorder, &GifRecorder::written, this, [this](const QString&, const QString& error) {
        // The game goes on; the player learns once why no picture is made.
        if (!error.isEmpty() && error != std::exchange(m_gifErrorShown, error)) {
            showAttention(window(), text(Text::GifNotSaved), error);
        }
    });
    retranslate();
}

TableView::~TableView()
{
    m_session.setView(nullptr);
    m_session.setHold({});
}

void TableView::applyWindowSize()
{
    // The chosen card set and deck, from their libraries; what cannot be
    // found falls back to the program's own pictures, with a word for each
    // library missing.
    m_geometry = layoutTable(m_settings.windowSize, size(), false);
    const CardSources sources =
        findCardSources(m_settings, m_geometry.drawingClass, m_programFolder);
    m_narrowCards = cardSetInfo(m_settings.cardSet).narrow;
    m_geometry = layoutTable(m_settings.windowSize, size(), m_narrowCards);
    const int corner = m_geometry.scale.size(8);
    // Everything is drawn at the screen's own pixels: the frame, the cards
    // and the background carry its device pixel ratio.
    const qreal ratio = devicePixelRatioF();
    m_pictures.load(sources, m_settings.cardSet, m_settings.deckIndex, m_geometry.drawingClass,
                    m_geometry.cardWidth, m_geometry.cardHeight, corner, ratio);
    showMissingFiles(this, sources.missingLibraries);
    showMissingFiles(this, m_pictures.loadBackground(m_settings, m_settings.tableDesign == 1,
                                                     size(), m_programFolder, ratio));
    m_frame = deviceImage(size(), ratio, QImage::Format_RGB32);
    m_frame.fill(windowColour(m_settings.background, m_settings.backgroundColour));
    {
        QPainter p(&m_frame);
        p.drawImage(0, 0, m_pictures.background());
    }
    const QFont buttonFont = familyFont(m_settings, FontFamily::Decor, m_geometry.scale.size(15));
    for (TevCardsButton* button : {m_button7, m_button8}) {
        button->setNata(m_settings.newButtons);
        button->setFont(buttonFont);
    }
    // The purple table shows its buttons in the cards look.
    const bool purple = m_settings.tableDesign == 1;
    m_button7->setColorSB(purple ? ColorSB::DCards : ColorSB::DNavy);
    m_button8->setColorSB(purple ? ColorSB::DCards : ColorSB::DRed);
    m_button7->setGeometry(m_geometry.button7);
    m_button8->setGeometry(m_geometry.button8);
    m_chatInput->setGeometry(m_geometry.chatInput);
    m_chatInput->setFont(familyFont(m_settings, FontFamily::Serif, m_geometry.scale.size(14)));
    m_chatSend->setGeometry(m_geometry.chatSend);
    redrawAll();
}

void TableView::startLocalGame(const Profile& profile)
{
    m_engine.setup().rules = {m_settings.threeOfAKind30, m_settings.punishKnocker};
    m_engine.setup().flyingCards = m_settings.flyingCards;
    m_session.startLocalGame(profile);
}

void TableView::redrawAll()
{
    if (m_frame.isNull()) {
        return;
    }
    refill(logicalRect(m_frame));
    const TableState& st = m_engine.state();
    if (st.gameActive) {
        for (int seat = 1; seat <= kSeats; ++seat) {
            showHand(seat, m_hands[seat]);
            if (m_plateShown[seat]) {
                showPlate(seat, m_plates[seat]);
            }
        }
        showTurnArrow(m_arrowSeat);
        showDeckAndPile();
        showDealCounter();
        m_clockSeat = 0;
        showMoveClock();
        if (m_engine.setup().mode == GameMode::NetworkJoined &&
            m_engine.setup().awaitingFirstDeal) {
            showAwaitingServer();
        }
    }
    drawChat();
    update();
}

void TableView::setMoveClock(const MoveClock* clock)
{
    if (m_clock) {
        disconnect(m_clock, nullptr, this, nullptr);
    }
    m_clock = clock;
    if (clock) {
        connect(clock, &MoveClock::changed, this, &TableView::showMoveClock);
        connect(clock, &MoveClock::ticked, this, [this](int seat, int seconds) {
            showMoveClock();
            if (seat == 4) {
                if (const char* sound = MoveClock::tickSound(seconds)) {
                    playSound(sound, false);
                }
            }
        });
    }
    showMoveClock();
}

QRect TableView::moveClockArea(int seat) const
{
    const QRect plate = m_geometry.plates[seat];
    return QRect(plate.right() + 1 + m_geometry.scale.size(10), plate.top(), plate.height(),
                 plate.height());
}

void TableView::showMoveClock()
{
    if (m_frame.isNull()) {
        return;
    }
    if (m_clockSeat != 0) {
        const QRect old = moveClockArea(m_clockSeat);
        refill(old);
        present(old);
        m_clockSeat = 0;
    }
    if (!m_clock || m_clock->seat() == 0) {
        return;
    }
    m_clockSeat = m_clock->seat();
    const QRect r = moveClockArea(m_clockSeat);
    const int seconds = m_clock->secondsLeft();
    const bool low = MoveClock::lowOnTime(seconds);
    QPainter p(&m_frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(r, builtInPicture(low ? QStringLiteral("GTimerR") : QStringLiteral("GTimerY")));
    QFont font = familyFont(m_settings, FontFamily::Serif, m_geometry.scale.size(18));
    font.setBold(true);
    p.setFont(font);
    p.setPen(low ? QColor(255, 255, 0) : QColor(200, 0, 0));
    p.drawText(r, Qt::AlignCenter, QString::number(seconds));
    p.end();
    present(r);
}

void TableView::refill(const QRect& rect)
{
    QPainter p(&m_frame);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect r = rect.intersected(logicalRect(m_frame));
    p.fillRect(r, windowColour(m_settings.background, m_settings.backgroundColour));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QImage& background = m_pictures.background();
    p.drawImage(r.topLeft(), background, deviceRect(r, background.devicePixelRatio()));
}

void TableView::present(const QRect& rect)
{
    // A move blocks the thread, so what it draws is shown at once.
    if (isVisible()) {
        repaint(rect);
    } else {
        update(rect);
    }
}

void TableView::paintEvent(QPaintEvent* event)
{
    if (!m_frame.isNull() && m_frame.devicePixelRatio() != devicePixelRatioF()) {
        // The window went to a screen of another pixel ratio: rebuilt as for
        // a resize once this paint is done (never while a card flies).
        QTimer::singleShot(0, this, [this] {
            if (!m_frame.isNull() && m_frame.devicePixelRatio() != devicePixelRatioF() &&
                !m_flight.isFlying()) {
                applyWindowSize();
            }
        });
    }
    QPainter p(this);
    if (m_frame.isNull()) {
        p.fillRect(event->rect(), Qt::darkGreen);
        return;
    }
    // A frame of another ratio (while a card flies) is scaled, not cut.
    p.setRenderHint(QPainter::SmoothPixmapTransform,
                    m_frame.devicePixelRatio() != p.device()->devicePixelRatioF());
    p.drawImage(event->rect().topLeft(), m_frame,
                deviceRect(event->rect(), m_frame.devicePixelRatio()));
}

void TableView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_flight.isFlying()) {
        applyWindowSize();
    }
}

// ------------------------------------------------------------- drawing

QImage TableView::cardPicture(CardCode code, bool faceUp) const
{
    const QImage& picture = faceUp ? m_pictures.face(code) : m_pictures.back(m_backNumber);
    if (!m_pictures.outlined()) {
        return picture;
    }
    // The small class: a 1-pixel black outline without its corner pixels,
    // the 69 x 94 picture inside it.
    QImage card(71, 96, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    QPainter p(&card);
    p.setPen(Qt::black);
    p.drawLine(2, 0, 68, 0);
    p.drawLine(2, 95, 68, 95);
    p.drawLine(0, 2, 0, 93);
    p.drawLine(70, 2, 70, 93);
    p.drawPoint(1, 1);
    p.drawPoint(69, 1);
    p.drawPoint(1, 94);
    p.drawPoint(69, 94);
    p.drawImage(1, 1, picture);
    return card;
}

void TableView::drawCard(QPainter& painter, int x, int y, CardCode code, bool faceUp) const
{
    if (code.isEmpty()) {
        return;
    }
    painter.drawImage(x, y, cardPicture(code, faceUp));
}

void TableView::prepareTableForDeal()
{
    m_geometry = layoutTable(m_settings.windowSize, size(), m_narrowCards);
    m_engine.setup().saveGamesAsGif = m_settings.saveGamesAsGif;
    if (m_engine.setup().mode == GameMode::Local) {
        m_chatShown = false;
        m_chatInput->hide();
        m_chatSend->hide();
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        m_plateShown[seat] = false;
        refill(m_geometry.plates[seat]);
        present(m_geometry.plates[seat]);
    }
    // A mouse player never sees the keyboard's frame: each deal starts
    // without it, on the first card.
    m_keyboardUsed = false;
    m_keyCell = 1;
    m_keyCard = kEmptyCard;
    m_button7->show();
    m_button8->show();
}

void TableView::showChatLine()
{
    // The lines of a match start afresh with its first deal.
    if (m_engine.state().gameDeals <= 1 && !m_engine.state().redeal) {
        m_chatLines.clear();
        m_chatRoles.clear();
    }
    m_chatShown = true;
    m_chatInput->show();
    m_chatSend->show();
    setChatEnabled(!m_engine.setup().awaitingFirstDeal);
    drawChat();
}

void TableView::showAwaitingServer()
{
    // Over the plate of the seat where the host sits in this view.
    const int hostSeat = seatOfRole(m_engine.setup().ownRole, 1);
    const QRect r = m_geometry.plates[hostSeat];
    refill(r);
    QPainter p(&m_frame);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = familyFont(m_settings, FontFamily::Serif, m_geometry.scale.size(16));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 230, 120));
    p.drawText(r, Qt::AlignCenter, text(Text::ExpectationOfServer));
    p.end();
    present(r);
}

void TableView::setChatEnabled(bool enabled)
{
    m_chatInput->setEnabled(enabled);
    m_chatSend->setEnabled(enabled);
}

void TableView::addChatLine(int role, const QString& line)
{
    // Four lines: a new one takes the first free place, or all move up.
    if (m_chatLines.size() >= 4) {
        m_chatLines.removeFirst();
        m_chatRoles.removeFirst();
    }
    m_chatLines.append(line);
    m_chatRoles.append(role);
    drawChat();
}

QString shortenedChatLine(const QString& line, const QFontMetrics& metrics, int width)
{
    QString shown = line;
    int removed = 0;
    while (metrics.horizontalAdvance(shown) > width && removed < 12 && !shown.isEmpty()) {
        shown.chop(1);
        ++removed;
    }
    return removed > 0 ? shown + QStringLiteral("...") : shown;
}

void TableView::drawChat()
{
    if (!m_chatShown || m_frame.isNull()) {
        return;
    }
    const QRect r = m_geometry.memo;
    const TableScale& s = m_geometry.scale;
    refill(r);
    QPainter p(&m_frame);
    drawPanelFrame(p, r, QStringLiteral("RamkaER"));
    p.setFont(familyFont(m_settings, FontFamily::Serif, s.size(14)));
    static const QColor kRoleColours[5] = {Qt::black, QColor(128, 0, 0), QColor(0, 0, 128),
                                           QColor(0, 128, 0), QColor(128, 128, 0)};
    const QFontMetrics metrics(p.font());
    for (int slot = 0; slot < m_chatLines.size(); ++slot) {
        const int role = m_chatRoles[slot];
        p.setPen(kRoleColours[role >= 1 && role <= 4 ? role : 0]);
        p.drawText(
            QPoint(r.left() + s.size(20), r.top() + s.size(14 * slot + 3) + metrics.ascent()),
            shortenedChatLine(m_chatLines[slot], metrics, s.size(85)));
    }
    p.end();
    present(r);
}

void TableView::sendChat()
{
    const QString line = m_chatInput->text();
    if (line.isEmpty() || !m_chatInput->isEnabled()) {
        return;
    }
    m_chatInput->clear();
    emit chatTyped(line);
}

bool TableView::eventFilter(QObject* watched, QEvent* event)
{
    // Digits typed while the send button has the focus: "71849" turns the
    // other hands face up, or down again.
    if (watched == m_chatSend) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            m_typedOnSend.clear();
        } else if (event->type() == QEvent::KeyPress) {
            m_typedOnSend += static_cast<QKeyEvent*>(event)->text();
            if (m_typedOnSend.endsWith(QStringLiteral("71849"))) {
                m_typedOnSend.clear();
                m_engine.setShowAllHands(!m_engine.showAllHands());
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TableView::chooseBack()
{
    // Decks of ten backs draw one at random, from a generator seeded afresh.
    m_backNumber = olk::chooseBack(m_settings.deckAlwaysOne, QDate::currentDate().dayOfWeek(),
                                   m_settings.deckIndex,
                                   static_cast<int>(QRandomGenerator::securelySeeded().bounded(1, 11)));
}

void TableView::setDealNumberHint(int dealNumber, int cycle)
{
    m_dealNumberHint = dealNumber;
    m_dealCycle = cycle;
}

void TableView::showHand(int seat, bool faceUp)
{
    m_hands[seat] = faceUp;
    const QRect area = m_geometry.cards[seat];
    refill(area);
    const PlayerRecord& player = m_engine.state().players[seat];
    const QList<int> xs = cardPositions(area.width(), m_geometry.cardWidth, player.cardCount);
    QPainter p(&m_frame);
    p.setClipRect(area);
    for (int i = 0; i < xs.size(); ++i) {
        drawCard(p, area.left() + xs[i], area.top(), player.cells[i + 1].code, faceUp);
    }
    if (seat == kLocalSeat) {
        m_keyCellDrawn = keyboardCell();
        if (m_keyCellDrawn != 0) {
            // The focused card comes to the front, whole, in its frame.
            const QRect card = localCardRect(m_keyCellDrawn);
            drawCard(p, card.left(), card.top(), player.cells[m_keyCellDrawn].code, faceUp);
            drawKeyboardFocus(p, card);
        }
    }
    p.end();
    present(area);
}

void TableView::showDeckAndPile()
{
    const QRect k = m_geometry.koloda;
    const TableScale& s = m_geometry.scale;
    refill(k);
    const TableState& st = m_engine.state();
    QPainter p(&m_frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRect(k);
    const bool small = m_geometry.drawingClass == DrawingClass::Small && s.s == 1.0;
    const QRect symbol =
        small ? QRect(k.left() + 78, k.top() + 1, 58, 25)
              : QRect(k.left() + s.size(78), k.top() + s.size(1), s.size(58), s.size(25));
    p.drawImage(symbol, builtInPicture(small ? QStringLiteral("GKolodaSmall")
                                             : QStringLiteral("GKolodaSmallB")));
    // Height 20 on the small table, growing with the table elsewhere so the
    // count stays as readable as the cards around it.
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setBold(true);
    font.setPixelSize(s.size(20));
    p.setFont(font);
    p.setPen(QColor(0, 0, 200));
    const QRect band(k.left() + s.size(78), k.top() + s.size(1), s.size(137) - s.size(78),
                     s.size(25));
    p.drawText(band, Qt::AlignCenter, QString::number(st.deckLeft()));

    for (int i = 1; i <= st.pileCount; ++i) {
        drawCard(p, k.left(), k.top() + s.size(stackOffset(i)), st.pile[i].code, true);
    }
    for (int i = 1; i <= st.deckLeft(); ++i) {
        drawCard(p, k.left() + s.size(72), k.top() + s.size(stackOffset(i)), kFaceDownCard, false);
    }
    p.end();
    present(k);
}

void TableView::showPlate(int seat, const PlateView& plate)
{
    m_plates[seat] = plate;
    m_plateShown[seat] = true;
    const QRect r = m_geometry.plates[seat];
    refill(r);
    const QString text = plateText(m_engine.state().players[seat], plate);
    QPainter p(&m_frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    const bool small = m_geometry.scale.s == 1.0;
    const QString picture =
        QString::fromLatin1(platePicture(plate.colour)) + (small ? QString() : QStringLiteral("B"));
    p.drawImage(r, builtInPicture(picture));
    const TableScale& s = m_geometry.scale;
    // Bold "serif" at size(18), or smaller, or with the name cut short,
    // when the text is wider than the plate.
    const PlateLabel label = fitPlateText(text, r.width() - s.size(12), [&](int size) {
        QFont font = familyFont(m_settings, FontFamily::Serif, s.size(size));
        font.setBold(true);
        return font;
    });
    p.setFont(label.font);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(r.translated(1, 1), Qt::AlignCenter, label.text);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, label.text);
    p.end();
    present(r);
}

void TableView::setPlateHint(int seat, int balance)
{
    m_plateHints[seat] = balance;
}

void TableView::showTurnArrow(int turnState)
{
    const int seat = turn::seatOf(turnState);
    if (turnState != turn::kNoDeal && turnState != turn::kDealOver) {
        m_arrowSeat = seat;
    } else if (turnState == turn::kNoDeal) {
        m_arrowSeat = 0;
    }
    QPainter p(&m_frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int s = 1; s <= kSeats; ++s) {
        p.end();
        refill(m_geometry.arrows[s]);
        p.begin(&m_frame);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (s == m_arrowSeat) {
            p.drawImage(m_geometry.arrows[s],
                        builtInPicture(s == kLocalSeat ? QStringLiteral("Hand_Down")
                                                       : QStringLiteral("Hand_Up")));
        }
    }
    p.end();
    for (int s = 1; s <= kSeats; ++s) {
        present(m_geometry.arrows[s]);
    }
}

void TableView::drawPanelFrame(QPainter& p, const QRect& r, const QString& frame) const
{
    // "...Sm" drawn as it is on the small table, "...Bg" stretched on the
    // larger ones.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawImage(r, builtInPicture(frame + (m_geometry.scale.s == 1.0 ? QStringLiteral("Sm")
                                                                     : QStringLiteral("Bg"))));
}

void TableView::showDealCounter()
{
    const QRect r = m_geometry.kon;
    const TableScale& s = m_geometry.scale;
    refill(r);
    const TableState& st = m_engine.state();
    QPainter p(&m_frame);
    drawPanelFrame(p, r, QStringLiteral("RamkaBB"));
    p.setFont(familyFont(m_settings, FontFamily::Decor, s.size(26)));
    p.setPen(QColor(0, 0, 190));
    const int line = QFontMetrics(p.font()).height();
    p.drawText(QRect(r.left(), r.top() + s.size(15), r.width(), line), Qt::AlignHCenter,
               text(Text::GameDealCaption) + QLatin1Char(' ') + QString::number(st.gameDeals));
    p.drawText(QRect(r.left(), r.top() + s.size(45), r.width(), line), Qt::AlignHCenter,
               text(Text::Move) + QStringLiteral(": ") + QString::number(st.moveCount));
    p.end();
    present(r);
    // The counter is drawn last in every move, after the turn has passed:
    // the keyboard's frame follows the turn from here.
    refreshKeyboardFocus();
}

void TableView::setActionButtons(const ActionButtons& buttons)
{
    m_buttons = buttons;
    retranslate();
    m_button7->setEnabled(buttons.firstEnabled);
    m_button8->setEnabled(buttons.exitEnabled);
}

void TableView::retranslate()
{
    switch (m_buttons.caption) {
    case FirstButton::ToBegin:
        m_button7->setText(text(Text::ToBegin));
        break;
    case FirstButton::Knock:
        m_button7->setText(text(Text::Knock));
        break;
    case FirstButton::NextGame:
        m_button7->setText(text(Text::NextGame));
        break;
    }
    m_button8->setText(text(Text::ExitToMenu));
    // The hints name the keys (keyPressEvent); screen readers read them too.
    const QString firstKeys = text(m_buttons.caption == FirstButton::Knock
                                       ? Text::KeyHintKnock
                                       : Text::KeyHintFirstButton);
    m_button7->setToolTip(firstKeys);
    m_button7->setAccessibleDescription(firstKeys);
    m_button8->setToolTip(text(Text::KeyHintExit));
    m_button8->setAccessibleDescription(text(Text::KeyHintExit));
    setAccessibleName(text(Text::TableAccName));
    setWindowTitle(text(Text::WindowTitle));
}

void TableView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        if (m_engine.state().gameActive) {
            showDealCounter();
        }
    }
    QWidget::changeEvent(event);
}

// ------------------------------------------------------------- flights

QPoint TableView::flightPoint(const FlightEnd& end, int count) const
{
    const TableScale& s = m_geometry.scale;
    const QRect k = m_geometry.koloda;
    switch (end.place) {
    case FlightEnd::Place::Pile:
        return {k.left() + s.size(0), k.top() + s.size(stackOffset(count))};
    case FlightEnd::Place::Deck:
        return {k.left() + s.size(72), k.top() + s.size(stackOffset(count))};
    case FlightEnd::Place::Hand:
        break;
    }
    const QRect area = m_geometry.cards[end.seat];
    if (end.seat != kLocalSeat) {
        return {area.left() + roundToPixel(area.width() / 2.0 - m_geometry.cardWidth / 2.0),
                area.top()};
    }
    const PlayerRecord& player = m_engine.state().players[kLocalSeat];
    // A take flies to the slot the card gets; a discard leaves from its slot
    // among the cards the hand held before it.
    const int n = end.place == FlightEnd::Place::Hand ? player.cardCount : 0;
    const QList<int> xs = cardPositions(area.width(), m_geometry.cardWidth, std::max(n, end.cell));
    const int slot = std::clamp(end.cell, 1, static_cast<int>(xs.size())) - 1;
    return {area.left() + (xs.isEmpty() ? 0 : xs[slot]), area.top()};
}

void TableView::flyCard(const olk::CardFlight& flight)
{
    const TableState& st = m_engine.state();
    QPoint from;
    QPoint to;
    if (flight.to.place == FlightEnd::Place::Hand) {
        // A take: the pile or deck held one card more before it.
        const int before =
            flight.from.place == FlightEnd::Place::Pile ? st.pileCount + 1 : st.deckLeft() + 1;
        from = flightPoint(flight.from, before);
        to = flightPoint(flight.to, 0);
    } else {
        // A discard: from the card's slot in the hand it left (one card more).
        FlightEnd origin = flight.from;
        if (origin.seat == kLocalSeat) {
            const QRect area = m_geometry.cards[kLocalSeat];
            const QList<int> xs = cardPositions(area.width(), m_geometry.cardWidth,
                                                st.players[kLocalSeat].cardCount + 1);
            const int slot = std::clamp(origin.cell, 1, static_cast<int>(xs.size())) - 1;
            from = QPoint(area.left() + xs[slot], area.top());
        } else {
            from = flightPoint(origin, 0);
        }
        to = flightPoint(flight.to, st.pileCount);
    }
    const bool faceUp = flight.face != kFaceDownCard;
    const QImage sprite = cardPicture(flight.face, faceUp);
    m_flight.fly(m_frame, sprite, from, to, m_settings.flightSpeed,
                 [this](const QRect& dirty) { present(dirty); });
}

void TableView::playSound(std::string_view name, bool wait)
{
    if (m_sound != nullptr) {
        m_sound->playEffect(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                            wait);
    }
}

void TableView::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

// ------------------------------------------------------------- recording

void TableView::startRecording()
{
    if (!m_settings.saveGamesAsGif) {
        return;
    }
    window()->repaint();
    m_recorder.start();
    m_timerGif.start();
}

QImage TableView::capturePicture()
{
    if (m_settings.gifArea == 2) {
        // The whole main window, frame included, as the screen shows it.
        QWidget* form = window();
        QScreen* screen = form->screen();
        if (screen == nullptr) {
            return {};
        }
        const QRect area = form->frameGeometry().translated(-screen->geometry().topLeft());
        QImage grabbed =
            screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
        // The recording keeps the window's logical size on any screen.
        if (grabbed.size() != area.size() && !grabbed.isNull()) {
            grabbed = grabbed.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        grabbed.setDevicePixelRatio(1.0);
        return grabbed;
    }
    // The table fills the main window's client area; the banner of a file
    // still being written lies above it and stays out of the picture. It is
    // drawn into one of two pictures kept for this, the one the recorder
    // does not hold as its last, so a tick allocates and copies nothing.
    QImage& target = m_captures[m_captureNext];
    if (target.size() != size()) {
        target = QImage(size(), QImage::Format_RGB32);
    }
    render(&target, QPoint(), QRegion(), RenderFlags(DrawWindowBackground | DrawChildren));
    return target;
}

void TableView::captureFrame()
{
    if (!m_settings.saveGamesAsGif || m_recorder.frameCount() >= kGifMaxFrames) {
        return;
    }
    if (m_recorder.addPicture(capturePicture(), m_settings.gifFrameDelay)) {
        m_captureNext ^= 1;
    }
}

void TableView::finishRecording()
{
    if (!m_settings.saveGamesAsGif || !isRecording()) {
        return;
    }
    repaint();
    captureFrame();
    saveRecording();
}

void TableView::saveRecording()
{
    m_timerGif.stop();
    if (!m_settings.saveGamesAsGif) {
        m_recorder.start();
        return;
    }
    const QString name = QStringLiteral("GIFGame/") + gifFileName(QDateTime::currentDateTime());
    m_recorder.save(QDir(m_programFolder).filePath(name));
}

void TableView::showGifBanner(bool on)
{
    if (!on) {
        if (m_gifBanner != nullptr) {
            m_gifBanner->hide();
        }
        return;
    }
    // 175 x 40 in the middle of the window, over whatever screen it shows;
    // it only shows, it never takes a click.
    QWidget* form = window();
    if (m_gifBanner == nullptr) {
        m_gifBanner = new QLabel(form);
        m_gifBanner->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QRect area(form->rect().center() - QPoint(175 / 2, 40 / 2), QSize(175, 40));
    const qreal ratio = devicePixelRatioF();
    QPixmap banner(area.size() * ratio);
    banner.setDevicePixelRatio(ratio);
    banner.fill(windowColour(m_settings.background, m_settings.backgroundColour));
    {
        QPainter p(&banner);
        const QImage& background = m_pictures.background();
        p.drawImage(QPoint(0, 0), background, deviceRect(area, background.devicePixelRatio()));
        p.drawImage(QPoint(0, 0), builtInPicture(QStringLiteral("AdvBar3")));
        // The "decor" face at the "serif" family's height.
        QFont font = familyFont(m_settings, FontFamily::Decor, 20);
        font.setPixelSize(familyFont(m_settings, FontFamily::Serif, 20).pixelSize());
        font.setBold(false);
        p.setFont(font);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(Qt::red);
        p.drawText(QRect(0, 10, area.width(), area.height() - 10), Qt::AlignHCenter | Qt::AlignTop,
                   text(Text::CreatingGif));
    }
    m_gifBanner->setPixmap(banner);
    m_gifBanner->setGeometry(area);
    m_gifBanner->show();
    m_gifBanner->raise();
}

// ------------------------------------------------------------- input

int TableView::takeSourceAt(QPoint pos) const
{
    const TableState& st = m_engine.state();
    const TableScale& s = m_geometry.scale;
    const QPoint at = pos - m_geometry.koloda.topLeft();
    if (!m_geometry.koloda.contains(pos)) {
        return 0;
    }
    const int w = m_geometry.cardWidth;
    const int h = m_geometry.cardHeight;
    const int bottom = s.size(48) + h;
    auto inside = [&](int left, int top) {
        return at.x() >= left && at.x() <= left + w && at.y() >= top && at.y() <= bottom;
    };
    if (st.pileCount >= 1 && inside(s.size(0), s.size(stackOffset(st.pileCount)))) {
        return 1;
    }
    if (st.deckLeft() >= 1 && inside(s.size(72), s.size(stackOffset(st.deckLeft())))) {
        return 2;
    }
    return 0;
}

bool TableView::onTopPileCard(QPoint pos) const
{
    const TableState& st = m_engine.state();
    if (st.pileCount < 1 || !m_geometry.koloda.contains(pos)) {
        return false;
    }
    const TableScale& s = m_geometry.scale;
    const QPoint at = pos - m_geometry.koloda.topLeft();
    const int top = s.size(stackOffset(st.pileCount));
    return at.x() >= s.size(0) && at.x() <= s.size(0) + m_geometry.cardWidth && at.y() >= top &&
           at.y() <= top + m_geometry.cardHeight;
}

int TableView::cellAt(int seat, QPoint pos) const
{
    const QRect area = m_geometry.cards[seat];
    if (!area.contains(pos)) {
        return 0;
    }
    const PlayerRecord& player = m_engine.state().players[seat];
    const QList<int> xs = cardPositions(area.width(), m_geometry.cardWidth, player.cardCount);
    const int x = pos.x() - area.left();
    for (int i = static_cast<int>(xs.size()) - 1; i >= 0; --i) {
        const int right = i + 1 < xs.size() ? xs[i + 1] - 1 : xs[i] + m_geometry.cardWidth - 1;
        if (x >= xs[i] && x <= right) {
            return i + 1;
        }
    }
    return 0;
}

int TableView::localCellAt(QPoint pos) const
{
    return cellAt(kLocalSeat, pos);
}

void TableView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const TableState& st = m_engine.state();
    if (!st.gameActive || m_flight.isFlying()) {
        return;
    }
    const bool right = event->button() == Qt::RightButton;
    const bool playing = st.playPhase == 2;
    if (m_geometry.koloda.contains(pos)) {
        // The right button over the top pile card only names it; every
        // other release in the pile or deck area takes on the player's turn.
        if (right && onTopPileCard(pos)) {
            emit cardSpoken(st.pileTop().code);
        } else if (playing && st.turnState == kLocalSeat) {
            if (const int source = takeSourceAt(pos); source != 0) {
                if (m_session.localTake(source) && m_settings.saluteCards) {
                    playSalute(m_programFolder);
                }
            }
        }
    } else if (const int cell = localCellAt(pos); cell != 0) {
        if (right) {
            emit cardSpoken(st.players[kLocalSeat].cells[cell].code);
        } else if (playing && st.turnState == kLocalSeat + turn::kDiscardOffset) {
            if (m_session.localDiscard(cell) && m_settings.saluteCards) {
                playSalute(m_programFolder);
            }
        }
    } else if (right && st.turnState == turn::kDealOver) {
        // Once a deal is over the other hands lie open and can be named too.
        for (int seat = 1; seat < kLocalSeat; ++seat) {
            if (const int other = cellAt(seat, pos); other != 0) {
                emit cardSpoken(st.players[seat].cells[other].code);
            }
        }
    }
    mouseMoveEvent(event);
}

// ------------------------------------------------------------- keyboard

QRect TableView::localCardRect(int cell) const
{
    const QRect area = m_geometry.cards[kLocalSeat];
    const PlayerRecord& player = m_engine.state().players[kLocalSeat];
    if (!m_engine.state().gameActive || cell < 1 || cell > player.cardCount) {
        return {};
    }
    const QList<int> xs = cardPositions(area.width(), m_geometry.cardWidth, player.cardCount);
    if (cell > xs.size()) {
        return {};
    }
    return QRect(area.left() + xs[cell - 1], area.top(), m_geometry.cardWidth,
                 m_geometry.cardHeight);
}

QRect TableView::pileTopRect() const
{
    const TableState& st = m_engine.state();
    if (!st.gameActive || st.pileCount < 1) {
        return {};
    }
    const QRect k = m_geometry.koloda;
    return QRect(k.left(), k.top() + m_geometry.scale.size(stackOffset(st.pileCount)),
                 m_geometry.cardWidth, m_geometry.cardHeight);
}

QRect TableView::deckTopRect() const
{
    const TableState& st = m_engine.state();
    if (!st.gameActive || st.deckLeft() < 1) {
        return {};
    }
    const QRect k = m_geometry.koloda;
    const TableScale& s = m_geometry.scale;
    return QRect(k.left() + s.size(72), k.top() + s.size(stackOffset(st.deckLeft())),
                 m_geometry.cardWidth, m_geometry.cardHeight);
}

QString TableView::plateCaption(int seat) const
{
    if (seat < 1 || seat > kSeats || !m_plateShown[seat] || !m_engine.state().gameActive) {
        return {};
    }
    return plateText(m_engine.state().players[seat], m_plates[seat]);
}

bool TableView::localDiscardTurn() const
{
    const TableState& st = m_engine.state();
    return st.gameActive && st.playPhase == 2 && st.turnState == kLocalSeat + turn::kDiscardOffset;
}

int TableView::keyboardCell() const
{
    if (!m_keyboardUsed || !localDiscardTurn()) {
        return 0;
    }
    const PlayerRecord& hand = m_engine.state().players[kLocalSeat];
    if (hand.cardCount < 1) {
        return 0;
    }
    // The card it was on, wherever sorting put it; else the same place.
    for (int cell = 1; cell <= hand.cardCount; ++cell) {
        if (!m_keyCard.isEmpty() && hand.cells[cell].code == m_keyCard) {
            return cell;
        }
    }
    return std::clamp(m_keyCell, 1, hand.cardCount);
}

void TableView::drawKeyboardFocus(QPainter& painter, const QRect& card) const
{
    if (card.isEmpty()) {
        return;
    }
    // The menu's gold frame just inside the card's edge, its width growing
    // with the table.
    const qreal gold = std::max(3, m_geometry.scale.size(4));
    const qreal radius = std::max(3, m_geometry.scale.size(6));
    const qreal inset = gold / 2 + 1;
    drawFocusFrame(painter, QRectF(card).adjusted(inset, inset, -inset, -inset), radius, gold);
}

void TableView::refreshKeyboardFocus()
{
    if (m_frame.isNull()) {
        return;
    }
    const int cell = keyboardCell();
    if (cell != m_keyCellDrawn) {
        showHand(kLocalSeat, m_hands[kLocalSeat]);
        announceKeyboardFocus();
    }
}

void TableView::announceKeyboardFocus()
{
    const int cell = keyboardCell();
    if (cell == 0 || !QAccessible::isActive()) {
        return;
    }
    // The own cards are the table's first accessible children.
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(cell - 1);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent name(this, QAccessible::NameChanged);
    name.setChild(cell - 1);
    QAccessible::updateAccessibility(&name);
}

void TableView::moveKeyboardFocus(int step)
{
    const TableState& st = m_engine.state();
    if (!localDiscardTurn()) {
        return;
    }
    const PlayerRecord& hand = st.players[kLocalSeat];
    const int cell = keyboardCell();
    if (cell == 0) {
        // The first key shows where the focus is; the next ones move it.
        m_keyboardUsed = true;
    } else if (hand.cardCount > 0) {
        m_keyCell = (cell - 1 + step + hand.cardCount) % hand.cardCount + 1;
        m_keyCard = hand.cells[m_keyCell].code;
    }
    refreshKeyboardFocus();
}

bool TableView::keyboardTake(int source)
{
    const TableState& st = m_engine.state();
    if (!st.gameActive || st.playPhase != 2 || st.turnState != kLocalSeat) {
        return false;
    }
    m_keyboardUsed = true;
    if (!m_session.localTake(source)) {
        return false;
    }
    if (m_settings.saluteCards) {
        playSalute(m_programFolder);
    }
    refreshKeyboardFocus();
    return true;
}

bool TableView::keyboardDiscard()
{
    if (!localDiscardTurn()) {
        return false;
    }
    const int cell = keyboardCell();
    if (cell == 0) {
        // Never a card the player has not seen chosen: the first key only
        // shows the focus.
        m_keyboardUsed = true;
        refreshKeyboardFocus();
        return false;
    }
    m_keyCell = cell;
    if (!m_session.localDiscard(cell)) {
        return false;
    }
    if (m_settings.saluteCards) {
        playSalute(m_programFolder);
    }
    return true;
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    // Each key acts exactly where the same click would and is ignored,
    // silently, everywhere else.
    const TableState& st = m_engine.state();
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    // On the Russian layout the letters are where the Latin ones are: З is
    // P, В is D, Л is K, Т is N, М is V (Qt names them by their capitals'
    // code points).
    int key = event->key();
    switch (key) {
    case 0x0417:
        key = Qt::Key_P;
        break;
    case 0x0412:
        key = Qt::Key_D;
        break;
    case 0x041B:
        key = Qt::Key_K;
        break;
    case 0x0422:
        key = Qt::Key_N;
        break;
    case 0x041C:
        key = Qt::Key_V;
        break;
    default:
        break;
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool menuKey = key == Qt::Key_Menu || (key == Qt::Key_F10 && mods == Qt::ShiftModifier);
    if (menuKey) {
        showTableMenu(mapToGlobal(m_geometry.cards[kLocalSeat].center()));
        return;
    }
    if (key == Qt::Key_F1 && mods == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            emit helpRequested();
        }
        return;
    }
    // What the chat's input line leaves over (its arrows) never plays a
    // card: with the focus in the chat only Escape reaches the table.
    const QWidget* focus = QApplication::focusWidget();
    const bool inChat = focus != nullptr && focus != this && isAncestorOf(focus);
    if ((mods & (Qt::ControlModifier | Qt::AltModifier)) != 0 ||
        (inChat && key != Qt::Key_Escape)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Escape) {
        if (!event->isAutoRepeat()) {
            leaveByKey();
        }
        return;
    }
    if (!st.gameActive || m_flight.isFlying()) {
        event->accept();
        return;
    }
    const bool repeat = event->isAutoRepeat();
    const bool discardTurn = localDiscardTurn();
    if (key == Qt::Key_V || (enter && mods == Qt::ShiftModifier)) {
        // As the right button would: the focused card, else the pile's top.
        if (const int cell = keyboardCell(); cell != 0) {
            emit cardSpoken(st.players[kLocalSeat].cells[cell].code);
        } else if (st.pileCount >= 1) {
            emit cardSpoken(st.pileTop().code);
        }
        return;
    }
    switch (key) {
    case Qt::Key_P:
    case Qt::Key_Up:
        if (!repeat) {
            keyboardTake(1);
        }
        return;
    case Qt::Key_D:
    case Qt::Key_Down:
        if (!repeat) {
            keyboardTake(2);
        }
        return;
    case Qt::Key_Left:
        moveKeyboardFocus(-1);
        return;
    case Qt::Key_Right:
        moveKeyboardFocus(1);
        return;
    case Qt::Key_K:
        if (!repeat && m_buttons.caption == FirstButton::Knock && m_button7->isEnabled()) {
            m_button7->click();
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (repeat) {
            return;
        }
        if (discardTurn) {
            keyboardDiscard();
            return;
        }
        [[fallthrough]];
    case Qt::Key_N:
        if (!repeat && m_buttons.caption != FirstButton::Knock && m_button7->isEnabled()) {
            m_button7->click();
        }
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void TableView::leaveByKey()
{
    // "Exit to menu" with the table menu's question. A game that may end
    // ends as its button ends it, with its results kept; any other is left.
    if (!confirmLeaving()) {
        return;
    }
    if (m_buttons.exitEnabled && m_button8->isEnabled()) {
        m_button8->click();
        return;
    }
    leaveNow();
}

QString TableView::dealNumberHint() const
{
    return text(Text::GameDealCaption) + QStringLiteral(": ") + QString::number(m_dealNumberHint) +
           QStringLiteral(" / ") + QString::number(m_dealCycle);
}

QString TableView::currentGameBalloon() const
{
    // The profile's deal counter, the round of the 40-deal cycle (not in a
    // tournament) and, in networked play, the round of the four-deal
    // session.
    const int dealNumber = m_dealNumberHint;
    auto round = [dealNumber](int cycle) {
        const int r = dealNumber % cycle;
        return QString::number(r == 0 ? cycle : r) + QStringLiteral(" / ") + QString::number(cycle);
    };
    QString balloon =
        text(Text::GeneralNumberOfGame) + QLatin1Char(' ') + QString::number(dealNumber);
    if (m_dealCycle == kCycleDeals) {
        balloon +=
            QLatin1Char('\n') + text(Text::RoundInCycle) + QLatin1Char(' ') + round(kCycleDeals);
    }
    if (m_engine.setup().mode != GameMode::Local) {
        balloon +=
            QLatin1Char('\n') + text(Text::RoundInSession) + QLatin1Char(' ') + round(kMatchDeals);
    }
    return balloon;
}

void TableView::updateBalloon(QPoint pos)
{
    // The "Current game" balloon opens as the pointer enters the deal panel,
    // for five seconds, and closes as it leaves.
    const bool over = m_engine.state().gameActive && m_geometry.kon.contains(pos);
    if (over == m_overDealPanel) {
        return;
    }
    m_overDealPanel = over;
    if (!over) {
        m_balloon->hide();
        m_balloonTimer.stop();
        return;
    }
    m_balloon->setText(
        QStringLiteral("<b>") + text(Text::CurrentGameBalloon).toHtmlEscaped() +
        QStringLiteral("</b><br>") +
        currentGameBalloon().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    m_balloon->adjustSize();
    const QPoint corner = mapToGlobal(m_geometry.kon.topRight() + QPoint(6, 0));
    m_balloon->move(corner);
    m_balloon->show();
    m_balloonTimer.start();
}

void TableView::leaveEvent(QEvent* event)
{
    updateBalloon(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void TableView::hideEvent(QHideEvent* event)
{
    updateBalloon(QPoint(-1, -1));
    // However the deal was left (a lost connection too), what was recorded
    // is saved; a minimised window (a spontaneous hide) goes on recording.
    if (!event->spontaneous() && isRecording()) {
        saveRecording();
    }
    QWidget::hideEvent(event);
}

void TableView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    updateBalloon(pos);
    const TableState& st = m_engine.state();
    bool acts = false;
    if (st.gameActive && st.playPhase == 2) {
        if (st.turnState == kLocalSeat) {
            acts = takeSourceAt(pos) != 0;
        } else if (st.turnState == kLocalSeat + turn::kDiscardOffset) {
            acts = localCellAt(pos) != 0;
        }
    }
    setCursor(acts ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool TableView::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal && !m_frame.isNull() &&
        m_frame.devicePixelRatio() != devicePixelRatioF() && !m_flight.isFlying()) {
        // Moved to a screen of another pixel ratio: rebuilt as for a resize.
        applyWindowSize();
    }
    if (event->type() == QEvent::ToolTip && m_engine.state().gameActive) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (int seat = 1; seat <= kSeats; ++seat) {
            if (m_geometry.plates[seat].contains(help->pos())) {
                QToolTip::showText(help->globalPos(),
                                   QStringLiteral("$: ") + QString::number(m_plateHints[seat]),
                                   this, m_geometry.plates[seat], 5000);
                return true;
            }
        }
        if (m_geometry.kon.contains(help->pos())) {
            QToolTip::showText(help->globalPos(), dealNumberHint(), this, m_geometry.kon, 5000);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void TableView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        showTableMenu(mapToGlobal(m_geometry.cards[kLocalSeat].center()));
        return;
    }
    // Over the cards a right click belongs to the cards.
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (m_geometry.cards[seat].contains(event->pos())) {
            return;
        }
    }
    if (m_geometry.koloda.contains(event->pos())) {
        return;
    }
    showTableMenu(event->globalPos());
}

void TableView::showTableMenu(QPoint globalPos)
{
    QMenu menu(this);
    if (m_engine.state().gameActive) {
        menu.addAction(text(Text::GeneralScore), this, [this] {
            playSound("WOpenFo", false);
            const GameSetup& setup = m_engine.setup();
            showCount(this, m_settings, m_engine.state(), m_engine.profile(),
                      setup.mode == GameMode::Tournament ? CountKind::Tournament
                      : setup.playsGlobalRating          ? CountKind::Account
                                                         : CountKind::Club);
        });
    }
    menu.addAction(text(Text::ExitToMenu), this, &TableView::askToLeave);
    if (m_engine.state().gameActive) {
        menu.addAction(text(Text::ToChangeAName), this, &TableView::changeNameRequested);
    }
    menu.addAction(text(Text::Speed), this, &TableView::speedRequested);
    menu.addAction(text(Text::Help), this, &TableView::helpRequested);
    menu.addAction(text(Text::About), this, &TableView::aboutRequested);
    menu.addAction(text(Text::Radio), this, &TableView::radioRequested);
    menu.addAction(text(Text::Chat), this, &TableView::chatRequested);
    menu.exec(globalPos);
}

bool TableView::confirmLeaving()
{
    if (!m_engine.state().gameActive) {
        return false;
    }
    playSound("WOpenFo", false);
    return askYesNo(this,
                    text(Text::LeaveToMainMenu) + QLatin1Char('\n') + text(Text::AllDataWillBeLost));
}

void TableView::leaveNow()
{
    if (isRecording()) {
        saveRecording();
    }
    m_session.leave();
}

void TableView::askToLeave()
{
    if (confirmLeaving()) {
        leaveNow();
    }
}

}  // namespace olk
