// The table and the main menu played with the keyboard alone, and what a
// screen reader finds on the table.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "records/club_file.h"
#include "settings/language.h"
#include "settings/word_tables.h"
#include "table/main_menu.h"
#include "table/news_chat_panel.h"
#include "table/radio_icon.h"
#include "table/table_access.h"
#include "table/table_view.h"

namespace olk {
namespace {

// "В" and "З" of the Russian layout, where D and P lie on the Latin one.
constexpr Qt::Key kCyrillicVe = static_cast<Qt::Key>(0x0412);
constexpr Qt::Key kCyrillicZe = static_cast<Qt::Key>(0x0417);

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() : session(Rng(31)), engine(session.engine()), view(session, settings)
    {
        setLanguage(English);
        settings.flightSpeed = 5;
        settings.flyingCards = false;
        view.flyer().setSleeper([](int) {});
        view.resize(760, 500);
        view.applyWindowSize();
        view.startLocalGame({"Mr.X", 0, 0, 0.0});
    }

    const TableState& st() const { return engine.state(); }

    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        if (key >= 0x0400 && key <= 0x04FF) {
            // A Cyrillic letter, which QTest cannot type: the event itself.
            QKeyEvent event(QEvent::KeyPress, key, mods, QString(QChar(key)).toLower());
            QApplication::sendEvent(&view, &event);
            return;
        }
        QTest::keyClick(&view, key, mods);
    }

    // The computer plays until the local player has something to do.
    void hurryComputer()
    {
        for (int guard = 0; guard < 60; ++guard) {
            const int ts = st().turnState;
            if (ts == 4 || ts == 14 || ts == turn::kDealOver) {
                return;
            }
            view.onTick();
        }
    }

    // Answers the next question box with Yes or No.
    static void answerNextQuestion(bool yes, bool* asked)
    {
        QTimer::singleShot(0, [yes, asked] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            *asked = true;
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == text(yes ? Text::Yes : Text::No)) {
                    button->click();
                }
            }
        });
    }

    // The frame's pixels over one of the own cards.
    QImage cardPixels(int cell) const { return view.frame().copy(view.localCardRect(cell)); }

    Settings settings;
    GameSession session;
    GameEngine& engine;
    TableView view;
};

