#include "settings/language.h"

#include <QCoreApplication>
#include <QList>
#include <QTranslator>
#include <memory>

#include "records/club_file.h"
#include "records/record_io.h"

namespace olk {

namespace {

constexpr LanguageInfo kLanguages[kLanguageCount] = {
    {"en", "English", "Eng", "Eng", "FlagOEng"},  {"ru", "Русский", "Rus", "Rus", "FlagORus"},
    {"de", "Deutsche", "Deu", "Deu", "FlagODeu"}, {"fr", "Français", "Fra", "Fra", "FlagOFra"},
    {"es", "Español", "Spa", "Spa", "FlagOSpa"},  {"zh_CN", "中文", "Chi", "Chi", "FlagOChi"},
    {"it", "Italiano", "Ita", "Ita", "FlagOIta"}, {"cs", "Čeština", "Cze", "Cze", "FlagOCze"},
    {"ja", "日本", "Eng", "Jap", "FlagOJap"},     {"ko", "한국인", "Eng", "Kor", "FlagOKor"},
};

int g_language = English;
std::unique_ptr<QTranslator> g_translator;

bool isLanguage(int index)
{
    return index >= 0 && index < kLanguageCount;
}

}  // namespace

const LanguageInfo& languageInfo(int index)
{
    return kLanguages[isLanguage(index) ? index : English];
}

int currentLanguage()
{
    return g_language;
}

bool setLanguage(int index)
{
    if (!isLanguage(index)) {
        index = English;
    }
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator.get());
        g_translator.reset();
    }
    g_language = English;
    if (index == English) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    const QString file =
        QStringLiteral(":/i18n/olk_%1.qm").arg(QString::fromLatin1(kLanguages[index].locale));
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    g_translator = std::move(translator);
    g_language = index;
    return true;
}

QString pictureName(const QString& base)
{
    return base + QString::fromLatin1(languageInfo(g_language).pictureSuffix);
}

QString voiceName(CardCode card)
{
    if (!isValidCard(card)) {
        return {};
    }
    return QString::fromStdString(cardResourceName(card)) + QStringLiteral("Voice") +
           QString::fromLatin1(languageInfo(g_language).voiceSuffix);
}

bool clubFileAsksForRussian(const QByteArray& content)
{
    return ClubFile::parse(content).asksForRussian();
}

int startupLanguage(int settingsLanguage, const QString& clubFilePath)
{
    // A club file is about 700 bytes; read a little more than that so a
    // huge file cannot pass for one.
    const FileRead read = readOwnFile(clubFilePath, 4096);
    if (read.status == ReadStatus::Ok && clubFileAsksForRussian(read.content)) {
        return Russian;
    }
    return isLanguage(settingsLanguage) ? settingsLanguage : English;
}

}  // namespace olk
