#include "table/table_view.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "extras/hint_style.h"

namespace olk {
namespace {

class TableViewTest : public ::testing::Test {
protected:
    TableViewTest() : session(Rng(2024)), engine(session.engine()), view(session, settings)
    {
        settings.flightSpeed = 5;
        view.flyer().setSleeper([](int) {});
        view.resize(760, 500);
        view.applyWindowSize();
        view.startLocalGame({"Mr.X", 0, 0, 0.0});
    }

    const TableState& st() const { return engine.state(); }

    // The middle of the top card of the pile or the deck.
    QPoint stackPoint(int source) const
    {
        const TableGeometry& g = view.tableGeometry();
        const int count = source == 1 ? st().pileCount : st().deckLeft();
        const int left = source == 1 ? 0 : g.scale.size(72);
        return g.koloda.topLeft() +
               QPoint(left + g.cardWidth / 2, g.scale.size(stackOffset(count)) + 10);
    }

    QPoint localCardPoint(int cell) const
    {
        const TableGeometry& g = view.tableGeometry();
        const QList<int> xs =
            cardPositions(g.cards[4].width(), g.cardWidth, st().players[4].cardCount);
        return g.cards[4].topLeft() + QPoint(xs[cell - 1] + 5, 20);
    }

    Settings settings;
    GameSession session;
    GameEngine& engine;
    TableView view;
};

TEST_F(TableViewTest, HitAreasHaveInclusiveEdges)
{
    const TableGeometry& g = view.tableGeometry();
    const QPoint k = g.koloda.topLeft();
    // The pile: x from 0 to W, y from its stack offset to 48 + H.
    EXPECT_EQ(view.takeSourceAt(k + QPoint(0, 48)), 1);
    EXPECT_EQ(view.takeSourceAt(k + QPoint(71, 48 + 96)), 1);
    EXPECT_EQ(view.takeSourceAt(k + QPoint(0, 47)), 0);
    // The deck of 39 cards rises to 40.
    EXPECT_EQ(st().deckLeft(), 39);
    EXPECT_EQ(view.takeSourceAt(k + QPoint(72, 40)), 2);
    EXPECT_EQ(view.takeSourceAt(k + QPoint(72, 39)), 0);
    EXPECT_EQ(view.takeSourceAt(k + QPoint(72 + 71, 144)), 2);
    // Own cards: 19, 93, 167; each spans to one pixel before the next.
    const QPoint a = g.cards[4].topLeft();
    EXPECT_EQ(view.localCellAt(a + QPoint(18, 5)), 0);
    EXPECT_EQ(view.localCellAt(a + QPoint(19, 5)), 1);
    EXPECT_EQ(view.localCellAt(a + QPoint(92, 5)), 1);
    EXPECT_EQ(view.localCellAt(a + QPoint(93, 5)), 2);
    EXPECT_EQ(view.localCellAt(a + QPoint(167 + 70, 5)), 3);
    EXPECT_EQ(view.localCellAt(a + QPoint(167 + 71, 5)), 0);
}

TEST_F(TableViewTest, ClicksAtTheWrongMomentDoNothing)
{
    const TableState before = st();
    QTest::mouseClick(&view, Qt::LeftButton, {}, stackPoint(2));  // before "To Begin"
    EXPECT_EQ(st().deckLeft(), before.deckLeft());
    EXPECT_EQ(view.button7()->text(), QStringLiteral("To Begin"));
    EXPECT_FALSE(view.button8()->isEnabled());
}

// What each mouse button does on the pile, the deck and the own hand, on
// the player's turn to take (4) and to discard (14).
TEST_F(TableViewTest, EachButtonOnEachArea)
{
    enum Area { Pile, Deck, OwnCard };
    struct Case {
        int turnState;
        Qt::MouseButton button;
        Area area;
        bool speaks;
        int turnStateAfter;
    };
    const Case cases[] = {
        {4, Qt::RightButton, Pile, true, 4},  // the right button only names the pile card
        {4, Qt::LeftButton, Pile, false, 14},      {4, Qt::MiddleButton, Pile, false, 14},
        {4, Qt::RightButton, Deck, false, 14},  // the deck takes with any button
        {4, Qt::MiddleButton, Deck, false, 14},    {4, Qt::LeftButton, OwnCard, false, 4},
        {4, Qt::RightButton, OwnCard, true, 4},    {14, Qt::RightButton, OwnCard, true, 14},
        {14, Qt::MiddleButton, OwnCard, false, 1},  // any button but the right discards
        {14, Qt::LeftButton, OwnCard, false, 1},   {14, Qt::LeftButton, Pile, false, 14},
        {14, Qt::RightButton, Deck, false, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.turnState << " button " << c.button << " area " << c.area);
        view.startLocalGame({"Mr.X", 0, 0, 0.0});
        QTest::mouseClick(view.button7(), Qt::LeftButton);
        for (int guard = 0; st().turnState != 4 && guard < 50; ++guard) {
            view.onTick();
        }
        ASSERT_EQ(st().turnState, 4);
        if (c.turnState == 14) {
            QTest::mouseClick(&view, Qt::LeftButton, {}, stackPoint(2));
            ASSERT_EQ(st().turnState, 14);
        }
        const QPoint at = c.area == Pile   ? stackPoint(1)
                          : c.area == Deck ? stackPoint(2)
                                           : localCardPoint(1);
        const CardCode named = c.area == Pile ? st().pileTop().code : st().players[4].cells[1].code;
        QSignalSpy spoken(&view, &TableView::cardSpoken);
        QTest::mouseClick(&view, c.button, {}, at);
        EXPECT_EQ(st().turnState, c.turnStateAfter);
        ASSERT_EQ(spoken.size(), c.speaks ? 1 : 0);
        if (c.speaks) {
            EXPECT_EQ(spoken[0][0].value<CardCode>(), named);
        }
    }
}

TEST_F(TableViewTest, TheComputerWaitsWhileAWindowStandsOverTheTable)
{
    QTest::mouseClick(view.button7(), Qt::LeftButton);  // "To Begin"
    while (st().turnState == 4 || st().turnState == 14) {
        engine.playComputerAction(false);  // let the computer have the turn
    }
    const int moves = st().moveCount;
    const int turn = st().turnState;
    QDialog question(&view);
    question.setModal(true);
    question.show();
    for (int tick = 0; tick < 5; ++tick) {
        view.onTick();
    }
    EXPECT_EQ(st().moveCount, moves);
    EXPECT_EQ(st().turnState, turn);
    question.close();
    view.onTick();
    EXPECT_NE(st().turnState, turn);
}

// The deal panel hints "Game: n / 40"; its "Current game" balloon opens as the
// pointer comes over it and closes as the pointer leaves.
TEST_F(TableViewTest, DealPanelHintAndBalloon)
{
    view.startLocalGame({"Mr.X", 40, 0, 0.0});
    EXPECT_EQ(view.dealNumberHint(), QStringLiteral("Game: 41 / 40"));
    EXPECT_EQ(
        view.currentGameBalloon(),
        QStringLiteral("General number of game: 41\nNumber of round in a current cycle: 1 / 40"));
    view.show();
    const QRect kon = view.tableGeometry().kon;
    QTest::mouseMove(&view, kon.center());
    EXPECT_TRUE(view.balloon()->isVisible());
    EXPECT_TRUE(view.balloon()->text().contains(QStringLiteral("Current game")));
    QTest::mouseMove(&view, kon.bottomRight() + QPoint(40, 40));
    EXPECT_FALSE(view.balloon()->isVisible());
}

TEST_F(TableViewTest, AWholeDealWithTheMouse)
{
    for (bool flying : {false, true}) {
        settings.flyingCards = flying;
        view.startLocalGame({"Mr.X", 0, 0, 0.0});
        ASSERT_EQ(st().playPhase, 1);
        QTest::mouseClick(view.button7(), Qt::LeftButton);
        ASSERT_EQ(st().playPhase, 2);
        EXPECT_EQ(view.button7()->text(), QStringLiteral("Knock!"));
        EXPECT_TRUE(view.driver().isActive());
        int guard = 0;
        while (st().turnState != turn::kDealOver && ++guard < 500) {
            const int ts = st().turnState;
            if (ts == 4) {
                if (view.button7()->isEnabled()) {
                    QTest::mouseClick(view.button7(), Qt::LeftButton);  // knock at once
                } else {
                    QTest::mouseClick(&view, Qt::LeftButton, {}, stackPoint(2));
                    ASSERT_EQ(st().turnState, 14);
                }
            } else if (ts == 14) {
                // A click on the pile during the discard does nothing.
                QTest::mouseClick(&view, Qt::LeftButton, {}, stackPoint(1));
                ASSERT_EQ(st().turnState, 14);
                QTest::mouseClick(&view, Qt::LeftButton, {}, localCardPoint(1));
                ASSERT_NE(st().turnState, 14);
            } else {
                view.onTick();
            }
        }
        ASSERT_EQ(st().turnState, turn::kDealOver);
        EXPECT_EQ(view.button7()->text(), QStringLiteral("Next game"));
        EXPECT_TRUE(view.button8()->isEnabled());
        QTest::mouseClick(view.button7(), Qt::LeftButton);
        EXPECT_EQ(st().gameDeals, 2);
        EXPECT_EQ(st().playPhase, 1);
    }
}

TEST_F(TableViewTest, EveryWindowSizeDraws)
{
    for (const int windowSize : {1, 3, 4, 5, 2}) {
        settings.windowSize = windowSize;
        view.resize(clientSizeFor(windowSize, {1920, 1080}));
        view.applyWindowSize();
        view.startLocalGame({"Mr.X", 0, 0, 0.0});
        EXPECT_EQ(view.frame().size(), view.size());
        const TableGeometry& g = view.tableGeometry();
        // A face-up local card is drawn where its area is.
        const QRgb centre = view.frame().pixel(g.cards[4].center());
        EXPECT_NE(centre, view.frame().pixel(g.cards[4].left() - 2, g.cards[4].top() - 2))
            << windowSize;
    }
}

}  // namespace
}  // namespace olk

