#include "options/options_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "extras/own_cursors.h"
#include "options/option_rules.h"
#include "options/options_tabs.h"
#include "records/resource_library.h"
#include "settings/address_cipher.h"
#include "tests/extras/file_server.h"

namespace olk {
namespace {

TEST(OptionRules, WindowSizesTheScreenCanHold)
{
    const struct {
        QSize screen;
        QList<int> sizes;
    } cases[] = {
        {{800, 600}, {1, 2}},
        {{1280, 1024}, {1, 2, 3}},   // no room for "Average window 2"
        {{1290, 870}, {1, 2, 3, 4}},
        {{1920, 1019}, {1, 2, 3, 4}},  // one line short of "Large window"
        {{1920, 1080}, {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windowSizeChoices(c.screen), c.sizes) << c.screen.width() << "x"
                                                        << c.screen.height();
    }
}

TEST(OptionRules, DeckModes)
{
    for (int deck = 0; deck < 13; ++deck) {
        const bool randomDeck = deck >= 8 && deck <= 11;
        for (bool alwaysOne : {false, true}) {
            const DeckModeChoice choice = deckModeChoice(deck, alwaysOne);
            if (randomDeck) {
                EXPECT_EQ(choice.shown, DeckMode::Random);
                EXPECT_EQ(choice.enabled, (std::array<bool, 3>{false, false, true}));
            } else {
                EXPECT_EQ(choice.shown, alwaysOne ? DeckMode::AlwaysOne : DeckMode::ToChangeDecks);
                EXPECT_EQ(choice.enabled, (std::array<bool, 3>{true, true, false}));
            }
        }
    }
}

TEST(OptionRules, PurpleNeedsTheGraphicsLibrary)
{
    Settings s;
    s.menuDesign = 1;
    s.auxDesignGrey = 3;
    EXPECT_FALSE(dropPurpleWithoutLibrary(s, true));
    EXPECT_EQ(s.menuDesign, 1);
    EXPECT_TRUE(dropPurpleWithoutLibrary(s, false));
    // Every design goes back to its first entry.
    EXPECT_EQ(s.menuDesign, 0);
    EXPECT_EQ(s.tableDesign, 0);
    EXPECT_FALSE(s.auxDesignPurple);
    EXPECT_EQ(s.auxDesignGrey, 2);
    Settings grey;
    grey.auxDesignGrey = 3;
    EXPECT_FALSE(dropPurpleWithoutLibrary(grey, false));
    EXPECT_EQ(grey.auxDesignGrey, 3);
}

TEST(OptionRules, DownloadServerIsTheServiceWithoutItsPath)
{
    Settings s;
    s.serviceAddress = encipherAddress(QStringLiteral("http://127.0.0.1:8765/olk/"));
    EXPECT_EQ(downloadServer(s), QStringLiteral("http://127.0.0.1:8765"));
    s.serviceAddress = encipherAddress(QStringLiteral("file:///etc/passwd"));
    EXPECT_EQ(downloadServer(s), QString());
    s.serviceAddress = "not enciphered";
    EXPECT_EQ(downloadServer(s), QString());
}

// The dialog with an owner that takes every change as it comes and hands
// nothing back, as the main window does when nothing has to fall back.
class Dialog : public ::testing::Test {
protected:
    OptionsDialog& open(QSize screen = {1920, 1080})
    {
        OptionsEnvironment environment;
        environment.programFolder = folder.path() + "/program";
        QDir().mkpath(environment.programFolder);
        environment.screen = screen;
        environment.play = [this](const char* effect) { played.append(effect); };
        dialog = std::make_unique<OptionsDialog>(settings, std::move(environment));
        QObject::connect(dialog.get(), &OptionsDialog::edited, [this](const Settings& s) {
            ++edits;
            settings = s;
        });
        return *dialog;
    }
    template <typename Tab>
    Tab& page(int index)
    {
        auto* tab = dynamic_cast<Tab*>(dialog->tab(index));
        EXPECT_NE(tab, nullptr);
        return *tab;
    }

    QTemporaryDir folder;
    Settings settings;
    std::unique_ptr<OptionsDialog> dialog;
    QStringList played;
    int edits = 0;
};

TEST_F(Dialog, ShowingSetsControlsWithoutEffects)
{
    settings.cardSet = 0;
    settings.deckIndex = 9;
    settings.windowSize = 3;
    settings.punishKnocker = true;
    open();
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(dialog->tabCount(), 9);
    EXPECT_EQ(page<DecksTab>(2).deckList()->currentRow(), 9);
    EXPECT_TRUE(page<DecksTab>(2).mode(2)->isChecked());
    EXPECT_EQ(page<GeneralTab>(0).windowSizeList()->currentIndex(), 2);
    EXPECT_TRUE(page<GameTab>(3).punishKnocker()->isChecked());
    EXPECT_EQ(dialog->languageList()->currentIndex(), settings.language);
}

TEST_F(Dialog, DeckModesFollowTheDeck)
{
    open();
    DecksTab& decks = page<DecksTab>(2);
    decks.deckList()->setCurrentRow(9);
    EXPECT_EQ(settings.deckIndex, 9);
    EXPECT_TRUE(decks.mode(2)->isChecked());
    EXPECT_FALSE(decks.mode(0)->isEnabled());
    EXPECT_FALSE(decks.mode(1)->isEnabled());
    decks.deckList()->setCurrentRow(3);
    EXPECT_TRUE(decks.mode(0)->isChecked());
    EXPECT_FALSE(decks.mode(2)->isEnabled());
    decks.mode(1)->click();
    EXPECT_TRUE(settings.deckAlwaysOne);
}

TEST_F(Dialog, GifsAreSavedOnlyFromTheSmallWindow)
{
    settings.windowSize = 1;
    open();
    SaveGamesTab& save = page<SaveGamesTab>(6);
    ASSERT_TRUE(save.saveAsGif()->isEnabled());
    save.saveAsGif()->click();
    EXPECT_TRUE(settings.saveGamesAsGif);
    EXPECT_TRUE(save.delay()->isEnabled());
    // Another size switches it off and greys it out.
    page<GeneralTab>(0).windowSizeList()->setCurrentIndex(2);
    EXPECT_EQ(settings.windowSize, 3);
    EXPECT_FALSE(settings.saveGamesAsGif);
    EXPECT_FALSE(save.saveAsGif()->isChecked());
    EXPECT_FALSE(save.saveAsGif()->isEnabled());
}

TEST_F(Dialog, EveryControlWritesItsSetting)
{
    open();
    GeneralTab& general = page<GeneralTab>(0);
    general.music()->click();
    EXPECT_FALSE(settings.musicOn);
    general.multiplayer()->click();
    EXPECT_TRUE(settings.networkMode);
    general.newButtons()->click();
    EXPECT_TRUE(settings.newButtons);
    page<GameTab>(3).threeOfAKind()->click();
    EXPECT_FALSE(settings.threeOfAKind30);
    page<CardsTab>(1).setList()->setCurrentRow(28);
    EXPECT_EQ(settings.cardSet, 28);
    BackgroundTab& background = page<BackgroundTab>(5);
    background.backgroundList()->setCurrentRow(0);
    background.colourList()->setCurrentRow(6);
    EXPECT_EQ(settings.background, 1);
    EXPECT_EQ(settings.backgroundColour, 6);
    DesignTab& design = page<DesignTab>(8);
    design.auxDesign()->setCurrentIndex(1);
    EXPECT_EQ(settings.auxDesignGrey, 1);
    EXPECT_EQ(dialog->height(), 360);
    design.auxDesign()->setCurrentIndex(2);
    EXPECT_EQ(settings.auxDesignGrey, 3);
    EXPECT_EQ(dialog->height(), 410);
    design.menuDesign()->setCurrentIndex(1);
    design.tableDesign()->setCurrentIndex(1);
    // Both screens purple: no background to choose.
    EXPECT_FALSE(background.backgroundList()->isEnabled());
    dialog->languageList()->setCurrentIndex(1);
    EXPECT_EQ(settings.language, 1);
}

TEST_F(Dialog, FontsEditTheChosenFamilyAndComeBackToDefaults)
{
    open();
    FontsTab& fonts = page<FontsTab>(4);
    fonts.familyList()->setCurrentIndex(2);  // "Special font 1": fixed
    fonts.scale()->setValue(130);
    EXPECT_EQ(settings.scaleFixed, 130);
    EXPECT_EQ(settings.scaleDecor, 100);
    fonts.fontList()->setCurrentIndex(fonts.fontList()->count() - 1);
    EXPECT_EQ(settings.fontFixed, fonts.fontList()->currentText());
    fonts.defaultButton()->click();
    EXPECT_EQ(settings.fontFixed, Settings().fontFixed);
    EXPECT_EQ(settings.scaleFixed, 100);
    EXPECT_EQ(fonts.scale()->value(), 100);
}

TEST_F(Dialog, SaluteAndDownloadsFollowTheFilesPresent)
{
    open();
    DesignTab& design = page<DesignTab>(8);
    EXPECT_FALSE(design.saluteButtons()->isEnabled());
    EXPECT_FALSE(design.saluteButtons()->isChecked());
    QList<DownloadButton*> buttons = dialog->findChildren<DownloadButton*>();
    ASSERT_EQ(buttons.size(), 3 + 1 + 1 + 9);
    for (DownloadButton* button : buttons) {
        EXPECT_TRUE(button->isEnabled()) << button->file().toStdString();
    }

    // The graphics library in the folder above the program's.
    const std::optional<QByteArray> library = packResourceLibrary({});
    ASSERT_TRUE(library);
    QFile file(folder.filePath("TevCGraph1.dll"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*library);
    file.close();
    dialog->showSettings(settings);
    EXPECT_TRUE(design.saluteButtons()->isEnabled());
    EXPECT_EQ(design.saluteButtons()->isChecked(), settings.saluteButtons);
    for (DownloadButton* button : buttons) {
        EXPECT_EQ(button->isEnabled(), button->file() != "TevCGraph1.dll");
        EXPECT_EQ(button->kLightSB(), button->isEnabled() ? 0 : 50);
    }
}

TEST_F(Dialog, EscapeClosesLikeOk)
{
    open();
    dialog->show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(Dialog, DownloadsArriveWholeOrNotAtAll)
{
    FileServer server;
    OptionsEnvironment environment;
    environment.programFolder = folder.path() + "/program";
    QDir().mkpath(environment.programFolder);
    environment.screen = {1920, 1080};
    environment.downloadServer = server.url().toString();
    environment.play = [this](const char* effect) { played.append(effect); };
    dialog = std::make_unique<OptionsDialog>(settings, std::move(environment));
    auto button = [this](const QString& file) {
        for (DownloadButton* each : dialog->findChildren<DownloadButton*>()) {
            if (each->file() == file && each->parent() == dialog->tab(7)) {
                return each;
            }
        }
        return static_cast<DownloadButton*>(nullptr);
    };
    auto download = [&](const QString& file) {
        button(file)->click();
        EXPECT_TRUE(dialog->downloading());
        EXPECT_FALSE(button(file)->isEnabled()) << "one download at a time";
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->downloading(), 10000);
    };
    download("TevCards06A.dll");
    EXPECT_EQ(played, QStringList{"WToMenK"});
    EXPECT_TRUE(QFile::exists(folder.filePath("TevCards06A.dll")));
    EXPECT_FALSE(button("TevCards06A.dll")->isEnabled());
    EXPECT_TRUE(button("TevCards06B.dll")->isEnabled());

    download("TevCards06B.dll");  // the server breaks off halfway
    EXPECT_EQ(played, (QStringList{"WToMenK", "WWrongs"}));
    EXPECT_FALSE(QFile::exists(folder.filePath("TevCards06B.dll")));
    EXPECT_TRUE(button("TevCards06B.dll")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Dialog, ADownloadWithoutAServerFailsAtOnce)
{
    open();
    QList<DownloadButton*> buttons = dialog->findChildren<DownloadButton*>();
    buttons.front()->click();
    EXPECT_EQ(played, QStringList{"WWrongs"});
    EXPECT_FALSE(dialog->downloading());
}

TEST(OwnCursors, WidgetsGetTheOwnCursorAndGiveItBack)
{
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    QPushButton* button = new QPushButton(&window);
    button->setCursor(Qt::PointingHandCursor);
    window.show();
    useOwnCursors(true);
    EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(edit->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
    // A widget made later, and a cursor set later, follow the choice.
    QPushButton later(&window);
    later.setCursor(Qt::PointingHandCursor);
    EXPECT_EQ(later.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(waitCursor().shape(), Qt::BitmapCursor);
    useOwnCursors(false);
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(edit->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(later.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(window.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(waitCursor().shape(), Qt::WaitCursor);
}

}  // namespace
}  // namespace olk
