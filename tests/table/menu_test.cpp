#include "table/main_menu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include "extras/cards_button.h"

#include "core/cp1251.h"
#include "net/lan_discovery.h"
#include "records/club_name.h"
#include "settings/language.h"
#include "settings/word_tables.h"
#include "table/about_box.h"
#include "table/speed_dialog.h"
#include "table/waiting_window.h"
#include "table/welcome_dialog.h"

namespace olk {
namespace {

TEST(MainMenu, ClubRowsInBothModes)
{
    const QByteArray line = makePlayerLine("Anna", 8.2, 83, -45, "abc");
    EXPECT_EQ(clubRowText(line, 1), QStringLiteral("Anna                      3    -45"));
    EXPECT_EQ(clubRowText(line, 2),
              QStringLiteral("Anna") + QString(23, ' ') + QStringLiteral("83  8,20"));
    EXPECT_EQ(clubRowText(ClubFile::unusedLine(), 1), QString());
}

// The controls along the menu's foot never cover one another and stay in
// the window, at every window size (the news and chat panel moves to a shelf
// at the larger ones, the radio comes in at 1.6).
TEST(MainMenu, TheFootsControlsKeepApartAtEverySize)
{
    const struct {
        int windowSize;
        QSize client;
    } sizes[] = {{1, {760, 500}},  {2, {1000, 560}}, {2, {1900, 1000}}, {3, {990, 650}},
                 {4, {1290, 850}}, {5, {1520, 1000}}};
    for (const auto& each : sizes) {
        SCOPED_TRACE(each.windowSize);
        Settings settings;
        settings.windowSize = each.windowSize;
        MainMenu menu(settings);
        menu.resize(each.client);
        menu.refresh(defaultClubFile());
        menu.show();
        QList<QWidget*> controls = {menu.newPlayerButton(), menu.accountIcon(),
                                    menu.worldIcon(),       menu.statisticsIcon(),
                                    menu.tournamentIcon(),  menu.helpIcon(),
                                    menu.newsChatPanel(),   menu.radioIcon()};
        controls.erase(std::remove_if(controls.begin(), controls.end(),
                                      [](QWidget* w) { return !w->isVisible(); }),
                       controls.end());
        EXPECT_GE(controls.size(), 7);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            EXPECT_TRUE(menu.rect().contains(controls[i]->geometry()))
                << controls[i]->metaObject()->className();
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << controls[i]->metaObject()->className() << " and "
                    << controls[j]->metaObject()->className() << " at " << i << ", " << j;
            }
        }
    }
}

TEST(MainMenu, CaptionColours)
{
    const QRgb gold = qRgb(200, 150, 40);
    const std::pair<int, QRgb> cases[] = {
        {1, gold},
        {2, qRgb(200, 97, 28)},
        {3, qRgb(200, 200, 40)},
        {4, qRgb(150, 200, 40)},
        {5, qRgb(40, 200, 200)},
        {6, qRgb(40, 150, 200)},
        {7, qRgb(200, 150, 200)},
    };
    for (const auto& [colour, expected] : cases) {
        if (colour == 2) {
            // b = round(0.7 x 40) = 28; g = round(28 + 0.4 x |200 - 28|) = round(96.8) = 97.
            EXPECT_EQ(captionColour(gold, 2), qRgb(200, 97, 28));
            // Only when both g and b are below r.
            EXPECT_EQ(captionColour(qRgb(100, 150, 40), 2), qRgb(100, 150, 40));
            continue;
        }
        EXPECT_EQ(captionColour(gold, colour), expected) << colour;
    }
}

TEST(MainMenu, SevenClicksBringTheCaptionBack)
{
    Settings settings;
    MainMenu menu(settings);
    menu.resize(760, 500);
    menu.refresh(defaultClubFile());
    for (int click = 1; click <= 7; ++click) {
        QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(380, 40));
        EXPECT_EQ(settings.captionColour, click % 7 + 1);
    }
    EXPECT_EQ(settings.captionColour, 1);
    // An empty row cannot be chosen; "Mode" switches the list.
    int chosen = 0;
    QObject::connect(&menu, &MainMenu::playerChosen, [&chosen](int slot) { chosen = slot; });
    QTest::mouseClick(menu.row(1), Qt::LeftButton);
    EXPECT_EQ(chosen, 0);
    QTest::mouseClick(menu.modeButton(), Qt::LeftButton);
    EXPECT_EQ(settings.clubListMode, 2);
}

