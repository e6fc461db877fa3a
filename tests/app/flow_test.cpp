#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/seats.h"
#include "extras/attention_box.h"
#include "net/direct_link.h"
#include "records/end_of_game.h"
#include "settings/language.h"
#include "settings/word_tables.h"
#include "table/welcome_dialog.h"
#include "tests/app/play_deal.h"

#include <QLabel>
#include <functional>

// The whole-window flows start Qt's sound and network machinery, whose
// threads the leak checker's end-of-run tracer can catch half torn down on a
// busy machine and crash on (a fault of the checker, not a leak). Every other
// suite keeps the leak check; this binary alone opts out.
extern "C" int __lsan_is_turned_off()
{
    return 1;
}

namespace olk {
namespace {

// Answers the next modal "Welcome!" dialog as a new player named `name`.
void answerWelcome(const QString& name)
{
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<WelcomeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->nameEdit()->setText(name);
        dialog->passwordEdit()->setText("pw");
        dialog->againEdit()->setText("pw");
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
}

// A key as a person types it into the modal window in front: the press goes
// to that window, which may close on it, and the release to whatever holds
// the keyboard focus once it has closed.
void typeIntoNextModal(QWidget* window, Qt::Key key, int attempts = 200)
{
    QTimer::singleShot(5, [window, key, attempts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || QApplication::activePopupWidget() != nullptr) {
            ASSERT_GT(attempts, 0) << "no window opened";
            typeIntoNextModal(window, key, attempts - 1);
            return;
        }
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyPress(target, key);
        QTimer::singleShot(30, [window, key] {
            // Where the window system hands a key: the focus widget of the
            // window in front.
            QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
            QTest::keyRelease(focus, key);
        });
    });
}

// Opens the table's pop-up menu away from the cards and chooses `item`.
void chooseFromTableMenu(TableView& table, Text item)
{
    QTimer::singleShot(0, [item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == text(item)) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        FAIL() << "no such item";
    });
    const QPoint away(table.width() / 2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, away, table.mapToGlobal(away));
    QApplication::sendEvent(&table, &event);
}

// A club folder with the two default club files and a window on it; cards
// do not fly and sounds are off, so games go fast.
class FlowGame : public ::testing::Test {
protected:
    MainWindow& open()
    {
        EXPECT_TRUE(writeClubFile(folder.filePath("Olk.clb"), defaultClubFile()));
        EXPECT_TRUE(writeClubFile(folder.filePath("Olk.net"), defaultClubFile()));
        settings.flyingCards = false;
        settings.soundOn = false;  // a waited sound would only slow the game down
        m_window = std::make_unique<MainWindow>(settings, folder.path());
        return *m_window;
    }