namespace olk {
namespace {

// A plate never hides the points: the text shrinks first, then the name
// gives way, at every table size.
TEST(Plates, ALongNameNeverHidesThePoints)
{
    const QString longName = QStringLiteral("Maximilian Alexander") + QStringLiteral(": -12345");
    for (const double scale : {1.0, 1.5, 2.0}) {
        const int width = static_cast<int>(150 * scale);
        auto fontAt = [scale](int size) {
            QFont font(QStringLiteral("Comic Sans MS"));
            font.setBold(true);
            font.setPixelSize(static_cast<int>(size * scale));
            return font;
        };
        const PlateLabel fitted = fitPlateText(longName, width, fontAt);
        EXPECT_LE(QFontMetrics(fitted.font).horizontalAdvance(fitted.text), width) << scale;
        EXPECT_TRUE(fitted.text.endsWith(QStringLiteral(": -12345"))) << scale;
        const PlateLabel shortOne = fitPlateText(QStringLiteral("Bob: 5"), width, fontAt);
        EXPECT_EQ(shortOne.text, QStringLiteral("Bob: 5"));
        EXPECT_EQ(shortOne.font.pixelSize(), static_cast<int>(18 * scale));
    }
}

}  // namespace
}  // namespace olk

namespace olk {
namespace {

TEST(Hints, ComeAfterAQuarterSecondInRed)
{
    installHintStyle();
    QWidget widget;
    EXPECT_EQ(widget.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, &widget), 250);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(200, 20, 20));
}

}  // namespace
}  // namespace olk