TEST(MainMenu, AnimationsOffKeepThePicturesStill)
{
    Settings settings;
    MainMenu menu(settings);
    for (int tick = 0; tick < 20; ++tick) {
        menu.tick();
    }
    EXPECT_NE(menu.animationFrame(), 0);
    settings.gifAnimation = false;
    for (int tick = 0; tick < 20; ++tick) {
        menu.tick();
        EXPECT_EQ(menu.animationFrame(), 0);
    }
}

TEST(Welcome, Checks)
{
    setLanguage(English);
    const QByteArray listed = makePlayerLine("Anna", 1.5, 12, 30, "abc");
    struct Case {
        QString name;
        QString password;
        QString again;
        QByteArray line;
        QString error;
    };
    const Case cases[] = {
        {"", "", "", {}, "Incorrect name!"},
        {"   ", "", "", {}, "Incorrect name!"},
        {"张三", "", "", {}, "A name may use Latin or Cyrillic letters only!"},
        {"Αλέξης", "", "", {}, "A name may use Latin or Cyrillic letters only!"},
        {"José", "", "", {}, "This is how the club writes it. Ok?"},
        {"Bob", "12", "21", {}, "The passwords do not coincide!"},
        {"Anna", "abd", "", listed, "The incorrect password!"},
        {"Bob", "", "", {}, ""},  // both passwords empty: five blanks
        {"Anna", "abc", "", listed, ""},
    };
    for (const Case& c : cases) {
        const WelcomeCheck check = checkWelcome(c.name, c.password, c.again, c.line);
        EXPECT_EQ(check.error, c.error) << c.name.toStdString() << "/" << c.password.toStdString();
    }
    const WelcomeCheck bob = checkWelcome(" Bob ", "", "", {});
    EXPECT_EQ(bob.player.name, QByteArray("Bob") + QByteArray(17, ' '));
    EXPECT_EQ(bob.player.password, QByteArray(5, ' '));
    EXPECT_EQ(bob.player.deals, 0);
    const WelcomeCheck anna = checkWelcome("ignored", "abc", "", listed);
    EXPECT_EQ(anna.player.deals, 12);
    EXPECT_EQ(anna.player.score, 30);
    EXPECT_DOUBLE_EQ(anna.player.rating, 1.5);
}

TEST(ClubNames, AccentedLatinIsWrittenPlainOtherScriptsAreRefused)
{
    using S = ClubName::Status;
    struct Case {
        QString typed;
        S status;
        QString kept;
    };
    const Case cases[] = {
        {"Bob", S::Kept, "Bob"},
        {"  Иван Петров ", S::Kept, "Иван Петров"},
        {"José", S::Simplified, "Jose"},
        {"Jörg", S::Simplified, "Jorg"},
        {"François", S::Simplified, "Francois"},
        {"Dvořák", S::Simplified, "Dvorak"},
        {"Straße", S::Simplified, "Strasse"},
        {"Jose\u0301", S::Simplified, "Jose"},  // "e" and a combining accent
        {"Łukasz Øster", S::Simplified, "Lukasz Oster"},
        {"Ærøskøbing Ærøskøbing", S::Simplified, "AEroskobing AEroskob"},  // cut to 20
        {"张三", S::Refused, ""},
        {"Αλέξης", S::Refused, ""},
        {"Bob\t", S::Kept, "Bob"},  // the blank around it goes
        {"Bo\tb", S::Refused, ""},  // a control character inside stays refused
        {"", S::Refused, ""},
    };
    for (const Case& c : cases) {
        const ClubName name = clubName(c.typed);
        EXPECT_EQ(name.status, c.status) << c.typed.toStdString();
        EXPECT_EQ(name.text, c.kept) << c.typed.toStdString();
        if (c.status != S::Refused) {
            EXPECT_EQ(QString::fromStdString(cp1251::toUtf8(name.bytes.toStdString())), c.kept);
        }
    }
}

// A name with accents: the first "Ok" shows it as the club will keep it, the
// second accepts it.
TEST(Welcome, AnAccentedNameIsShownPlainBeforeItIsAccepted)
{
    setLanguage(English);
    Settings settings;
    WelcomeDialog dialog(settings, {}, QStringLiteral("Dvořák"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("Dvorak"));
    EXPECT_FALSE(dialog.errorLine()->isHidden());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.player().name, QByteArray("Dvorak") + QByteArray(14, ' '));
}

