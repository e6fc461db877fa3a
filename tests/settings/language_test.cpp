#include "settings/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>

#include "settings/fonts.h"
#include "settings/word_tables.h"

#include <QFontInfo>

namespace olk {
namespace {

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override { setLanguage(English); }
};

CardCode cardOf(char rank, char suitChar)
{
    return CardCode{rank, suitChar};
}

TEST_F(LanguageTest, PictureAndVoiceNamesFollowTheLanguage)
{
    struct Case {
        int language;
        const char* caption;
        const char* voice;  // the four of spades
        const char* flag;
    };
    const Case cases[] = {
        {English, "CapEng", "Pi04VoiceEng", "FlagOEng"},
        {Russian, "CapRus", "Pi04VoiceRus", "FlagORus"},
        {Chinese, "CapChi", "Pi04VoiceChi", "FlagOChi"},
        {Czech, "CapCze", "Pi04VoiceCze", "FlagOCze"},
        // Japanese and Korean have no pictures of their own.
        {Japanese, "CapEng", "Pi04VoiceJap", "FlagOJap"},
        {Korean, "CapEng", "Pi04VoiceKor", "FlagOKor"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(setLanguage(c.language));
        EXPECT_EQ(pictureName(QStringLiteral("Cap")), QString::fromLatin1(c.caption));
        EXPECT_EQ(voiceName(cardOf('4', suit::kSpades)), QString::fromLatin1(c.voice));
        EXPECT_EQ(QString::fromLatin1(languageInfo(c.language).flag), QString::fromLatin1(c.flag));
    }
    setLanguage(English);
    EXPECT_EQ(voiceName(cardOf(rank::kTen, suit::kHearts)), QStringLiteral("Ch10VoiceEng"));
    EXPECT_EQ(voiceName(cardOf(rank::kJack, suit::kClubs)), QStringLiteral("Kr2JVoiceEng"));
    EXPECT_EQ(voiceName(cardOf(rank::kAce, suit::kDiamonds)), QStringLiteral("Bu5AVoiceEng"));
    EXPECT_EQ(voiceName(kEmptyCard), QString());
}

TEST_F(LanguageTest, SelectorNamesAreFixed)
{
    const char* names[] = {"English", "Русский",  "Deutsche", "Français", "Español",
                           "中文",    "Italiano", "Čeština",  "日本",     "한국인"};
    for (int i = 0; i < kLanguageCount; ++i) {
        EXPECT_STREQ(languageInfo(i).name, names[i]);
    }
    EXPECT_STREQ(languageInfo(42).name, "English");
}

QByteArray clubFile(char line17First, int playerLineLength = 59)
{
    QByteArray content;
    for (int i = 0; i < 5; ++i) {
        content += QByteArray(playerLineLength, '#') + "\r\n";
    }
    for (int i = 0; i < 10; ++i) {
        content += QByteArray(26, ' ') + "\r\n";
    }
    content += "\xB8}" + QByteArray(26, '#') + "\r\n";
    content += line17First + QByteArray(27, '0') + "\r\n";
    return content;
}

TEST_F(LanguageTest, ClubFileMayAskForRussian)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Olk.clb");
    auto write = [&path](const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    EXPECT_EQ(startupLanguage(German, path), German);  // no club file
    write(clubFile('1'));
    EXPECT_EQ(startupLanguage(German, path), Russian);
    write(clubFile('0'));
    EXPECT_EQ(startupLanguage(German, path), German);
    write(clubFile('1', 58));  // a player line one character short
    EXPECT_EQ(startupLanguage(German, path), German);
    write(clubFile('1') + "extra\r\n");  // 18 lines
    EXPECT_EQ(startupLanguage(German, path), German);
    EXPECT_EQ(startupLanguage(12, path), English);
}

// A window that sets its texts again whenever the language changes.
class RetextingWindow : public QWidget {
public:
    RetextingWindow() { retranslate(); }
    int retexts = 0;

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange) {
            retranslate();
        }
        QWidget::changeEvent(event);
    }

private:
    void retranslate()
    {
        ++retexts;
        setWindowTitle(text(Text::NewPlayer));
    }
};

TEST_F(LanguageTest, AWindowReTextsItselfInEveryLanguage)
{
    RetextingWindow window;
    QSet<QString> titles;
    for (int language = 0; language < kLanguageCount; ++language) {
        ASSERT_TRUE(setLanguage(language));
        EXPECT_EQ(currentLanguage(), language);
        QCoreApplication::processEvents();
        EXPECT_FALSE(window.windowTitle().isEmpty());
        titles.insert(window.windowTitle());
    }
    EXPECT_GE(window.retexts, kLanguageCount);
    EXPECT_GE(titles.size(), 8);  // a few languages may share a word
    ASSERT_TRUE(setLanguage(English));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(sourceText(Text::NewPlayer)));
}

TEST_F(LanguageTest, EveryTextHasAFinishedTranslationInEveryLanguage)
{
    for (int language = 1; language < kLanguageCount; ++language) {
        QTranslator translator;
        const QString file = QStringLiteral(":/i18n/olk_%1.qm")
                                 .arg(QString::fromLatin1(languageInfo(language).locale));
        ASSERT_TRUE(translator.load(file)) << file.toStdString();
        for (int i = 0; i < textCount(); ++i) {
            const Text id = static_cast<Text>(i);
            const QString source = QString::fromUtf8(sourceText(id));
            const QString translated =
                translator.translate(kTextContext, sourceText(id), textComment(id));
            EXPECT_FALSE(translated.isEmpty() && !source.isEmpty())
                << languageInfo(language).locale << ": no translation of \"" << sourceText(id)
                << "\"";
            // Multi-line texts keep their lines.
            EXPECT_EQ(translated.count(QStringLiteral("\n\r")),
                      source.count(QStringLiteral("\n\r")))
                << languageInfo(language).locale << ": " << sourceText(id);
        }
    }
}

TEST_F(LanguageTest, GroupedTables)
{
    setLanguage(English);
    EXPECT_EQ(text(TextGroup::ClubHeader, 1).trimmed().left(7), QStringLiteral("The mem"));
    EXPECT_TRUE(text(TextGroup::ClubHeader, 1).endsWith(QStringLiteral("Score ")));
    EXPECT_TRUE(text(TextGroup::ClubHeader, 2).endsWith(QStringLiteral("Rating ")));
    EXPECT_EQ(text(TextGroup::Month, 1), QStringLiteral("January"));
    EXPECT_EQ(text(TextGroup::Month, 12), QStringLiteral("December"));
    EXPECT_EQ(text(TextGroup::Month, 13), QString());
    ASSERT_TRUE(setLanguage(Russian));
    EXPECT_EQ(text(TextGroup::Month, 1), QStringLiteral("Январь"));
}

TEST(Fonts, WindowsFaceNamesFindFreeFaces)
{
    registerFontSubstitutions();
    const struct {
        const char* name;
        const char* face;
    } cases[] = {
        {"Comic Sans MS", "Comfortaa"},
        {"Courier New", "Liberation Mono"},
        {"Fixedsys", "DejaVu Sans Mono"},
        {"FixedSys", "DejaVu Sans Mono"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(c.name))).family(),
                  QString::fromLatin1(c.face))
            << c.name;
    }
    Settings settings;
    settings.scaleSerif = 120;
    const QFont font = familyFont(settings, FontFamily::Serif, 16);
    EXPECT_EQ(font.pixelSize(), 19);
    EXPECT_EQ(font.family(), QStringLiteral("Comic Sans MS"));
}

}  // namespace
}  // namespace olk
