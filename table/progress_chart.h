#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

#include "settings/settings.h"

namespace olk {

// One game of a player as the chart draws it. A value the history line does
// not hold (a blank or damaged field) stays empty and is left out.
struct ChartPoint {
    int game = 0;  // 1, 2, ... in the order of the player's games
    QString date;
    QString time;
    char kind = 'L';  // L, N, A, T as the history writes it
    std::optional<int> score;
    std::optional<double> rating;
};

struct ProgressSeries {
    QString player;
    QList<ChartPoint> points;
};

// The player of a history entry line: the players field up to the first
// "/" (own name first in network and tournament games), without blanks.
QString historyLinePlayer(const QByteArray& line);

// The games of `player` among the entry lines, oldest first (the lines in
// the order of the files and of their lines).
ProgressSeries progressSeries(const QList<QByteArray>& entryLines, const QString& player);

// Tidy tick values (1, 2 or 5 times a power of ten apart) covering
// [low, high] and zero, at most about `wanted` of them, lowest first.
QList<double> tidyTicks(double low, double high, int wanted);

// The chart of a player's results: a bar for each game's score on the left
// axis and the rating after it as a line on the right axis. Long histories
// thin the bars; beyond kMaxShown games only the latest are drawn, with a
// note. Hovering a game shows its number, date, score and rating.
class ProgressChart : public QWidget {
public:
    static constexpr int kMaxShown = 400;

    ProgressChart(const Settings& settings, QWidget* parent = nullptr);

    void setSeries(ProgressSeries series);
    const ProgressSeries& series() const { return m_series; }

    // The index into series().points of the game under `position`, or -1.
    int pointAt(QPoint position) const;
    QString toolTipFor(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Frame {
        QRect plot;
        int first = 0;  // the first shown point
        int count = 0;
    };
    Frame frame() const;

    const Settings& m_settings;
    ProgressSeries m_series;
};

}  // namespace olk