// 295 high with the buttons at 240 and the error line at 270, and no text
// cut in any language; a listed player's name and its caption are disabled.
TEST(Welcome, FitsItsTextsInEveryLanguage)
{
    Settings settings;
    for (int language = 0; language < 10; ++language) {
        setLanguage(language);
        for (const bool network : {false, true}) {
            for (const QByteArray& line : {QByteArray(), makePlayerLine("Anna", 1, 1, 1, "a")}) {
                WelcomeDialog dialog(settings, line, {}, nullptr, network);
                SCOPED_TRACE(testing::Message()
                             << "language " << language << " network " << network);
                EXPECT_EQ(dialog.height(), network ? 455 : 295);
                EXPECT_EQ(dialog.okButton()->y(), network ? 420 : 240);
                EXPECT_EQ(dialog.errorLine()->y(), network ? 435 : 270);
                for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
                    EXPECT_LE(radio->fontMetrics().horizontalAdvance(radio->text()) + 24,
                              radio->width())
                        << radio->text().toStdString();
                }
                for (QLabel* label : dialog.findChildren<QLabel*>()) {
                    const QString longest =
                        label == dialog.errorLine() ? text(Text::NameLetters) : label->text();
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(longest), label->width())
                        << longest.toStdString();
                    EXPECT_LE(label->geometry().right(), dialog.width());
                    if (label->buddy() == dialog.nameEdit()) {
                        EXPECT_EQ(label->isEnabled(), line.isEmpty());
                    }
                }
                EXPECT_EQ(dialog.nameEdit()->isEnabled(), line.isEmpty());
            }
        }
    }
    setLanguage(English);
}

TEST(Welcome, ServerAddresses)
{
    for (const char* good : {"192.168.1.10", "1.2.3.4", "127.0.0.1"}) {
        EXPECT_TRUE(isServerAddress(good)) << good;
    }
    for (const char* bad :
         {"192.168.1.", "192.168..10", "1921.168.1.10", "192.168.1", "", "...", "1.2.3.4.5"}) {
        EXPECT_FALSE(isServerAddress(bad)) << bad;
    }
    EXPECT_EQ(checkNetworkChoice({2, "192.168.1", "25666"}),
              QStringLiteral("Incorrect IP-address!"));
    EXPECT_EQ(checkNetworkChoice({1, "", ""}), QStringLiteral("Incorrect Port!"));
    EXPECT_EQ(checkNetworkChoice({1, "", "25666"}), QString()) << "the host needs no address";
}

