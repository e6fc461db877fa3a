#pragma once

#include <QByteArray>
#include <QString>

#include "core/card.h"

namespace olk {

// The ten interface languages, by their index in the settings file.
inline constexpr int kLanguageCount = 10;

enum Language : int {
    English = 0,
    Russian = 1,
    German = 2,
    French = 3,
    Spanish = 4,
    Chinese = 5,
    Italian = 6,
    Czech = 7,
    Japanese = 8,
    Korean = 9,
};

struct LanguageInfo {
    const char* locale;         // of the translation file, "ru", "zh_CN", ...
    const char* name;           // in the language selector, UTF-8, never translated
    const char* pictureSuffix;  // of pictures with lettering
    const char* voiceSuffix;    // of spoken card names
    const char* flag;           // flag picture of the options dialog
};

// Facts about language `index` (0..9; anything else gives English).
const LanguageInfo& languageInfo(int index);

// The language in use, 0..9.
int currentLanguage();

// Switches every text of the program to language `index`: installs its
// translation, and Qt sends every widget a LanguageChange event so that each
// window sets its texts again at once. An index outside 0..9 means English.
// False when the translation could not be loaded (English then stands).
bool setLanguage(int index);

// `base` followed by the picture suffix of the current language ("Cap" ->
// "CapRus"); Japanese and Korean show the English pictures.
QString pictureName(const QString& base);

// The resource name of a spoken card: suit part, rank part, "Voice" and the
// voice suffix ("Pi04VoiceJap" for the four of spades in Japanese). Empty for
// a code that is not a card.
QString voiceName(CardCode card);

// The language to start in: the settings file's, unless the local club file
// "Olk.clb" has the layout of a club file and its 17th line starts with "1",
// which asks for Russian.
int startupLanguage(int settingsLanguage, const QString& clubFilePath);
bool clubFileAsksForRussian(const QByteArray& content);

}  // namespace olk