    QTemporaryDir folder;
    Settings settings;

private:
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(FlowGame, StartNewPlayerFourDealsExitToMenu)
{
    MainWindow& window = open();
    settings.musicOn = true;  // this test follows the melody too
    window.setSoundAtStart(true);
    ASSERT_TRUE(window.checkClubFiles());
    window.showStartup();
    window.show();
    auto* startup = window.findChild<StartupPicture*>();
    ASSERT_NE(startup, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.melody().isOn(); }, 3000))
        << "the melody greets the player once the picture is on the screen";
    QTest::mouseClick(startup, Qt::LeftButton);
    auto* menu = window.findChild<MainMenu*>();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(window.melody().isOn());

    answerWelcome(QStringLiteral("Zoe"));
    QTest::mouseClick(menu->newPlayerButton(), Qt::LeftButton);
    TableView& table = window.table();
    ASSERT_TRUE(table.isVisible());
    EXPECT_FALSE(window.melody().isOn()) << "the game stops it";
    const GameEngine& engine = window.engine();
    for (int deal = 1; deal <= 4; ++deal) {
        playDeal(table, engine);
        if (deal < 4) {
            QTest::mouseClick(table.button7(), Qt::LeftButton);  // "Next game"
        }
    }
    const int score = engine.state().totalScore;
    QTest::mouseClick(table.button8(), Qt::LeftButton);  // "Exit to menu"
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(window.melody().isOn()) << "back in the menu, it plays again";
    settings.musicOn = false;
    window.followMusic();
    EXPECT_FALSE(window.melody().isOn()) << "music off";

    const ClubFile club = readClubFile(folder.filePath("Olk.clb")).file;
    ASSERT_TRUE(club.isValid());
    // Zoe's line sits among the players by rating; the top ten is untouched.
    int slot = 0;
    for (int n = 1; n <= 5; ++n) {
        if (playerName(club.line(n)) == QStringLiteral("Zoe")) {
            slot = n;
        }
    }
    ASSERT_NE(slot, 0);
    EXPECT_EQ(playerDeals(club.line(slot)), 4);
    EXPECT_EQ(playerScore(club.line(slot)), score);
    EXPECT_EQ(club.line(slot).mid(44, 15), storedPassword("pw"));
    EXPECT_EQ(club.line(6), defaultClubFile().line(6));
    QFile history(historyFilePath(folder.path(), "Olk.clb", 1));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    const QList<QByteArray> entries = historyEntries(history.readAll());
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].mid(15, 3), "Zoe");
    EXPECT_EQ(entries[0].mid(66, 3), "  4");
    EXPECT_EQ(entries[0].mid(89, 1), "L");
}

// The keys that answer the dialogs never reach the table or the hidden
// start-up picture: the game stays, and nothing is left without its question.
TEST_F(FlowGame, KeysThatCloseDialogsStayInThem)
{
    MainWindow& window = open();
    window.showStartup();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* startup = window.findChild<StartupPicture*>();
    auto* menu = window.findChild<MainMenu*>();
    QTest::keyRelease(startup, Qt::Key_Space);  // no press seen: not a key of ours
    EXPECT_TRUE(startup->isVisible());
    QTest::keyClick(startup, Qt::Key_Space);
    ASSERT_TRUE(menu->isVisible());

    QTimer::singleShot(0, [&window] {
        auto* dialog = qobject_cast<WelcomeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->nameEdit()->setText("Kim");
        dialog->passwordEdit()->setText("pw");
        dialog->againEdit()->setText("pw");
        dialog->againEdit()->setFocus();
        typeIntoNextModal(&window, Qt::Key_Return);
    });
    QTest::mouseClick(menu->newPlayerButton(), Qt::LeftButton);
    QTest::qWait(60);
    TableView& table = window.table();
    ASSERT_TRUE(table.isVisible());
    EXPECT_TRUE(window.engine().state().gameActive);

    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
        if (key == Qt::Key_Escape) {
            // On the table Escape asks before leaving; Escape answers No.
            typeIntoNextModal(&window, Qt::Key_Escape);
        }
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, key);
        EXPECT_TRUE(table.isVisible()) << key;
    }

    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        typeIntoNextModal(&window, key);
        chooseFromTableMenu(table, Text::GeneralScore);
        QTest::qWait(60);
        EXPECT_TRUE(table.isVisible()) << key;
    }
    // Escape answers No to the question; the game stays on the table.
    typeIntoNextModal(&window, Qt::Key_Escape);
    chooseFromTableMenu(table, Text::ExitToMenu);
    QTest::qWait(60);
    EXPECT_TRUE(table.isVisible());
    EXPECT_TRUE(window.engine().state().gameActive);
}