// The network layout: 455 high, a name of four characters, the role, the
// host's address and port with their typing rules, and a game that starts
// only when the waiting window says so.
TEST(Welcome, NetworkLayoutAndItsChecks)
{
    setLanguage(English);
    Settings settings;
    settings.serverAddress = QStringLiteral("10.0.0.7");
    WelcomeDialog dialog(settings, {}, QStringLiteral("Alexander"), nullptr, true);
    EXPECT_EQ(dialog.height(), 455);
    EXPECT_EQ(dialog.okButton()->y(), 420);
    EXPECT_EQ(dialog.errorLine()->y(), 435);
    EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("Mr.X")) << "longer than four";
    EXPECT_EQ(dialog.nameEdit()->maxLength(), 4);
    EXPECT_FALSE(dialog.addressEdit()->isEnabled()) << "the host needs no address";
    EXPECT_EQ(dialog.portEdit()->text(), QStringLiteral("25666"));

    dialog.clientButton()->setChecked(true);
    EXPECT_TRUE(dialog.addressEdit()->isEnabled());
    EXPECT_EQ(dialog.addressEdit()->text(), QStringLiteral("10.0.0.7"));
    dialog.addressEdit()->clear();
    QTest::keyClicks(dialog.addressEdit(), "192.168.1");
    QTest::keyClicks(dialog.addressEdit(), "x");
    EXPECT_EQ(dialog.addressEdit()->text(), QStringLiteral("192.168.1")) << "letters are undone";
    QTest::keyClicks(dialog.portEdit(), "a");
    EXPECT_EQ(dialog.portEdit()->text(), QStringLiteral("25666"));

    std::vector<NetworkChoice> started;
    bool answer = false;
    dialog.setNetworkStarter([&](const NetworkChoice& choice) {
        started.push_back(choice);
        return answer;
    });
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.errorLine()->text(), QStringLiteral("Incorrect IP-address!"));
    EXPECT_TRUE(started.empty());
    QTest::keyClicks(dialog.addressEdit(), ".10");
    dialog.portEdit()->clear();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.errorLine()->text(), QStringLiteral("Incorrect Port!"));
    QTest::keyClicks(dialog.portEdit(), "4000");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].role, 2);
    EXPECT_EQ(started[0].address, QStringLiteral("192.168.1.10"));
    EXPECT_EQ(started[0].port, QStringLiteral("4000"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "the waiting window said no";
    answer = true;
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.serverAddress(), QStringLiteral("192.168.1.10"));
    EXPECT_EQ(dialog.serverPort(), QStringLiteral("4000"));

    QTest::mouseClick(dialog.addressesButton(), Qt::LeftButton);
    const QStringList own = WelcomeDialog::ownAddresses();
    ASSERT_LE(own.size(), 6);
    EXPECT_EQ(own.back(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(dialog.addressBoxes()[own.size() - 1]->text(), QStringLiteral("127.0.0.1"));
    EXPECT_FALSE(dialog.addressBoxes()[own.size() - 1]->toolTip().isEmpty());
}

// A joining player sees the games heard on the local network: a click fills
// the address and port, a double click or Enter joins that game at once.
TEST(Welcome, ListsTheGamesOnTheLocalNetwork)
{
    setLanguage(English);
    Settings settings;
    settings.serverAddress = QStringLiteral("10.0.0.7");
    settings.serverPort = QStringLiteral("25666");
    WelcomeDialog dialog(settings, {}, QStringLiteral("Anna"), nullptr, true);
    std::vector<NetworkChoice> started;
    dialog.setNetworkStarter([&](const NetworkChoice& choice) {
        started.push_back(choice);
        return false;
    });
    dialog.passwordEdit()->setText(QStringLiteral("a"));
    dialog.againEdit()->setText(QStringLiteral("a"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* list = dialog.lanGamesList();
    EXPECT_FALSE(list->isVisible()) << "the host lists no games";
    dialog.clientButton()->setChecked(true);
    EXPECT_TRUE(list->isVisible());

    // Real games of this machine may be heard too: the test's own are found
    // by their addresses.
    dialog.lanListener()->take(
        net::buildAnnouncement({QStringLiteral("Bob"), 4000, 2}), QHostAddress(QStringLiteral("192.0.2.1")),
        net::LanListener::nowMs());
    dialog.lanListener()->take(
        net::buildAnnouncement({QStringLiteral("Cleo"), 4100, 1}), QHostAddress(QStringLiteral("192.0.2.2")),
        net::LanListener::nowMs());
    auto find = [&](const QString& where) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == where) {
                return list->item(row);
            }
        }
        return static_cast<QListWidgetItem*>(nullptr);
    };
    QListWidgetItem* bob = find(QStringLiteral("192.0.2.1:4000"));
    ASSERT_TRUE(bob);
    EXPECT_EQ(bob->text(), QStringLiteral("Bob  192.0.2.1:4000  free seats: 2"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(bob).center());
    EXPECT_EQ(dialog.addressEdit()->text(), QStringLiteral("192.0.2.1"));
    EXPECT_EQ(dialog.portEdit()->text(), QStringLiteral("4000"));
    EXPECT_TRUE(started.empty()) << "a click only chooses";

    QListWidgetItem* cleo = find(QStringLiteral("192.0.2.2:4100"));
    ASSERT_TRUE(cleo);
    // A double click's first click chooses, the second joins.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(cleo).center());
    EXPECT_TRUE(started.empty());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(cleo).center());
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].role, 2);
    EXPECT_EQ(started[0].address, QStringLiteral("192.0.2.2"));
    EXPECT_EQ(started[0].port, QStringLiteral("4100"));

    // The keyboard: arrows choose, Enter joins once.
    list->setFocus();
    list->setCurrentItem(find(QStringLiteral("192.0.2.2:4100")));
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(dialog.addressEdit()->text(), QStringLiteral("192.0.2.1"));
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[1].address, QStringLiteral("192.0.2.1"));
    EXPECT_EQ(started[1].port, QStringLiteral("4000"));

    // Gone silent: the list says so.
    dialog.lanListener()->expire(net::LanListener::nowMs() + 60000);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("No games found yet"));
    EXPECT_EQ(list->item(0)->flags(), Qt::NoItemFlags);
}

TEST(Welcome, TheDialogShowsItsErrorsAndAccepts)
{
    setLanguage(English);
    Settings settings;
    WelcomeDialog dialog(settings, {}, QStringLiteral("A name far too long for the club file"));
    EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("Mr.X"));
    dialog.passwordEdit()->setText("one");
    dialog.againEdit()->setText("two");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.errorLine()->isHidden());
    EXPECT_EQ(dialog.errorLine()->text(), QStringLiteral("The passwords do not coincide!"));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.againEdit()->setText("one");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.player().password, QByteArray("one  "));
}

}  // namespace
}  // namespace olk

