#include "table/main_menu.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "settings/language.h"
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
        {"张三", "", "", {}, "Incorrect name!"},  // the club could not store it
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