TEST_F(KeyboardTest, AWholeDealWithKeysOnly)
{
    press(Qt::Key_Return);  // "To Begin"
    ASSERT_EQ(st().playPhase, 2);
    int takes = 0;
    int discards = 0;
    bool knocked = false;
    for (int guard = 0; st().turnState != turn::kDealOver && guard < 400; ++guard) {
        hurryComputer();
        const int ts = st().turnState;
        if (ts == 4) {
            EXPECT_EQ(view.keyboardCell(), 0);  // the frame shows only while discarding
            if (view.button7()->isEnabled() && discards >= 2) {
                press(Qt::Key_K);
                ASSERT_NE(st().turnState, 4);
                knocked = true;
                continue;
            }
            const int deck = st().deckLeft();
            const int pile = st().pileCount;
            // Every key of each stack, in turn (В and З on the Russian layout).
            const Qt::Key keys[] = {kCyrillicVe, kCyrillicZe, Qt::Key_D,
                                    Qt::Key_P,   Qt::Key_Down, Qt::Key_Up};
            const Qt::Key key = keys[takes % 6];
            press(key);
            ++takes;
            ASSERT_EQ(st().turnState, 14);
            if (key == Qt::Key_D || key == Qt::Key_Down || key == kCyrillicVe) {
                EXPECT_EQ(st().deckLeft(), deck - 1);
            } else {
                EXPECT_EQ(st().pileCount, pile - 1);
            }
        } else if (ts == 14) {
            // Taken by key, the frame is on a card at once; Left goes round.
            const int first = view.keyboardCell();
            ASSERT_NE(first, 0);
            const QImage before = cardPixels(first);
            press(Qt::Key_Left);
            const int cell = view.keyboardCell();
            EXPECT_EQ(cell, first == 1 ? 4 : first - 1);
            EXPECT_NE(cardPixels(first), before);  // the frame left that card
            const CardCode chosen = st().players[4].cells[cell].code;
            press(discards % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
            ++discards;
            EXPECT_EQ(st().pileTop().code, chosen);
            EXPECT_EQ(view.keyboardCell(), 0);
        }
    }
    ASSERT_EQ(st().turnState, turn::kDealOver);
    EXPECT_GE(takes, 1);
    EXPECT_GE(discards, 1);
    (void)knocked;  // a deal may end by the deck before the knock is offered
    ASSERT_EQ(view.button7()->text(), QStringLiteral("Next game"));
    ASSERT_TRUE(view.button7()->isEnabled());
    press(Qt::Key_N);
    EXPECT_EQ(st().playPhase, 1);  // dealt, waiting for "To Begin"
    EXPECT_NE(st().turnState, turn::kDealOver);
    EXPECT_EQ(view.button7()->text(), QStringLiteral("To Begin"));
}

TEST_F(KeyboardTest, TheKnockKeyKnocksOnlyWhenTheButtonWould)
{
    press(Qt::Key_Space);  // "To Begin"
    for (int guard = 0; guard < 200; ++guard) {
        hurryComputer();
        if (st().turnState == 4 && view.button7()->isEnabled()) {
            break;
        }
        if (st().turnState == 4) {
            press(Qt::Key_K);  // not yet enabled: nothing
            ASSERT_EQ(st().turnState, 4);
            ASSERT_EQ(st().knocker, 0);
            press(Qt::Key_D);
        }
        if (st().turnState == 14) {
            press(Qt::Key_Return);
        }
    }
    ASSERT_TRUE(view.button7()->isEnabled());
    press(Qt::Key_K);
    EXPECT_EQ(st().knocker, 4);
    EXPECT_EQ(st().turnState, 1);
}

// Every key at every moment where the same click would do nothing.
TEST_F(KeyboardTest, KeysAtTheWrongMomentDoNothing)
{
    enum Moment { BeforeBegin, TakeTurn, DiscardTurn, ComputerTurn, DealOver };
    struct Case {
        Moment moment;
        std::vector<Qt::Key> keys;
    };
    const Case cases[] = {
        {BeforeBegin,
         {Qt::Key_P, Qt::Key_D, Qt::Key_Up, Qt::Key_Down, Qt::Key_K, Qt::Key_Left, Qt::Key_Right,
          Qt::Key_V, Qt::Key_X}},
        {TakeTurn,
         {Qt::Key_K, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Space, Qt::Key_N}},
        {DiscardTurn, {Qt::Key_P, Qt::Key_D, Qt::Key_Up, Qt::Key_Down, Qt::Key_K, Qt::Key_N}},
        {ComputerTurn,
         {Qt::Key_P, Qt::Key_D, Qt::Key_K, Qt::Key_Left, Qt::Key_Return, Qt::Key_Space,
          Qt::Key_N}},
        {DealOver,
         {Qt::Key_P, Qt::Key_D, Qt::Key_Up, Qt::Key_Down, Qt::Key_K, Qt::Key_Left,
          Qt::Key_Right}},
    };
    auto reach = [this](Moment moment) {
        view.startLocalGame({"Mr.X", 0, 0, 0.0});
        if (moment == BeforeBegin) {
            return;
        }
        QTest::mouseClick(view.button7(), Qt::LeftButton);
        for (int guard = 0; guard < 400; ++guard) {
            const int ts = st().turnState;
            const bool computer = ts >= 1 && ts <= 3;
            if ((moment == TakeTurn && ts == 4 && !view.button7()->isEnabled()) ||
                (moment == DiscardTurn && ts == 14) || (moment == ComputerTurn && computer) ||
                (moment == DealOver && ts == turn::kDealOver)) {
                return;
            }
            if (ts == 4) {
                engine.takeCard(4, 2, false);
            } else if (ts == 14) {
                engine.discardCard(4, 1, false);
            } else {
                view.onTick();
            }
        }
        FAIL() << "moment " << moment << " not reached";
    };
    for (const Case& c : cases) {
        for (const Qt::Key key : c.keys) {
            SCOPED_TRACE(testing::Message() << "moment " << c.moment << " key " << key);
            reach(c.moment);
            const TableState before = st();
            const QString caption = view.button7()->text();
            QSignalSpy finished(&session, &GameSession::gameFinished);
            QSignalSpy abandoned(&session, &GameSession::gameAbandoned);
            press(key);
            EXPECT_EQ(st().turnState, before.turnState);
            EXPECT_EQ(st().playPhase, before.playPhase);
            EXPECT_EQ(st().moveCount, before.moveCount);
            EXPECT_EQ(st().pileCount, before.pileCount);
            EXPECT_EQ(st().deckLeft(), before.deckLeft());
            EXPECT_EQ(st().knocker, before.knocker);
            EXPECT_EQ(st().gameDeals, before.gameDeals);
            EXPECT_EQ(view.button7()->text(), caption);
            EXPECT_TRUE(finished.isEmpty());
            EXPECT_TRUE(abandoned.isEmpty());
        }
    }
}

TEST_F(KeyboardTest, TheFocusFollowsItsCardAndAMousePlayerNeverSeesIt)
{
    QTest::mouseClick(view.button7(), Qt::LeftButton);
    hurryComputer();
    ASSERT_EQ(st().turnState, 4);
    // Taken with the mouse: no frame, and the hand looks as it always did.
    const TableGeometry& g = view.tableGeometry();
    const QPoint deck = view.deckTopRect().center();
    QTest::mouseClick(&view, Qt::LeftButton, {}, deck);
    ASSERT_EQ(st().turnState, 14);
    EXPECT_EQ(view.keyboardCell(), 0);
    const QImage plain = view.frame().copy(g.cards[4]);
    // The first arrow only shows the frame, on the first card.
    press(Qt::Key_Right);
    EXPECT_EQ(view.keyboardCell(), 1);
    EXPECT_NE(view.frame().copy(g.cards[4]), plain);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    ASSERT_EQ(view.keyboardCell(), 3);
    const CardCode followed = st().players[4].cells[3].code;
    // The mouse discards another card; at the next discard the frame is
    // back on the card it was on, wherever the sorting put it.
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.localCardRect(4).center());
    ASSERT_NE(st().turnState, 14);
    hurryComputer();
    ASSERT_EQ(st().turnState, 4);
    press(Qt::Key_D);
    ASSERT_EQ(st().turnState, 14);
    const int cell = view.keyboardCell();
    ASSERT_NE(cell, 0);
    EXPECT_EQ(st().players[4].cells[cell].code, followed);
    // V says the focused card; Shift+Enter too, and neither discards.
    QSignalSpy spoken(&view, &TableView::cardSpoken);
    press(Qt::Key_V);
    press(Qt::Key_Return, Qt::ShiftModifier);
    ASSERT_EQ(spoken.size(), 2);
    EXPECT_EQ(spoken[0][0].value<CardCode>(), followed);
    EXPECT_EQ(spoken[1][0].value<CardCode>(), followed);
    EXPECT_EQ(st().turnState, 14);
    // A new deal starts without the frame.
    view.startLocalGame({"Mr.X", 0, 0, 0.0});
    QTest::mouseClick(view.button7(), Qt::LeftButton);
    hurryComputer();
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.deckTopRect().center());
    ASSERT_EQ(st().turnState, 14);
    EXPECT_EQ(view.keyboardCell(), 0);
}

