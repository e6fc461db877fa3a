#pragma once

#include <QCoreApplication>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "core/game_engine.h"
#include "extras/card_pictures.h"
#include "extras/cards_button.h"
#include "extras/gif_recorder.h"
#include "extras/sound_player.h"
#include "session/game_session.h"
#include "session/move_clock.h"
#include "settings/settings.h"
#include "table/card_flight.h"
#include "table/table_geometry.h"

namespace olk {

// What a seat's plate says, fitted to `width` pixels: the largest of the
// plate's font sizes that holds the whole text, else the smallest with the
// name shortened ("…") so that the points always show.
struct PlateLabel {
    QFont font;
    QString text;
};
// A chat line as the panel shows it: its last characters taken off, at
// most twelve, until it fits `width`, and then "..." after it.
QString shortenedChatLine(const QString& line, const QFontMetrics& metrics, int width);

PlateLabel fitPlateText(const QString& text, int width,
                        const std::function<QFont(int size)>& fontAt);

// The game table: every element of it (hands, plates, turn arrows, pile and
// deck, deal counter) drawn into one frame over the background, the two
// action buttons, and the local player's mouse, which it passes to the game
// session. The session runs the game; the table only shows it.
//
// It is the engine's observer: each move redraws, flies and waits in exactly
// the engine's order. Drawing during a move is painted at once, since a move
// blocks the thread until it is done.
class TableView : public QWidget, public TableObserver {
    Q_OBJECT

public:
    TableView(GameSession& session, Settings& settings, QWidget* parent = nullptr);
    ~TableView() override;

    // Lays the table out for the settings' window size and the widget's size,
    // loads the pictures for it and redraws everything.
    void applyWindowSize();

    // A new local game for the player of `profile`, dealt and waiting for
    // "To Begin".
    void startLocalGame(const Profile& profile);

    // Draws every element of the table again from the game state.
    void redrawAll();

    // A tournament's move clock: its seconds are drawn beside the name plate
    // of the seat whose clock runs, and the local seat's ticks are heard.
    // Null: no clock (every other game).
    void setMoveClock(const MoveClock* clock);
    QRect moveClockArea(int seat) const;

    const TableGeometry& tableGeometry() const { return m_geometry; }
    const QImage& frame() const { return m_frame; }
    TevCardsButton* button7() const { return m_button7; }
    TevCardsButton* button8() const { return m_button8; }
    QTimer& driver() { return m_session.timer1(); }
    CardFlyer& flyer() { return m_flight; }
    int backNumber() const { return m_backNumber; }

    // What a release of the mouse at `pos` (client pixels) would do: take
    // from the pile (1) or the deck (2), discard a cell of the local hand.
    // 0 when nothing.
    int takeSourceAt(QPoint pos) const;
    int localCellAt(QPoint pos) const;
    // The cell of `seat`'s hand under `pos` (only x decides), 0 when none.
    int cellAt(int seat, QPoint pos) const;
    // Inside the top pile card, where the right button names it.
    bool onTopPileCard(QPoint pos) const;

    // The keyboard (keyPressEvent): the cell of the own hand that carries
    // the keyboard's focus, drawn with a gold frame while a card is to be
    // discarded and the keyboard has been used in this deal; 0 otherwise.
    int keyboardCell() const;
    // Where things lie, in the table's pixels (empty when not on the table).
    QRect localCardRect(int cell) const;
    QRect pileTopRect() const;
    QRect deckTopRect() const;
    // What a seat's plate says now; empty while it is not drawn.
    QString plateCaption(int seat) const;
    const TableState& state() const { return m_engine.state(); }

    // One tick of Timer1.
    void onTick() { m_session.onTick(); }

    // Recording the deal as an animated GIF ("Save games as GIFs"): TimerGIF
    // captures the table every 100 ms while a deal is recorded; a deal's end,
    // leaving it and closing the window save what was recorded into
    // "GIFGame" in the program's folder, written in the background under the
    // banner "Creating a GIF...".
    void captureFrame();
    void saveRecording();
    bool isRecording() const { return m_timerGif.isActive(); }
    GifRecorder& recorder() { return m_recorder; }
    const QLabel* gifBanner() const { return m_gifBanner; }

    // Where the table's sounds go; none: silent.
    void setSoundPlayer(SoundPlayer* player) { m_sound = player; }
    // The program's folder, where the picture libraries lie (or above it).
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // The chat panel of networked games: four lines, each in its writer's
    // colour; the input line and its send button under it.
    void addChatLine(int role, const QString& line);
    const QStringList& chatLines() const { return m_chatLines; }
    QLineEdit* chatInput() const { return m_chatInput; }
    QPushButton* chatSend() const { return m_chatSend; }
    // The input waits, disabled, while a joined player awaits his first deal
    // and after every disconnect.
    void setChatEnabled(bool enabled);

