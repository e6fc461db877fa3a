#include "options/option_rules.h"

#include <QUrl>

#include "extras/library_download.h"
#include "settings/address_cipher.h"

namespace olk {

QList<int> windowSizeChoices(QSize screen)
{
    QList<int> sizes{1, 2};
    const struct {
        int windowSize;
        QSize least;
    } kLarger[] = {{3, {990, 670}}, {4, {1290, 870}}, {5, {1520, 1020}}};
    for (const auto& each : kLarger) {
        if (screen.width() >= each.least.width() && screen.height() >= each.least.height()) {
            sizes.append(each.windowSize);
        }
    }
    return sizes;
}

DeckModeChoice deckModeChoice(int deckIndex, bool alwaysOne)
{
    if (deckIndex >= 8 && deckIndex <= 11) {
        return {DeckMode::Random, {false, false, true}};
    }
    return {alwaysOne ? DeckMode::AlwaysOne : DeckMode::ToChangeDecks, {true, true, false}};
}

QString graphicsLibraryFile()
{
    return QStringLiteral("TevCGraph1.dll");
}

bool saluteAvailable(const QString& programFolder)
{
    return LibraryDownload::isPresent(graphicsLibraryFile(), programFolder);
}

QString downloadFile(int index)
{
    static const char* const kFiles[kDownloadFiles] = {
        "TevCards06A.dll",   "TevCards06B.dll", "TevCards06C.dll",
        "TevBackG03.dll",    "TevCalendar01.dll", "TevRadio.rad",
        "TevRadio02.dll",    "TevCVoice3.dll",  "TevCGraph1.dll"};
    if (index < 0 || index >= kDownloadFiles) {
        return {};
    }
    return QString::fromLatin1(kFiles[index]);
}

bool dropPurpleWithoutLibrary(Settings& settings, bool graphicsLibraryPresent)
{
    const bool wantsPurple =
        settings.menuDesign == 1 || settings.tableDesign == 1 || settings.auxDesignPurple;
    if (!wantsPurple || graphicsLibraryPresent) {
        return false;
    }
    settings.menuDesign = 0;
    settings.tableDesign = 0;
    settings.auxDesignPurple = false;
    settings.auxDesignGrey = 2;
    return true;
}

QString downloadServer(const Settings& settings)
{
    const std::optional<QString> address = decipherAddress(settings.serviceAddress);
    if (!address) {
        return {};
    }
    const QUrl url(*address);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        return {};
    }
    return url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
        .toString(QUrl::RemoveUserInfo);
}

}  // namespace olk