TEST_F(KeyboardTest, EscapeAsksAndOnlyYesLeaves)
{
    QSignalSpy abandoned(&session, &GameSession::gameAbandoned);
    QSignalSpy finished(&session, &GameSession::gameFinished);
    bool asked = false;
    answerNextQuestion(false, &asked);
    press(Qt::Key_Escape);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(abandoned.isEmpty());
    asked = false;
    answerNextQuestion(true, &asked);
    press(Qt::Key_Escape);
    EXPECT_TRUE(asked);
    EXPECT_EQ(abandoned.size(), 1);
    EXPECT_TRUE(finished.isEmpty());
}

TEST_F(KeyboardTest, EscapeAfterAFinishedDealEndsTheGameAsItsButtonDoes)
{
    QTest::mouseClick(view.button7(), Qt::LeftButton);
    for (int guard = 0; st().turnState != turn::kDealOver && guard < 400; ++guard) {
        if (st().turnState == 4) {
            engine.takeCard(4, 2, false);
        } else if (st().turnState == 14) {
            engine.discardCard(4, 1, false);
        } else {
            view.onTick();
        }
    }
    ASSERT_TRUE(view.button8()->isEnabled());
    QSignalSpy abandoned(&session, &GameSession::gameAbandoned);
    QSignalSpy finished(&session, &GameSession::gameFinished);
    bool asked = false;
    answerNextQuestion(true, &asked);
    press(Qt::Key_Escape);
    EXPECT_TRUE(asked);
    EXPECT_EQ(finished.size(), 1);  // the deals played are kept
    EXPECT_TRUE(abandoned.isEmpty());
}