namespace olk {
namespace {

TEST_F(TableViewTest, ChatPanelLinesInputAndTheRevealCode)
{
    engine.setup().mode = GameMode::NetworkHost;
    view.show();
    engine.startDeal(false);
    EXPECT_TRUE(view.chatInput()->isVisible());
    for (int i = 1; i <= 5; ++i) {
        view.addChatLine(i % 4 + 1, QStringLiteral("line %1").arg(i));
    }
    EXPECT_EQ(view.chatLines(), (QStringList{"line 2", "line 3", "line 4", "line 5"}));

    QSignalSpy typed(&view, &TableView::chatTyped);
    QTest::keyClicks(view.chatInput(), "hello world, how are you");
    EXPECT_EQ(view.chatInput()->text(), QStringLiteral("hello world, ho")) << "15 characters";
    QTest::keyClick(view.chatInput(), Qt::Key_Return);
    ASSERT_EQ(typed.size(), 1);
    EXPECT_EQ(typed[0][0].toString(), QStringLiteral("hello world, ho"));
    EXPECT_TRUE(view.chatInput()->text().isEmpty());
    QTest::keyClick(view.chatInput(), Qt::Key_Return);
    EXPECT_EQ(typed.size(), 1) << "nothing to send";

    view.chatSend()->setFocus();
    EXPECT_FALSE(engine.showAllHands());
    QTest::keyClicks(view.chatSend(), "71849");
    EXPECT_TRUE(engine.showAllHands());
    QTest::keyClicks(view.chatSend(), "71849");
    EXPECT_FALSE(engine.showAllHands());

    view.setChatEnabled(false);
    QTest::keyClicks(view.chatInput(), "x");
    QTest::mouseClick(view.chatSend(), Qt::LeftButton);
    EXPECT_EQ(typed.size(), 1);
}

TEST(ChatLines, ALongLineLosesAtMostTwelveCharacters)
{
    QFont font;
    font.setPixelSize(14);
    const QFontMetrics metrics(font);
    const int width = 85;
    EXPECT_EQ(shortenedChatLine("Hi", metrics, width), QStringLiteral("Hi"));
    const QString fifteen = QStringLiteral("WWWWWWWWWWWWWWW");
    const QString shown = shortenedChatLine(fifteen, metrics, width);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("...")));
    EXPECT_GE(shown.size(), 3 + 3) << "at most twelve taken off";
    EXPECT_LE(metrics.horizontalAdvance(shown.chopped(3)), width);
}

}  // namespace
}  // namespace olk