namespace olk {
namespace {

// The numbers stand under their ticks, a click on the track goes straight to
// the level there, and the speed changes at once.
TEST(SpeedDialog, ClickOnTheTrackJumpsToThatLevel)
{
    Settings settings;
    settings.flightSpeed = 2;
    SpeedDialog dialog(settings);
    dialog.show();
    LevelSlider* slider = dialog.slider();
    EXPECT_EQ(slider->value(), 2);
    for (int level = 1; level <= 6; ++level) {
        EXPECT_NEAR(slider->labelRect(level).center().x(), slider->tickX(level), 1) << level;
        EXPECT_GE(slider->labelRect(level).left(), 0);
        EXPECT_LE(slider->labelRect(level).right(), slider->width());
    }
    for (int level : {6, 1, 4}) {
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->tickX(level), 6));
        EXPECT_EQ(slider->value(), level);
        EXPECT_EQ(settings.flightSpeed, level);
    }
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// The about box names the build's version and the club's site when the game
// knows one; its help link closes the box and asks for the help page.
TEST(AboutBox, VersionSiteAndTheWayToTheHelp)
{
    setLanguage(English);
    Settings settings;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(AboutBox::version())
                    .hasMatch())
        << AboutBox::version().toStdString();
    {
        AboutBox box(settings, QStringLiteral("http://club.test/news?a=<b>"));
        EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
        QStringList texts;
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            texts.append(label->text());
        }
        EXPECT_TRUE(texts.contains(QStringLiteral("Version ") + AboutBox::version()));
        EXPECT_TRUE(texts.contains(QStringLiteral("The author of idea:")));
        ASSERT_NE(box.siteLabel(), nullptr);
        // The address is shown as it is, never read as markup.
        EXPECT_TRUE(box.siteLabel()->text().contains(QStringLiteral("?a=&lt;b&gt;")));
        EXPECT_TRUE(box.siteLabel()->openExternalLinks());
        QSignalSpy help(&box, &AboutBox::helpRequested);
        box.show();
        emit box.helpLink()->linkActivated(QStringLiteral("#help"));
        EXPECT_EQ(help.size(), 1);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.result(), QDialog::Accepted);
    }
    AboutBox offline(settings, QString());
    EXPECT_EQ(offline.siteLabel(), nullptr) << "no site line without an address";
    setLanguage(Russian);
    AboutBox russian(settings, QString());
    EXPECT_EQ(russian.windowTitle(), text(Text::About));
    EXPECT_NE(russian.windowTitle(), QStringLiteral("About"));
    setLanguage(English);
}

}  // namespace
}  // namespace olk

namespace olk {
namespace {

TEST(WaitingWindow, HostAndJoiningPlayer)
{
    setLanguage(English);
    Settings settings;
    WaitingWindow host(settings, true);
    EXPECT_EQ(host.windowTitle(), QStringLiteral("Please, wait..."));
    EXPECT_EQ(host.statusLine()->text(),
              QStringLiteral("Expectation of connection of other players..."));
    EXPECT_FALSE(host.okButton()->isEnabled());
    EXPECT_TRUE(host.cancelButton()->isEnabled());
    host.playerJoined(2);
    EXPECT_FALSE(host.joinLines()[0]->isHidden());
    EXPECT_FALSE(host.joinLines()[1]->isHidden());
    EXPECT_TRUE(host.joinLines()[2]->isHidden());
    EXPECT_TRUE(host.okButton()->isEnabled());
    EXPECT_FALSE(host.cancelButton()->isEnabled()) << "once somebody joined, only start";
    host.show();
    QTest::keyClick(&host, Qt::Key_Escape);
    EXPECT_TRUE(host.isVisible()) << "nor does Escape give up";
    QTest::keyClick(&host, Qt::Key_Return);
    EXPECT_EQ(host.result(), QDialog::Accepted) << "Enter starts the match";

    WaitingWindow joining(settings, false);
    EXPECT_EQ(joining.statusLine()->text(), QStringLiteral("Expectation of game..."));
    joining.setNoGamesFound(true);
    joining.tick();
    EXPECT_EQ(joining.statusLine()->text(), QStringLiteral("There are no accessible games"));
    bool cancelled = false;
    QObject::connect(&joining, &WaitingWindow::cancelled, [&cancelled] { cancelled = true; });
    QTest::mouseClick(joining.cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(joining.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace olk