TEST_F(KeyboardTest, TheMenuKeysOpenTheTableMenu)
{
    for (const auto& [key, mods] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
                                    std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        SCOPED_TRACE(key);
        QStringList items;
        QTimer::singleShot(0, [&items] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (QAction* action : menu->actions()) {
                items.append(action->text());
            }
            menu->close();
        });
        press(key, mods);
        for (const Text item : {Text::GeneralScore, Text::ExitToMenu, Text::ToChangeAName,
                                Text::Speed, Text::Help, Text::About, Text::Radio, Text::Chat}) {
            EXPECT_TRUE(items.contains(text(item))) << sourceText(item);
        }
    }
}

TEST_F(KeyboardTest, F1AsksForTheHelpPage)
{
    QSignalSpy help(&view, &TableView::helpRequested);
    press(Qt::Key_F1);
    EXPECT_EQ(help.size(), 1);
}

TEST_F(KeyboardTest, TheButtonsHintTheirKeys)
{
    EXPECT_EQ(view.button7()->toolTip(), QStringLiteral("Key: Enter, Space or N"));
    EXPECT_EQ(view.button8()->toolTip(), QStringLiteral("Key: Esc"));
    press(Qt::Key_N);  // "To Begin"
    EXPECT_EQ(view.button7()->toolTip(), QStringLiteral("Key: K"));
    EXPECT_EQ(view.button7()->accessibleDescription(), view.button7()->toolTip());
}

TEST(CardNames, InEnglish)
{
    setLanguage(English);
    const std::pair<CardCode, const char*> cases[] = {
        {{rank::kQueen, suit::kHearts}, "Queen of hearts"},
        {{rank::kTen, suit::kDiamonds}, "Ten of diamonds"},
        {{'2', suit::kClubs}, "Two of clubs"},
        {{rank::kAce, suit::kSpades}, "Ace of spades"},
        {{rank::kJack, suit::kClubs}, "Jack of clubs"},
        {kEmptyCard, ""},
        {kFaceDownCard, ""},
        {{'X', suit::kHearts}, ""},
    };
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(cardName(code), QString::fromUtf8(name));
    }
}

TEST_F(KeyboardTest, AScreenReaderFindsTheCardsAndPlates)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Card table"));
    // Three own cards, the pile's card, the deck, four plates; then the
    // child widgets (the action buttons and the chat's).
    QStringList names;
    for (int i = 0; i < 9; ++i) {
        QAccessibleInterface* child = table->child(i);
        ASSERT_NE(child, nullptr) << i;
        EXPECT_EQ(table->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), table);
        names.append(child->text(QAccessible::Name));
    }
    const PlayerRecord& hand = st().players[4];
    QStringList expected;
    for (int cell = 1; cell <= 3; ++cell) {
        expected.append(QStringLiteral("Your card %1 of 3: %2")
                            .arg(cell)
                            .arg(cardName(hand.cells[cell].code)));
    }
    expected.append(QStringLiteral("Pile: ") + cardName(st().pileTop().code));
    expected.append(QStringLiteral("Deck, cards left: 39"));
    for (int seat = 1; seat <= 4; ++seat) {
        expected.append(view.plateCaption(seat));
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names[8], QStringLiteral("Mr.X: 0"));
    int widgets = 0;  // the balloon is a window of its own, not a child
    for (const QWidget* each : view.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        widgets += each->isWindow() ? 0 : 1;
    }
    EXPECT_EQ(table->childCount(), 9 + widgets);
    // The buttons come after the made-up children.
    bool button7Found = false;
    for (int i = 9; i < table->childCount(); ++i) {
        button7Found |= table->child(i)->object() == view.button7();
    }
    EXPECT_TRUE(button7Found);
    // Each made-up child lies where it is drawn.
    const QRect card = table->child(0)->rect();
    EXPECT_EQ(card, QRect(view.mapToGlobal(view.localCardRect(1).topLeft()),
                          view.localCardRect(1).size()));
    // While discarding, the focused card is the selected child and the own
    // cards tell their keys.
    press(Qt::Key_Return);
    hurryComputer();
    press(Qt::Key_D);
    ASSERT_EQ(st().turnState, 14);
    EXPECT_EQ(table->childCount(), 10 + widgets);
    press(Qt::Key_Right);
    const int cell = view.keyboardCell();
    EXPECT_TRUE(table->child(cell - 1)->state().selected);
    EXPECT_FALSE(table->child(cell % 4)->state().selected);
    EXPECT_EQ(table->child(0)->text(QAccessible::Description),
              QStringLiteral("Left and Right arrows choose a card; Enter or Space discards it"));
}