    // The deal panel's hint, "Game: 12 / 40", and the lines of its "Current
    // game" balloon; the balloon shows while the pointer is over the panel.
    QString dealNumberHint() const;
    QString currentGameBalloon() const;
    const QLabel* balloon() const { return m_balloon; }

signals:
    // The pop-up menu's "To change a name".
    void changeNameRequested();
    // The pop-up menu's "Radio": the radio dialog.
    void radioRequested();
    // The pop-up menu's "Speed", "Help" (F1 too), "About" and "Chat": the
    // speed dialog, the help page, the about box, the chat window.
    void speedRequested();
    void helpRequested();
    void aboutRequested();
    void chatRequested();
    // A right click on a card the player may see asks for its spoken name.
    void cardSpoken(CardCode code);
    // A chat line typed and sent (Enter or the send button), not empty.
    void chatTyped(const QString& line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // TableObserver
    void prepareTableForDeal() override;
    void showChatLine() override;
    void showAwaitingServer() override;
    void chooseBack() override;
    void setDealNumberHint(int dealNumber, int cycle) override;
    void showHand(int seat, bool faceUp) override;
    void showDeckAndPile() override;
    void showPlate(int seat, const PlateView& plate) override;
    void setPlateHint(int seat, int balance) override;
    void showTurnArrow(int turnState) override;
    void showDealCounter() override;
    void setActionButtons(const ActionButtons& buttons) override;
    void flyCard(const CardFlight& flight) override;
    void playSound(std::string_view name, bool wait) override;
    void pause(int milliseconds) override;
    void startRecording() override;
    void finishRecording() override;

    void refill(const QRect& rect);
    void present(const QRect& rect);
    QImage cardPicture(CardCode code, bool faceUp) const;
    void drawCard(QPainter& painter, int x, int y, CardCode code, bool faceUp) const;
    QPoint flightPoint(const FlightEnd& end, int pileOrDeckCount) const;
    void retranslate();
    void updateBalloon(QPoint pos);
    void drawChat();
    void drawPanelFrame(QPainter& p, const QRect& r, const QString& frame) const;
    void sendChat();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void askToLeave();
    // The question before leaving the table; false when there is no game.
    bool confirmLeaving();
    // Leaves the game, a recording saved as far as it went.
    void leaveNow();
    bool localDiscardTurn() const;
    void showTableMenu(QPoint globalPos);
    bool keyboardTake(int source);
    bool keyboardDiscard();
    void moveKeyboardFocus(int step);
    void refreshKeyboardFocus();
    void drawKeyboardFocus(QPainter& painter, const QRect& card) const;
    void announceKeyboardFocus();
    void leaveByKey();

    GameSession& m_session;
    GameEngine& m_engine;
    Settings& m_settings;
    // Where the picture libraries are looked for (and in the folder above).
    QString m_programFolder = QCoreApplication::applicationDirPath();
    bool m_narrowCards = false;  // the card set in use is a narrow one
    CardPictures m_pictures;
    TableGeometry m_geometry;
    QImage m_frame;
    TevCardsButton* m_button7;
    TevCardsButton* m_button8;
    CardFlyer m_flight;
    ActionButtons m_buttons;
    PlateView m_plates[5];
    bool m_plateShown[5] = {};
    int m_plateHints[5] = {};
    int m_arrowSeat = 0;
    int m_backNumber = 1;
    int m_dealNumberHint = 0;
    int m_dealCycle = kCycleDeals;
    bool m_hands[5] = {};  // face up per seat
    SoundPlayer* m_sound = nullptr;
    QLabel* m_balloon;
    QLineEdit* m_chatInput;
    QPushButton* m_chatSend;
    QStringList m_chatLines;
    QList<int> m_chatRoles;
    bool m_chatShown = false;
    QString m_typedOnSend;  // digits typed while the send button has the focus
    QPointer<const MoveClock> m_clock;
    int m_clockSeat = 0;  // where a clock was drawn last
    void showMoveClock();
    QTimer m_balloonTimer;
    bool m_overDealPanel = false;
    QImage capturePicture();
    void showGifBanner(bool on);
    QTimer m_timerGif;  // TimerGIF
    GifRecorder m_recorder;
    QImage m_captures[2];
    int m_captureNext = 0;
    QLabel* m_gifBanner = nullptr;
    QString m_gifErrorShown;  // a failure is told once, not at every deal
    bool m_keyboardUsed = false;  // in this deal: the focus frame may show
    int m_keyCell = 1;            // the focused cell of the own hand
    CardCode m_keyCard = kEmptyCard;  // and its card, followed as the hand changes
    int m_keyCellDrawn = 0;           // where the frame is drawn now, 0 none
};

}  // namespace olk