// After "To change a name" the new name is the seat's: on the plate, in the
// next deal and in the count window's title.
TEST_F(FlowGame, ANewNameShowsEverywhereAtOnce)
{
    MainWindow& window = open();
    window.show();
    window.showMenu();
    auto* menu = window.findChild<MainMenu*>();
    answerWelcome(QStringLiteral("Zoe"));
    QTest::mouseClick(menu->newPlayerButton(), Qt::LeftButton);
    TableView& table = window.table();
    ASSERT_TRUE(table.isVisible());

    answerWelcome(QStringLiteral("Yann"));
    typeIntoNextModal(&window, Qt::Key_Return);  // the "changed" message
    emit table.changeNameRequested();
    QTest::qWait(60);
    EXPECT_EQ(window.engine().state().players[4].name, "Yann");
    EXPECT_EQ(window.engine().profile().name, "Yann");
    playDeal(table, window.engine());
    QTest::mouseClick(table.button7(), Qt::LeftButton);  // "Next game"
    EXPECT_EQ(window.engine().state().players[4].name, "Yann");

    // Leaving the table, confirmed, ends the game.
    QTimer::singleShot(20, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == text(Text::Yes)) {
                button->click();
            }
        }
    });
    chooseFromTableMenu(table, Text::ExitToMenu);
    QTest::qWait(60);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(window.engine().state().gameActive);
}

// A size the screen cannot hold is replaced for this run only: the player's
// choice is what the settings file keeps.
TEST(Flow, ASmallScreenDoesNotOverwriteTheChosenSize)
{
    QTemporaryDir folder;
    Settings settings;
    settings.windowSize = 5;
    MainWindow window(settings, folder.path());
    window.applyWindowSize();
    EXPECT_NE(settings.windowSize, 5) << "the offscreen screen is small";
    EXPECT_EQ(window.settingsToSave().windowSize, 5);
}

// Runs `action`, closing every attention box that comes up meanwhile; their
// lines, in order.
QStringList closingAttentions(const std::function<void()>& action)
{
    QStringList lines;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&lines] {
        if (auto* box = qobject_cast<AttentionBox*>(QApplication::activeModalWidget())) {
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (!label->text().isEmpty()) {
                    lines.append(label->text());
                }
            }
            box->accept();
        }
    });
    watch.start();
    action();
    return lines;
}

TEST_F(FlowGame, OptionsTakeEffectAtOnceAndFallBackWithAWord)
{
    MainWindow& window = open();
    window.showMenu();
    // Opened from the menu, closed by Escape.
    typeIntoNextModal(&window, Qt::Key_Escape);
    QTest::mouseClick(window.menu().optionsButton(), Qt::LeftButton);
    EXPECT_EQ(window.optionsDialog(), nullptr);
    QTest::qWait(50);  // the key's release

    Settings next = settings;
    next.cardSet = 38;  // "Maya", from a library the folder does not have
    QStringList said = closingAttentions([&] { window.applyOptions(next); });
    EXPECT_EQ(said, QStringList{text(Text::CantFindTheFile) + " TevCards06B.dll"});
    EXPECT_EQ(settings.cardSet, 0);

    next = settings;
    next.menuDesign = 1;
    next.auxDesignGrey = 3;
    said = closingAttentions([&] { window.applyOptions(next); });
    EXPECT_EQ(said, QStringList{text(Text::CantFindTheFile) + " TevCGraph1.dll"});
    EXPECT_EQ(settings.menuDesign, 0);
    EXPECT_EQ(settings.auxDesignGrey, 2);

    next = settings;
    next.background = 0;
    next.newButtons = true;
    next.language = Language::Russian;
    said = closingAttentions([&] { window.applyOptions(next); });
    EXPECT_TRUE(said.isEmpty());
    QCoreApplication::processEvents();  // the language change reaches every window
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_TRUE(window.menu().optionsButton()->nata());
    EXPECT_EQ(window.menu().optionsButton()->text(), text(Text::Options));
    EXPECT_EQ(text(Text::Options), QString::fromUtf8("Настройки"));
    setLanguage(Language::English);

    // The window follows its size at once, and the saved choice with it.
    next = settings;
    next.windowSize = 2;
    window.applyOptions(next);
    EXPECT_EQ(window.size(), QGuiApplication::primaryScreen()->geometry().size());
    EXPECT_EQ(window.settingsToSave().windowSize, 2);
    next.windowSize = 1;
    window.applyOptions(next);
    EXPECT_EQ(window.size(), QSize(760, 500));
}