// The main menu with the keyboard: Tab and the arrows go round its buttons and
// the used club rows, Enter and Space press them.
TEST(MainMenuKeys, TheWholeMenuByKeys)
{
    setLanguage(English);
    Settings settings;
    MainMenu menu(settings);
    menu.resize(760, 500);
    ClubFile club = defaultClubFile();
    club.setLine(1, makePlayerLine("Anna", 8.2, 83, -45, "abc"));
    club.setLine(2, makePlayerLine("Boris", 7.1, 12, 30, "abc"));
    menu.refresh(club);
    menu.show();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    menu.setFocus();
    auto focused = [&menu] { return menu.focusWidget(); };
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = focused() != nullptr ? focused() : &menu;
        QTest::keyClick(target, key, mods);
    };
    int chosen = 0;
    QObject::connect(&menu, &MainMenu::playerChosen, [&chosen](int slot) { chosen = slot; });
    QSignalSpy newPlayer(&menu, &MainMenu::newPlayer);
    QSignalSpy exit(&menu, &MainMenu::exitRequested);
    QSignalSpy topTen(&menu, &MainMenu::topTen);

    // Nothing shows a focus until a key is used.
    for (QWidget* each : menu.findChildren<TevCardsButton*>()) {
        EXPECT_FALSE(each->hasFocus());
    }
    const QImage quiet = menu.row(1)->grab().toImage();
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), menu.row(1));
    EXPECT_NE(menu.row(1)->grab().toImage(), quiet);  // the focus is drawn
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), menu.row(2));
    press(Qt::Key_Down);  // the unused rows are passed over
    EXPECT_EQ(focused(), menu.newPlayerButton());
    press(Qt::Key_Return);
    EXPECT_EQ(newPlayer.size(), 1);
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    EXPECT_EQ(chosen, 2);
    press(Qt::Key_Up);
    press(Qt::Key_Space);
    EXPECT_EQ(chosen, 1);
    // Backwards from the first row round, past the chat and the news, to the
    // online icons (Enter presses them too): help closes their row, the
    // tournament before it; then "Exit".
    QSignalSpy tournament(&menu, &MainMenu::tournamentRequested);
    QSignalSpy help(&menu, &MainMenu::helpRequested);
    for (int step = 0; step < 3; ++step) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    }
    QWidget* icon = focused();
    ASSERT_EQ(icon, static_cast<QWidget*>(menu.helpIcon()));
    const QImage focusedIcon = icon->grab().toImage();
    press(Qt::Key_Return);
    EXPECT_EQ(help.size(), 1);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Return);
    EXPECT_EQ(tournament.size(), 1);
    for (int step = 0; step < 4; ++step) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    }
    EXPECT_NE(icon->grab().toImage(), focusedIcon) << "the icon's focus frame is drawn";
    press(Qt::Key_Enter);
    EXPECT_EQ(exit.size(), 1);
    // "Mode" switches the list; "Top Ten" opens its window.
    press(Qt::Key_Left);
    ASSERT_EQ(focused(), menu.modeButton());
    press(Qt::Key_Return);
    EXPECT_EQ(settings.clubListMode, 2);
    for (int step = 0; step < 3; ++step) {
        press(Qt::Key_Left);
    }
    press(Qt::Key_Return);
    EXPECT_EQ(topTen.size(), 1);
    // F1 asks for the help page from anywhere in the menu.
    press(Qt::Key_F1);
    EXPECT_EQ(help.size(), 2);
    EXPECT_EQ(menu.helpIcon()->toolTip(), QStringLiteral("Help\nKey: F1"));
    // A screen reader hears a row without its padding.
    EXPECT_TRUE(menu.row(1)->accessibleName().startsWith(QStringLiteral("Anna ")));
    EXPECT_FALSE(menu.row(1)->accessibleName().contains(QStringLiteral("  ")));
}

