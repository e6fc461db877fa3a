#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <QWidget>

#include "extras/cards_button.h"
#include "records/club_file.h"
#include "settings/settings.h"
#include "table/calendar_pages.h"
#include "table/menu_clocks.h"
#include "table/news_chat_panel.h"
#include "table/radio_icon.h"
#include "table/table_geometry.h"

class QLabel;
class QToolButton;

namespace olk {
class MusicButtons;
class MusicPlayer;
}  // namespace olk

namespace olk {

// A club row of the main menu in the fixed family: in score mode the name, the
// games of the current cycle (3 places) and the score; in rating mode the
// name, all games (7 places) and the rating with two decimals. Empty for an
// unused line.
QString clubRowText(const QByteArray& playerLine, int clubListMode);

// The caption colours 2..7 rearrange every pixel's red, green and blue; 1
// leaves the picture as it is.
QRgb captionColour(QRgb pixel, int colour);
QImage recolouredCaption(const QImage& picture, int colour);

// The main menu: the caption, title and subtitle pictures, the club's five
// players, and the buttons "New Player", "Top Ten", "History", "Mode",
// "Options" and "Exit", all placed by the window size like the table.
class MainMenu : public QWidget {
    Q_OBJECT

public:
    MainMenu(Settings& settings, QWidget* parent = nullptr);

    // Lays the menu out for the window size and reads the club list again.
    void refresh(const ClubFile& club);

    // The program's folder, where the picture libraries lie (or above it).
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // One tick of the 20 ms timer: the lamps blink, the pictures move, the
    // clock goes on and, in second 01 of a minute, the right clock panel asks
    // for its next figure.
    void tick();

    // Where the right clock panel gets its figures (online/menu_figures.h);
    // it asks when the menu is refreshed and once a minute.
    void setFigureSource(FigureSource source);
    // The two clock panels under the scrolls; shown only at the larger
    // window sizes (menuClocksShown).
    MenuClock* clockPanel() const { return m_clock; }
    MenuFigurePanel* figurePanel() const { return m_figurePanel; }
    int animationFrame() const { return m_frame; }
    // The two animated pictures start again from their first frame (or stand
    // on it, with animations off).
    void restartAnimations();

    TevCardsButton* row(int k) const { return m_rows[k]; }
    TevCardsButton* newPlayerButton() const { return m_newPlayer; }
    TevCardsButton* modeButton() const { return m_mode; }
    TevCardsButton* optionsButton() const { return m_options; }
    QToolButton* accountIcon() const { return m_account; }
    QToolButton* worldIcon() const { return m_world; }
    void setWorldPicture(const QPixmap& picture);
    // While an account is logged in and the club is not the network one,
    // row 5 starts the account's rated game: it is clickable even when no
    // member holds it, and then shows the account's nick. Empty: off.
    void setAccountRow(const QString& nick);

    // The account icon shows the account state (a star in its colour).
    void setAccountPicture(const QPixmap& picture);
    // The music player's three buttons at the bottom left (music_buttons.h).
    void setMusicPlayer(MusicPlayer& player);
    MusicButtons* musicButtons() const { return m_musicButtons; }
    // The news and chat indicators: whether each kind has something unread.
    void setIndicators(bool newsUnread, bool chatUnread);
    NewsChatPanel* newsChatPanel() const { return m_newsChat; }
    // The radio icon (`ImRadio`), shown only at a uniform scale of 1.6 or
    // more; the main window keeps its picture in step with the radio.
    RadioIcon* radioIcon() const { return m_radioIcon; }
    QToolButton* statisticsIcon() const { return m_statistics; }
    // The help icon: a blue "?" that opens the help page, as F1 does.
    QToolButton* helpIcon() const { return m_help; }
    QToolButton* tournamentIcon() const { return m_tournament; }
    void setTournamentPicture(const QPixmap& picture);
    // The holiday calendar's two pages and their timer TimerCal.
    CalendarPages* calendar() const { return m_calendar; }

signals:
    void playerChosen(int slot);  // 1..5
    void newPlayer();
    void topTen();
    void history();
    void options();
    void exitRequested();
    void accountRequested();
    void worldTopTenRequested();
    void statisticsRequested();
    void tournamentRequested();
    void newsRequested();
    void chatRequested();
    void helpRequested();  // the help icon, F1, the pop-up menu's "Help"
    // The pop-up menu (a right click on the menu, the Menu key or
    // Shift+F10): "Speed", "About", "Radio" ("Help" and "Chat" above).
    void speedRequested();
    void aboutRequested();
    void radioRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;

private:
    // The buttons and club rows the keyboard reaches, in its order; the
    // news and chat panel is two stops, its pictures (`part` 0 and 1).
    struct KeyStop {
        QWidget* widget;
        int part;
    };
    QList<KeyStop> keyboardOrder() const;
    void retranslate();
    void layoutMenu();
    void loadPictures();
    void applyDesign();
    void rebuildCalendar();
    void showPopupMenu(QPoint globalPos);

    Settings& m_settings;
    // Where the picture libraries are looked for (and in the folder above).
    QString m_programFolder = QCoreApplication::applicationDirPath();
    ClubFile m_club;
    TableScale m_scale;
    QImage m_background;
    QRect m_caption;
    QRect m_title;
    QRect m_subtitle;
    QRect m_scrolls[2];
    QRect m_animations[2];
    QImage m_strips[2];
    QImage m_scroll;
    QImage m_titlePicture;
    QImage m_captionPicture;  // in the caption colour and the language
    QImage m_subtitlePicture;
    QImage m_lamps[6];
    int m_ticks = 0;
    int m_frame = 0;
    QLabel* m_header;
    TevCardsButton* m_rows[6] = {};
    TevCardsButton* m_newPlayer;
    TevCardsButton* m_topTen;
    TevCardsButton* m_history;
    TevCardsButton* m_mode;
    TevCardsButton* m_options;
    TevCardsButton* m_exit;
    QToolButton* m_account;
    QToolButton* m_world;
    QToolButton* m_statistics;
    QToolButton* m_tournament;
    QToolButton* m_help;
    NewsChatPanel* m_newsChat;
    RadioIcon* m_radioIcon = new RadioIcon(m_settings, this);
    QString m_accountNick;
    MusicButtons* m_musicButtons = nullptr;
    MenuClock* m_clock;
    MenuFigurePanel* m_figurePanel;
    FigureCycle m_figureCycle;
    bool m_clocksShown = false;
    CalendarPages* m_calendar;
};

// The start-up picture: a black field with two frames, the title picture and
// the game's name in letters of ten colours that move on every ten ticks.
class StartupPicture : public QWidget {
    Q_OBJECT

public:
    explicit StartupPicture(QWidget* parent = nullptr);

    // One tick of the 20 ms timer.
    void tick();
    int colourShift() const { return m_shift; }

signals:
    void dismissed();
    // Once, after the picture's first frame is on the screen.
    void firstShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QImage m_titlePicture;
    bool m_pressed = false;
    int m_ticks = 0;
    bool m_painted = false;
    int m_shift = 0;
};

}  // namespace olk