// "?" of a network game's Welcome dialog opens the router help page, which
// the program carries in every language.
TEST(Flow, TheRouterHelpComesInEveryLanguage)
{
    for (int language = 0; language < kLanguageCount; ++language) {
        setLanguage(language);
        const QString path = WelcomeDialog::routerHelpPath(OLK_PROGRAM_DIR);
        EXPECT_TRUE(path.endsWith(
            QStringLiteral("router.%1.html").arg(QLatin1String(languageInfo(language).locale))))
            << path.toStdString();
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(page.readAll().contains("25666"));
    }
    setLanguage(English);
}

// The game joining a host through its dialogs: "Welcome!" in its network
// layout, the waiting window closed by the host's acceptance, the table
// waiting for the first deal, the deal, a chat line, and the host's leaving.
TEST_F(FlowGame, JoiningAHostThroughTheDialogs)
{
    settings.networkMode = true;
    MainWindow& window = open();
    window.show();
    window.showMenu();
    GameSession hostSession(Rng(4));
    net::HostLink host(hostSession);
    host.setHostName("Hugo");
    ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));

    QTimer::singleShot(0, [&host] {
        auto* dialog = qobject_cast<WelcomeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->nameEdit()->setText("Bob");
        dialog->clientButton()->setChecked(true);
        dialog->addressEdit()->setText("127.0.0.1");
        dialog->portEdit()->setText(QString::number(host.port()));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<MainMenu*>()->newPlayerButton(), Qt::LeftButton);
    TableView& table = window.table();
    ASSERT_TRUE(table.isVisible());
    const GameEngine& engine = window.engine();
    EXPECT_EQ(engine.setup().mode, GameMode::NetworkJoined);
    EXPECT_TRUE(engine.setup().awaitingFirstDeal);
    EXPECT_FALSE(table.chatInput()->isEnabled()) << "no chat before the first deal";
    EXPECT_EQ(host.joinedPlayers(), 1);

    host.startMatch({"Hugo", 0, 0, 0});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.setup().awaitingFirstDeal; }, 3000));
    EXPECT_EQ(engine.state().players[4].cardCount, 3);
    EXPECT_EQ(engine.state().players[seatOfRole(2, 1)].name, "Hugo");
    EXPECT_TRUE(table.chatInput()->isEnabled());
    host.sendChat("hi Bob");
    ASSERT_TRUE(QTest::qWaitFor([&] { return table.chatLines().size() == 1; }, 3000));
    EXPECT_EQ(table.chatLines()[0], QStringLiteral("hi Bob"));

    // The host goes: the player is told, and the menu comes back.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
        }
    });
    closer.start(20);
    host.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.findChild<MainMenu*>()->isVisible(); }, 3000));
    EXPECT_FALSE(engine.state().gameActive);
}

TEST(Flow, AMissingOrDamagedClubFileStopsTheStart)
{
    QTemporaryDir folder;
    bool blocked = false;
    // The boxes are answered as they come.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    closer.start(10);
    EXPECT_FALSE(checkClubFilesAtStart(folder.path(), &blocked));
    ASSERT_TRUE(writeClubFile(folder.filePath("Olk.clb"), defaultClubFile()));
    EXPECT_FALSE(checkClubFilesAtStart(folder.path(), &blocked));  // Olk.net missing
    QFile net(folder.filePath("Olk.net"));
    ASSERT_TRUE(net.open(QIODevice::WriteOnly));
    QByteArray edited = defaultClubFile().serialize();
    edited[400] = 'x';
    net.write(edited);
    net.close();
    EXPECT_FALSE(checkClubFilesAtStart(folder.path(), &blocked));  // incorrect
}

}  // namespace
}  // namespace olk