// At the larger sizes the round goes on from the help icon to the news, the
// chat and the radio; each takes Enter or Space and shows where the focus is.
TEST(MainMenuKeys, NewsChatAndRadioAreInTheRound)
{
    setLanguage(English);
    Settings settings;
    settings.windowSize = 4;  // 1290 x 850
    MainMenu menu(settings);
    menu.resize(1290, 850);
    menu.refresh(defaultClubFile());
    menu.show();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    ASSERT_TRUE(menu.radioIcon()->isVisible());
    menu.setFocus();
    QSignalSpy news(&menu, &MainMenu::newsRequested);
    QSignalSpy chat(&menu, &MainMenu::chatRequested);
    QSignalSpy radio(menu.radioIcon(), &RadioIcon::toggleRequested);
    auto press = [&menu](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(menu.focusWidget() != nullptr ? menu.focusWidget() : &menu, key, mods);
    };
    NewsChatPanel* panel = menu.newsChatPanel();
    const QImage quiet = panel->grab().toImage();
    press(Qt::Key_Backtab, Qt::ShiftModifier);  // round backwards from the start
    EXPECT_EQ(menu.focusWidget(), static_cast<QWidget*>(menu.radioIcon()));
    press(Qt::Key_Return);
    EXPECT_EQ(radio.size(), 1);
    press(Qt::Key_Up);
    ASSERT_EQ(menu.focusWidget(), static_cast<QWidget*>(panel));
    EXPECT_EQ(panel->focusPart(), NewsChatPanel::Part::Chat);
    EXPECT_EQ(panel->accessibleName(), QStringLiteral("Tev Chat!"));
    const QImage onChat = panel->grab().toImage();
    EXPECT_NE(onChat, quiet);
    press(Qt::Key_Space);
    EXPECT_EQ(chat.size(), 1);
    press(Qt::Key_Left);
    EXPECT_EQ(panel->focusPart(), NewsChatPanel::Part::News);
    EXPECT_NE(panel->grab().toImage(), onChat) << "the frame moves to the news";
    press(Qt::Key_Enter);
    EXPECT_EQ(news.size(), 1);
    EXPECT_TRUE(chat.size() == 1 && radio.size() == 1);
    press(Qt::Key_Up);
    EXPECT_EQ(menu.focusWidget(), static_cast<QWidget*>(menu.helpIcon()));
    // Forwards again: news, chat, radio, then round to the top.
    for (const auto& [widget, part] :
         {std::pair{static_cast<QWidget*>(panel), NewsChatPanel::Part::News},
          std::pair{static_cast<QWidget*>(panel), NewsChatPanel::Part::Chat}}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(menu.focusWidget(), widget);
        EXPECT_EQ(panel->focusPart(), part);
    }
    press(Qt::Key_Tab);
    EXPECT_EQ(menu.focusWidget(), static_cast<QWidget*>(menu.radioIcon()));
    press(Qt::Key_Down);  // round to the top: no member in the rows, "New Player"
    EXPECT_EQ(menu.focusWidget(), static_cast<QWidget*>(menu.newPlayerButton()));
}

// The menu's pop-up menu (a right click, the Menu key, Shift+F10) holds
// what needs no game on the table, each item asking for its window.
TEST(MainMenuKeys, ThePopupMenuAsksForItsWindows)
{
    setLanguage(English);
    Settings settings;
    MainMenu menu(settings);
    menu.resize(760, 500);
    menu.refresh(defaultClubFile());
    menu.show();
    menu.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    menu.setFocus();
    QSignalSpy speed(&menu, &MainMenu::speedRequested);
    QSignalSpy help(&menu, &MainMenu::helpRequested);
    QSignalSpy about(&menu, &MainMenu::aboutRequested);
    QSignalSpy radio(&menu, &MainMenu::radioRequested);
    QSignalSpy chat(&menu, &MainMenu::chatRequested);
    const std::pair<Text, QSignalSpy*> items[] = {{Text::Speed, &speed},
                                                  {Text::Help, &help},
                                                  {Text::About, &about},
                                                  {Text::Radio, &radio},
                                                  {Text::Chat, &chat}};
    int round = 0;
    for (const auto& [item, spy] : items) {
        SCOPED_TRACE(sourceText(item));
        QStringList shown;
        QTimer::singleShot(0, [&shown, item = item] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(popup, nullptr);
            for (QAction* action : popup->actions()) {
                shown.append(action->text());
                if (action->text() == text(item)) {
                    popup->setActiveAction(action);
                }
            }
            QTest::keyClick(popup, Qt::Key_Return);
        });
        // The three ways in, in turn.
        if (round % 3 == 0) {
            QTest::keyClick(&menu, Qt::Key_Menu);
        } else if (round % 3 == 1) {
            QTest::keyClick(&menu, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            const QPoint at(40, 480);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, menu.mapToGlobal(at));
            QApplication::sendEvent(&menu, &event);
        }
        ++round;
        EXPECT_EQ(shown.size(), 5);
        EXPECT_FALSE(shown.contains(text(Text::ExitToMenu)));
        EXPECT_EQ(spy->size(), 1);
    }
}

}  // namespace
}  // namespace olk
