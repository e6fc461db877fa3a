#include "table/progress_chart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "records/history_file.h"
#include "settings/language.h"
#include "settings/word_tables.h"
#include "table/record_windows.h"

namespace olk {
namespace {

HisStr entry(const char* players, int result, double rating, int kind)
{
    HisStr e;
    e.HName = players;
    e.HKon = 4;
    e.HRes = result;
    e.HRei = rating;
    e.Ac = kind;
    return e;
}

// A written line with its result or rating field blanked, as a damaged or
// foreign line might hold it.
QByteArray blanked(QByteArray line, int start, int length)
{
    line.replace(start, length, QByteArray(length, ' '));
    return line;
}

TEST(ProgressChart, SeriesOfOnePlayerInOrder)
{
    const QList<QByteArray> lines{
        historyEntryLine(entry("Anna", 35, 8.2, 0), "10:00", "01.12.2026"),
        historyEntryLine(entry("Boris", 99, 1.0, 0), "10:05", "01.12.2026"),
        historyEntryLine(entry("Anna/Boris/Carl/Dora", -12, 7.5, 3), "11:00", "02.12.2026"),
        // Another's network game with Anna at another seat is not hers.
        historyEntryLine(entry("Boris/Anna/Carl/Dora", 50, 2.0, 3), "11:30", "02.12.2026"),
        blanked(historyEntryLine(entry("Anna", 20, 9.0, 1), "12:00", "03.12.2026"), 79, 10),
        blanked(historyEntryLine(entry("Anna", 0, -0.5, 2), "13:00", "04.12.2026"), 69, 10),
        QByteArray("garbage"),
    };
    const ProgressSeries series = progressSeries(lines, QStringLiteral(" Anna "));
    EXPECT_EQ(series.player, QStringLiteral("Anna"));
    ASSERT_EQ(series.points.size(), 4);
    struct Want {
        int game;
        const char* date;
        char kind;
        std::optional<int> score;
        std::optional<double> rating;
    };
    const Want want[] = {{1, "01.12.2026", 'L', 35, 8.2},
                         {2, "02.12.2026", 'N', -12, 7.5},
                         {3, "03.12.2026", 'A', 20, std::nullopt},
                         {4, "04.12.2026", 'T', std::nullopt, -0.5}};
    for (int i = 0; i < 4; ++i) {
        const ChartPoint& p = series.points[i];
        EXPECT_EQ(p.game, want[i].game) << i;
        EXPECT_EQ(p.date, QString::fromLatin1(want[i].date)) << i;
        EXPECT_EQ(p.kind, want[i].kind) << i;
        EXPECT_EQ(p.score, want[i].score) << i;
        ASSERT_EQ(p.rating.has_value(), want[i].rating.has_value()) << i;
        if (p.rating) {
            EXPECT_DOUBLE_EQ(*p.rating, *want[i].rating) << i;
        }
    }
}

TEST(ProgressChart, EmptyCases)
{
    const QList<QByteArray> lines{
        historyEntryLine(entry("Anna", 35, 8.2, 0), "10:00", "01.12.2026")};
    EXPECT_TRUE(progressSeries({}, QStringLiteral("Anna")).points.isEmpty());
    EXPECT_TRUE(progressSeries(lines, QStringLiteral("Nobody")).points.isEmpty());
    EXPECT_TRUE(progressSeries(lines, QString()).points.isEmpty());
    // An empty chart draws its note and offers no game under the mouse.
    Settings settings;
    ProgressChart chart(settings);
    chart.resize(400, 300);
    EXPECT_EQ(chart.pointAt(QPoint(200, 150)), -1);
    EXPECT_FALSE(chart.grab().isNull());
}

TEST(ProgressChart, TidyTicks)
{
    struct Case {
        double low, high;
        int wanted;
        QList<double> ticks;
    };
    const Case cases[] = {
        {0, 10, 6, {0, 2, 4, 6, 8, 10}},
        {-35, 120, 6, {-50, 0, 50, 100, 150}},
        {8.2, 8.5, 5, {8.2, 8.3, 8.4, 8.5}},
        {5, 5, 5, {4, 4.5, 5, 5.5, 6}},
        {0, 0, 3, {-1, 0, 1}},
        {-12345, 0, 4, {-15000, -10000, -5000, 0}},
        {1, 400, 3, {0, 200, 400}},
    };
    for (const Case& c : cases) {
        const QList<double> ticks = tidyTicks(c.low, c.high, c.wanted);
        ASSERT_EQ(ticks.size(), c.ticks.size()) << c.low << ".." << c.high;
        for (qsizetype i = 0; i < ticks.size(); ++i) {
            EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9) << c.low << ".." << c.high << " #" << i;
        }
    }
    EXPECT_TRUE(tidyTicks(0, std::nan(""), 5).isEmpty());
}

TEST(ProgressChart, LongHistoriesShowTheLatestGames)
{
    QList<QByteArray> lines;
    for (int i = 0; i < ProgressChart::kMaxShown + 50; ++i) {
        lines.append(historyEntryLine(entry("Anna", i % 7 - 3, i * 0.01, 0), "10:00",
                                      "01.12.2026"));
    }
    Settings settings;
    ProgressChart chart(settings);
    chart.setSeries(progressSeries(lines, QStringLiteral("Anna")));
    chart.resize(480, 300);
    EXPECT_FALSE(chart.grab().isNull());
    // The rightmost game is the last; the leftmost the first of the last shown.
    const int right = chart.pointAt(QPoint(chart.width() * 3 / 4 + 60, chart.height() / 2));
    const int left = chart.pointAt(QPoint(chart.width() / 4 - 60, chart.height() / 2));
    ASSERT_GE(left, 0);
    EXPECT_GE(left, 50);
    EXPECT_GT(right, left);
    setLanguage(English);
    EXPECT_EQ(chart.toolTipFor(0),
              QStringLiteral("Game: 1\nDate: 01.12.2026 10:00\nScore: -3\nRating: 0,00"));
}

// The history window offers the chart of the player of the chosen row; with
// OLK_CHART_LOOK naming a folder, the chart is saved there at a small and a
// large size in English and Russian.
TEST(ProgressChart, ShownFromTheHistoryWindow)
{
    QTemporaryDir folder;
    const HisStr games[] = {entry("Anna", 35, 8.2, 0),
                            entry("Boris", 120, 3.0, 0),
                            entry("Anna/Boris/Carl/Dora", -40, 7.9, 3),
                            entry("Anna", 12, 8.4, 0),
                            entry("Anna", -8, 8.1, 1),
                            entry("Anna", 64, 8.9, 0),
                            entry("Anna", -22, 8.6, 2),
                            entry("Anna", 5, 8.7, 0)};
    for (const HisStr& game : games) {
        ASSERT_TRUE(appendHistory(folder.path(), "Olk.clb", game, "21:03", "10.12.2026"));
    }
    const QString look = qEnvironmentVariable("OLK_CHART_LOOK");
    Settings settings;
    for (int language : {English, Russian}) {
        setLanguage(language);
        bool inspected = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            auto* button = window->findChild<QPushButton*>(QStringLiteral("ChartButton"));
            auto* table = window->findChild<QTableWidget*>();
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), text(Text::ChartButton));
            EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0);
            // Boris's row: his one game.
            table->setCurrentCell(1, 0);
            ASSERT_TRUE(button->isEnabled());
            QTimer::singleShot(0, [&] {
                auto* chartWindow = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(chartWindow, nullptr);
                auto* chart = chartWindow->findChild<ProgressChart*>();
                ASSERT_NE(chart, nullptr);
                EXPECT_EQ(chart->series().player, QStringLiteral("Boris"));
                EXPECT_EQ(chart->series().points.size(), 1);
                chartWindow->accept();
            });
            button->click();
            // The last row is Anna's: seven games over the file.
            table->setCurrentCell(table->rowCount() - 1, 0);
            QTimer::singleShot(0, [&] {
                auto* chartWindow = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(chartWindow, nullptr);
                auto* chart = chartWindow->findChild<ProgressChart*>();
                ASSERT_NE(chart, nullptr);
                EXPECT_EQ(chart->series().player, QStringLiteral("Anna"));
                EXPECT_EQ(chart->series().points.size(), 7);
                EXPECT_TRUE(chart->isVisible());
                if (!look.isEmpty()) {
                    const char* names[] = {"en", "ru"};
                    for (const QSize size : {QSize(480, 320), QSize(1280, 800)}) {
                        chartWindow->resize(size);
                        QApplication::processEvents();
                        chartWindow->grab().save(
                            QDir(look).filePath(QStringLiteral("chart_%1_%2.png")
                                                    .arg(QLatin1String(names[language == English ? 0 : 1]))
                                                    .arg(size.width())));
                    }
                }
                chartWindow->accept();
            });
            button->click();
            inspected = true;
            window->accept();
        });
        showHistory(nullptr, settings, folder.path(), "Olk.clb");
        EXPECT_TRUE(inspected);
    }
    setLanguage(English);
}

TEST(ProgressChart, NoGamesNoButton)
{
    QTemporaryDir folder;
    Settings settings;
    setLanguage(English);
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        auto* button = window->findChild<QPushButton*>(QStringLiteral("ChartButton"));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isEnabled());
        inspected = true;
        window->accept();
    });
    showHistory(nullptr, settings, folder.path(), "Olk.clb");
    EXPECT_TRUE(inspected);
}

}  // namespace
}  // namespace olk
