#include "accountui/passport_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "extras/cards_button.h"

namespace olk {
namespace {

TEST(PassportDialog, KeepsWhatPassesAndRefusesWhatCannotBeTyped)
{
    QTemporaryDir folder;
    Settings settings;
    PassportDialog dialog(settings, folder.path());
    EXPECT_EQ(dialog.nickEdit()->text(), QStringLiteral("Incognito"));
    EXPECT_EQ(dialog.nickLamp(), Lamp::Green);

    dialog.nickEdit()->clear();
    QTest::keyClicks(dialog.nickEdit(), "Al Capone#$");  // the blank and the signs are refused
    EXPECT_EQ(dialog.nickEdit()->text(), QStringLiteral("AlCapone"));
    EXPECT_EQ(settings.passportNick, QStringLiteral("AlCapone"));

    dialog.nickEdit()->setText(QString::fromUtf8("Вася"));
    EXPECT_EQ(dialog.nickLamp(), Lamp::Yellow);  // Cyrillic passes, in yellow
    EXPECT_EQ(settings.passportNick, QString::fromUtf8("Вася"));

    // One character is red: nothing is kept, "Ok" is off, and the window
    // stays with the keyboard in the failing field.
    dialog.show();
    dialog.cityEdit()->setText("M");
    EXPECT_EQ(dialog.cityLamp(), Lamp::Red);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_EQ(settings.passportCity, QStringLiteral("Moscow"));
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    dialog.cityEdit()->setText("Minsk");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.passportCity, QStringLiteral("Minsk"));
}

TEST(PassportDialog, ContinentCountryAndSexWriteTheCode)
{
    QTemporaryDir folder;
    Settings settings;
    PassportDialog dialog(settings, folder.path());
    EXPECT_EQ(dialog.continentList()->currentIndex(), 0);
    EXPECT_EQ(dialog.countryList()->currentText(), QStringLiteral("Russia"));
    dialog.continentList()->setCurrentIndex(5);  // Africa: back to "Unknown"
    EXPECT_EQ(settings.passportCountry, QStringLiteral("6-000"));
    EXPECT_EQ(dialog.countryList()->currentText(), QStringLiteral("Unknown"));
    EXPECT_EQ(dialog.countryList()->count(), 55);
    dialog.countryList()->setCurrentIndex(12);
    EXPECT_EQ(settings.passportCountry, QStringLiteral("6-012"));
    dialog.sexList()->setCurrentIndex(1);
    EXPECT_EQ(settings.passportSex, QStringLiteral("W"));
}

}  // namespace
}  // namespace olk
