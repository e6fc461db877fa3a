#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QTime>
#include <QWidget>
#include <functional>

#include "online/menu_figures.h"

namespace olk {

// The two small digital panels under the main menu's scrolls (115 x 64, not
// scaled): on the left a clock with a blinking colon, on the right one figure
// from the online service that changes once a minute. Both are drawn from the
// built-in pictures "GClockBG" and the digit sets "G" + letter + "Clock0" ..
// "Clock9" / "ClockM" (assets/artgen).

inline constexpr int kClockPanelWidth = 115;
inline constexpr int kClockPanelHeight = 64;

// The menu shows the panels at window sizes 4 and 5, and in "Full screen"
// when the client area is larger than 1290 x 850; never while the window's
// scale is below 1.6.
bool menuClocksShown(int windowSize, QSize client);

// A character of a panel and the left edge it is drawn at (y = 15).
struct PlacedDigit {
    QChar digit;
    int x = 0;
    friend bool operator==(const PlacedDigit&, const PlacedDigit&) = default;
};

// The clock's digits for a time: the hour's tens at 14 (left out when 0),
// its units at 34, the minutes' tens at 61 and units at 81.
QList<PlacedDigit> clockDigits(int hour, int minute);

// The picture set letter of a figure kind 1..7: R, A, G, Y, V, L, N.
QChar figureLetter(int kind);

// When the right panel asks for its next figure: on the first tick in second
// 01 of every minute, for the kind of that minute. The flag is cleared by the
// first tick in any other second.
class FigureCycle {
public:
    // The kind to ask for at `now`, or 0.
    int tick(const QTime& now);

private:
    bool m_asked = false;
};

// Where a figure comes from: asked with a kind 1..7, it answers later, once,
// through the event loop (it may turn kind 6 into 7).
using FigureSource =
    std::function<void(int kind, std::function<void(const online::MenuFigure&)> done)>;

// The left panel: a 24-hour clock of amber digits.
class MenuClock : public QWidget {
public:
    explicit MenuClock(QWidget* parent = nullptr);

    // Shows `now`: the colon is lit in the second half of every second. The
    // panel repaints only when what it shows has changed.
    void showTime(const QTime& now);
    int shownHour() const { return m_hour; }
    int shownMinute() const { return m_minute; }
    bool colonLit() const { return m_colon; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_hour = -1;
    int m_minute = -1;
    bool m_colon = false;
    QImage m_background;
    QImage m_digits[10];
    QImage m_colonPicture;
};

// The right panel: the kind's icon, its value in the kind's digits, the
// suffix of a large count, the kind's label or the best player's flag, and
// the kind's hint as the tooltip.
class MenuFigurePanel : public QWidget {
public:
    explicit MenuFigurePanel(QWidget* parent = nullptr);

    void setSource(FigureSource source) { m_source = std::move(source); }

    // Asks the source for the figure of `kind`; the panel keeps showing what
    // it shows until the answer comes (before the first answer, the kind's
    // "00" without a hint). An answer that comes after a newer question, or
    // after the panel is gone, is dropped. Without a source the figure reads
    // as failed at once.
    void ask(int kind);
    bool asked() const { return m_questions > 0; }

    // Shows an answer, with its hint as the tooltip.
    void showFigure(const online::MenuFigure& figure);
    // Whether an answer has come; `figure` is what the panel shows.
    bool hasFigure() const { return m_hasFigure; }
    const online::MenuFigure& figure() const { return m_figure; }
    // The value's characters and where they are drawn, and each one's width
    // (0: as stored); nothing for a value of seven or more characters.
    QList<PlacedDigit> placedDigits() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void draw(const online::MenuFigure& figure);

    FigureSource m_source;
    online::MenuFigure m_figure;
    bool m_hasFigure = false;
    int m_questions = 0;
    QImage m_background;
    QImage m_icon;  // already 16 x 16
    QImage m_digits[11];  // 0..9 and the minus
    QImage m_flag;
};

}  // namespace olk
