#include "table/record_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "records/history_file.h"
#include "settings/language.h"

namespace olk {
namespace {

TEST(RecordWindows, CountOfTheGameOnTheTable)
{
    setLanguage(English);
    TableState st;
    st.dealNumber = 80;
    st.scoreBase = 120;
    st.gameScore = -35;
    Profile profile{"Anna", 76, 120, 0.5};
    EXPECT_EQ(countTexts(st, profile),
              (QStringList{"80", "40", "120", "-35", "85", "  0,50", "  0,43"}));
    st.dealNumber = 81;
    EXPECT_EQ(countTexts(st, profile)[1], QStringLiteral("1"));
    // An account counts its own cycle and shows its rating whole; a
    // tournament has no cycle; neither knows its next rating yet.
    st.gameDeals = 3;
    Profile online{"Anna", 12, 120, 7.5};
    EXPECT_EQ(countTexts(st, online, CountKind::Account),
              (QStringList{"81", "15", "120", "-35", "85", "8", "?"}));
    EXPECT_EQ(countTexts(st, online, CountKind::Tournament),
              (QStringList{"81", "-", "120", "-35", "85", "8", "?"}));
    EXPECT_EQ(ratingWithTwoDecimals(8.2), QStringLiteral("8,20"));
    EXPECT_EQ(ratingWithTwoDecimals(-0.5), QStringLiteral("-0,50"));
    EXPECT_EQ(ratingWithTwoDecimals(0), QStringLiteral("0,00"));
}

TEST(RecordWindows, EndOfCycleByPlace)
{
    setLanguage(English);
    using Kind = CycleEnd::Kind;
    EXPECT_EQ(endOfCycleLines({1, 310, Kind::Local}),
              (QStringList{"CONGRATULATIONS!!!", "Your result - the best!", "Result: 310",
                           "You become a Master of the Order!"}));
    EXPECT_EQ(endOfCycleLines({1, 310, Kind::Network})[3],
              QStringLiteral("You become a Bachelor of the Order!"));
    EXPECT_EQ(endOfCycleLines({4, 200, Kind::Local}),
              (QStringList{"CONGRATULATIONS!!!", "Good result!", "Result: 200",
                           "You have hitted in top ten players!"}));
    EXPECT_EQ(endOfCycleLines({0, -12, Kind::Local}),
              (QStringList{"Our regrets...", "Your result keeps to wish best", "Result: -12",
                           "You have not hitted in ten best players..."}));
    // Logged in without playing for the rating: no title.
    EXPECT_EQ(endOfCycleLines({1, 310, Kind::LocalLoggedIn}).size(), 3);
    // An account game: the world place, the title and the bonus.
    EXPECT_EQ(endOfCycleLines({1, 310, Kind::Account, 25}),
              (QStringList{"CONGRATULATIONS!!!", "Your result - the best!", "Result: 310",
                           "You become the Vice-President of the order!", "You get 25 Tevs!!!"}));
    EXPECT_EQ(endOfCycleLines({12, 90, Kind::Account})[2],
              QStringLiteral("Result: 90 ; Place: 12"));
    EXPECT_EQ(endOfCycleLines({12, 90, Kind::Account}).size(), 4);
    EXPECT_STREQ(endOfCycleSound(1), "WFiBest");
    EXPECT_STREQ(endOfCycleSound(10), "WFiGood");
    EXPECT_STREQ(endOfCycleSound(0), "WFiBads");
}

}  // namespace
}  // namespace olk

namespace olk {
namespace {

// Every column holds its header and its longest value in every language, the
// scroll bar has a room of its own, and the list names each file with its
// short date.
TEST(RecordWindows, HistoryCutsNothing)
{
    QTemporaryDir folder;
    HisStr local;
    local.HName = "Anna";
    local.HKon = 40;
    local.HRes = -12345;
    local.HRei = -12.5;
    HisStr net = local;
    net.HName = "Alexander/Bartholomew/Christopher/Dominic";
    net.Ac = 3;
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(
            appendHistory(folder.path(), "Olk.clb", i % 2 ? net : local, "23:59", "10.12.2026"));
    }
    Settings settings;
    for (int language : {English, Russian, German}) {
        setLanguage(language);
        bool inspected = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            auto* table = window->findChild<QTableWidget*>();
            auto* files = window->findChild<QListWidget*>();
            ASSERT_NE(table, nullptr);
            ASSERT_EQ(table->rowCount(), 30);
            EXPECT_EQ(table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            EXPECT_EQ(table->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            int columns = 0;
            for (int c = 0; c < 7; ++c) {
                const int width = table->columnWidth(c);
                columns += width;
                const QFontMetrics header(table->horizontalHeader()->font());
                EXPECT_LT(header.horizontalAdvance(table->horizontalHeaderItem(c)->text()), width)
                    << "language " << language << " column " << c;
                for (int r = 0; r < table->rowCount(); ++r) {
                    EXPECT_LT(table->fontMetrics().horizontalAdvance(table->item(r, c)->text()),
                              width)
                        << "language " << language << " column " << c << " row " << r;
                }
            }
            EXPECT_LE(columns + table->verticalScrollBar()->sizeHint().width(),
                      table->viewport()->width() + table->verticalScrollBar()->width());
            ASSERT_EQ(files->count(), 1);
            EXPECT_TRUE(files->item(0)->text().endsWith(historyDateText(QDate::currentDate())));
            EXPECT_LE(files->fontMetrics().horizontalAdvance(files->item(0)->text()),
                      files->viewport()->width());
            inspected = true;
            window->accept();
        });
        showHistory(nullptr, settings, folder.path(), "Olk.clb");
        EXPECT_TRUE(inspected);
    }
    setLanguage(English);
}

}  // namespace
}  // namespace olk
