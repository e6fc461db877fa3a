#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <charconv>
#include <optional>

#include "core/cp1251.h"
#include "records/fixed_text.h"
#include "records/record_io.h"
#include "settings/address_cipher.h"
#include "settings/language.h"

namespace olk {

Settings::Settings()
    : serviceAddress(defaultServiceAddress()), statisticsAddress(defaultStatisticsAddress())
{
}

namespace {

std::optional<int> decimal(const QByteArray& text, int min, int max)
{
    int value = 0;
    const char* end = text.constData() + text.size();
    const auto [ptr, ec] = std::from_chars(text.constData(), end, value);
    if (text.isEmpty() || ec != std::errc() || ptr != end || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

// A digit character in min..max, or nothing.
std::optional<int> digit(char c, int min, int max)
{
    if (c < '0' || c > '9' || c - '0' < min || c - '0' > max) {
        return std::nullopt;
    }
    return c - '0';
}

QString fromFile(const QByteArray& bytes)
{
    return QString::fromStdString(cp1251::toUtf8(bytes.toStdString()));
}

// Text for the file: Windows-1251, characters it cannot hold as "?", and no
// line breaks that would shift every later line.
QByteArray toFile(const QString& text)
{
    return QByteArray::fromStdString(cp1251::fromUtf8Lossy(text.toStdString()));
}

void readGeneralFlags(const QByteArray& line, Settings& s)
{
    const Settings defaults;
    auto at = [&line](int pos) -> std::optional<char> {
        return pos < line.size() ? std::optional<char>(line[pos]) : std::nullopt;
    };
    if (auto c = at(0)) {
        s.language = digit(*c, 0, 9).value_or(defaults.language);
    }
    if (auto c = at(1)) {
        switch (*c) {
        case '0':
            s.soundOn = s.musicOn = false;
            break;
        case '2':
            s.soundOn = true;
            s.musicOn = false;
            break;
        case '3':
            s.soundOn = false;
            s.musicOn = true;
            break;
        default:
            s.soundOn = s.musicOn = true;
            break;
        }
    }
    if (auto c = at(2)) {
        s.gifAnimation = *c != '0';
    }
    if (auto c = at(3)) {
        s.flyingCards = *c != '0';
    }
    if (auto c = at(4)) {
        s.clubListMode = *c == '2' ? 2 : 1;
    }
    if (auto c = at(5)) {
        s.networkMode = *c == '1';
    }
    if (auto c = at(6)) {
        s.ownCursor = *c != '0';
    }
    if (auto c = at(7)) {
        s.flightSpeed = digit(*c, 1, 6).value_or(defaults.flightSpeed);
    }
    if (auto c = at(8)) {
        s.windowSize = digit(*c, 1, 5).value_or(defaults.windowSize);
    }
    if (auto c = at(9)) {
        s.statRegistered = *c == 'R';
    }
    if (auto c = at(10)) {
        s.likeSent = *c == 'L';
    }
    if (auto c = at(11)) {
        s.radioListFromServer = *c == '0';
    }
    if (auto c = at(12)) {
        s.captionColour = digit(*c, 1, 7).value_or(defaults.captionColour);
    }
    if (auto c = at(13)) {
        s.newButtons = *c == '1';
    }
    if (auto c = at(14)) {
        s.auxDesignPurple = *c == '1';
    }
    if (auto c = at(15)) {
        s.auxDesignGrey = digit(*c, 1, 3).value_or(defaults.auxDesignGrey);
    }
    if (auto c = at(16)) {
        s.menuDesign = digit(*c, 0, 1).value_or(defaults.menuDesign);
    }
    if (auto c = at(17)) {
        s.tableDesign = digit(*c, 0, 1).value_or(defaults.tableDesign);
    }
    if (auto c = at(18)) {
        s.saluteButtons = digit(*c, 0, 1).value_or(defaults.saluteButtons) == 1;
    }
    if (auto c = at(19)) {
        s.saluteCards = digit(*c, 0, 1).value_or(defaults.saluteCards) == 1;
    }
}

// The continent digit 1..6 and the largest country number of each.
bool isCountryCode(const QByteArray& code)
{
    static constexpr int kLimits[] = {48, 51, 35, 14, 23, 54};
    if (code.size() != 5 || code[1] != '-') {
        return false;
    }
    const auto continent = digit(code[0], 1, 6);
    return continent && decimal(code.mid(2, 3), 0, kLimits[*continent - 1]).has_value();
}

// Interprets lines 2..35; returns true when it got to the end without a
// stop. `line(n)` is line n of the file, 1-based.
template <typename Line>
bool interpret(const Line& line, Settings& s)
{
    const Settings defaults;
    readGeneralFlags(line(2), s);
    s.cardSet = decimal(line(4), 0, 255).value_or(defaults.cardSet);

    if (line(6).size() < 3) {
        return false;
    }
    s.deckIndex = decimal(line(6).left(2), 0, 12).value_or(defaults.deckIndex);
    s.deckAlwaysOne = line(6)[2] == '1';

    if (!line(8).isEmpty()) {
        s.threeOfAKind30 = line(8)[0] != '0';
    }
    if (line(8).size() >= 2) {
        s.punishKnocker = line(8)[1] != '0';
    }

    QString* names[] = {&s.fontDecor, &s.fontSerif, &s.fontFixed, &s.fontConew};
    for (int i = 0; i < 4; ++i) {
        if (line(10 + i).size() < 2) {
            return false;
        }
        *names[i] = fromFile(line(10 + i));
    }
    int* scales[] = {&s.scaleDecor, &s.scaleSerif, &s.scaleFixed, &s.scaleConew};
    for (int i = 0; i < 4; ++i) {
        if (line(14 + i).isEmpty()) {
            return false;
        }
        // A scale of 0 or a huge one would make the family unreadable.
        *scales[i] = decimal(line(14 + i), 10, 1000).value_or(100);
    }

    if (line(19).isEmpty()) {
        return false;
    }
    s.serverAddress = fromFile(line(19));
    if (line(20).isEmpty()) {
        return false;
    }
    s.serverPort = fromFile(line(20));

    if (line(21).isEmpty() || line(22).isEmpty()) {
        return false;
    }
    if (line(22).size() >= 3) {
        s.background = decimal(line(22).left(2), 1, 10).value_or(defaults.background);
        s.backgroundColour = digit(line(22)[2], 0, 6).value_or(defaults.backgroundColour);
    }

    if (line(23).isEmpty() || line(24).isEmpty()) {
        return false;
    }
    s.playerName = fromFile(line(24));

    if (line(26).isEmpty()) {
        return false;
    }
    s.serviceAddress = line(26);
    if (line(27).isEmpty()) {
        return false;
    }
    s.passportNick = fromFile(line(27).left(12));
    if (line(28).size() != 5) {
        return false;
    }
    if (isCountryCode(line(28))) {
        s.passportCountry = fromFile(line(28));
    }
    if (line(29).isEmpty()) {
        return false;
    }
    s.passportCity = fromFile(line(29).left(15));
    if (line(30).isEmpty()) {
        return false;
    }
    const char sex = line(30)[0];
    s.passportSex = QString(QChar(sex == 'W' ? 'W' : 'M'));
    if (!line(31).isEmpty()) {
        s.statisticsAddress = line(31);
    }

    s.saveGamesAsGif = line(33) == QByteArray(1, '\xE8');
    s.gifArea = decimal(line(34), 1, 2).value_or(defaults.gifArea);
    s.gifFrameDelay = decimal(line(35), 10, 60000).value_or(defaults.gifFrameDelay);
    return true;
}

QByteArray flag(bool on)
{
    return on ? "1" : "0";
}

}  // namespace

SettingsRead settingsFromLines(const QList<QByteArray>& lines)
{
    SettingsRead read;
    if (lines.size() < kSettingsLines) {
        return read;
    }
    auto line = [&lines](int n) -> const QByteArray& { return lines[n - 1]; };
    read.complete = interpret(line, read.settings);
    if (read.complete) {
        read.lines = lines.mid(0, kSettingsLines);
    }
    return read;
}

QList<QByteArray> settingsToLines(const Settings& s)
{
    QByteArray general(20, '#');
    general[0] = static_cast<char>('0' + std::clamp(s.language, 0, 9));
    general[1] = s.soundOn ? (s.musicOn ? '1' : '2') : (s.musicOn ? '3' : '0');
    general[2] = s.gifAnimation ? '1' : '0';
    general[3] = s.flyingCards ? '1' : '0';
    general[4] = s.clubListMode == 2 ? '2' : '1';
    general[5] = s.networkMode ? '1' : '0';
    general[6] = s.ownCursor ? '1' : '0';
    general[7] = static_cast<char>('0' + std::clamp(s.flightSpeed, 1, 6));
    general[8] = static_cast<char>('0' + std::clamp(s.windowSize, 1, 5));
    general[9] = s.statRegistered ? 'R' : '#';
    general[10] = s.likeSent ? 'L' : '#';
    general[11] = s.radioListFromServer ? '0' : '1';
    general[12] = static_cast<char>('0' + std::clamp(s.captionColour, 1, 7));
    general[13] = s.newButtons ? '1' : '0';
    general[14] = s.auxDesignPurple ? '1' : '0';
    general[15] = static_cast<char>('0' + std::clamp(s.auxDesignGrey, 1, 3));
    general[16] = s.menuDesign == 1 ? '1' : '0';
    general[17] = s.tableDesign == 1 ? '1' : '0';
    general[18] = s.saluteButtons ? '1' : '0';
    general[19] = s.saluteCards ? '1' : '0';

    QByteArray deck = QByteArray::number(std::clamp(s.deckIndex, 0, 99));
    if (deck.size() == 1) {
        deck.prepend('0');
    }
    deck += flag(s.deckAlwaysOne);

    QByteArray options(6, '#');
    options[0] = s.threeOfAKind30 ? '1' : '0';
    options[1] = s.punishKnocker ? '1' : '0';

    QByteArray background = QByteArray::number(std::clamp(s.background, 0, 99)) +
                            QByteArray::number(std::clamp(s.backgroundColour, 0, 9));
    if (background.size() == 2) {
        background.prepend('0');
    }

    auto orDefault = [](const QByteArray& value, const QByteArray& fallback) {
        return value.isEmpty() ? fallback : value;
    };

    return {
        "<# General>",
        general,
        "<# Cards>",
        QByteArray::number(s.cardSet),
        "<# Decks>",
        deck,
        "<# Individual>",
        options,
        "<# Fonts>",
        toFile(s.fontDecor),
        toFile(s.fontSerif),
        toFile(s.fontFixed),
        toFile(s.fontConew),
        QByteArray::number(s.scaleDecor),
        QByteArray::number(s.scaleSerif),
        QByteArray::number(s.scaleFixed),
        QByteArray::number(s.scaleConew),
        "<# IP & Port>",
        toFile(s.serverAddress),
        toFile(s.serverPort),
        "<# Background>",
        background,
        "<# Name Of Player>",
        toFile(s.playerName),
        "<# World Top Ten>",
        orDefault(s.serviceAddress, defaultServiceAddress()),
        toFile(s.passportNick),
        toFile(s.passportCountry),
        toFile(s.passportCity),
        toFile(s.passportSex),
        orDefault(s.statisticsAddress, defaultStatisticsAddress()),
        "<# Save Games as GIF>",
        QByteArray(1, s.saveGamesAsGif ? '\xE8' : '\xEB'),
        QByteArray::number(s.gifArea),
        QByteArray::number(s.gifFrameDelay),
    };
}

SettingsRead loadSettings(const QString& folder)
{
    // A real settings file is about a kilobyte; anything far larger is not one.
    constexpr qint64 kLimit = 1 << 20;
    const FileRead read =
        readOwnFile(QDir(folder).filePath(QString::fromLatin1(kSettingsFileName)), kLimit);
    SettingsRead result;
    if (read.status == ReadStatus::Ok) {
        result = settingsFromLines(splitLines(read.content));
    }
    const FileRead consent = readOwnFile(
        QDir(folder).filePath(QString::fromLatin1(kStatisticsConsentFileName)), 64);
    if (consent.status == ReadStatus::Ok) {
        const QByteArray answer = consent.content.trimmed();
        if (answer == "1" || answer == "0") {
            result.settings.sendStatistics = answer == "1";
        }
    }
    return result;
}

SettingsRead loadStartupSettings(const QString& folder)
{
    SettingsRead read = loadSettings(folder);
    read.settings.language =
        startupLanguage(read.settings.language, QDir(folder).filePath(QStringLiteral("Olk.clb")));
    const Settings defaults;
    read.settings.fontDecor = defaults.fontDecor;
    read.settings.fontSerif = defaults.fontSerif;
    read.settings.fontFixed = QStringLiteral("Fixedsys");
    read.settings.fontConew = defaults.fontConew;
    return read;
}

bool saveSettings(const QString& folder, const Settings& settings, const QList<QByteArray>& asRead)
{
    const QList<QByteArray> lines = settingsToLines(settings);
    // What the program would write for the values it read: where the new
    // line says the same, the value is unchanged and the old bytes stay.
    const QList<QByteArray> readValues = asRead.size() == kSettingsLines
                                             ? settingsToLines(settingsFromLines(asRead).settings)
                                             : QList<QByteArray>();
    QByteArray content;
    for (int i = 0; i < lines.size(); ++i) {
        const bool unchanged = i < readValues.size() && readValues[i] == lines[i] &&
                               !asRead[i].contains('\n') && !asRead[i].contains('\r');
        content += unchanged ? asRead[i] : lines[i];
        content += "\r\n";
    }
    const QString path = QDir(folder).filePath(QString::fromLatin1(kSettingsFileName));
    // A second attempt, as a busy file may refuse the first.
    const bool saved = writeOwnFile(path, content) || writeOwnFile(path, content);
    if (!settings.sendStatistics) {
        return saved;
    }
    const QString consent =
        QDir(folder).filePath(QString::fromLatin1(kStatisticsConsentFileName));
    const QByteArray answer = *settings.sendStatistics ? "1\r\n" : "0\r\n";
    return (writeOwnFile(consent, answer) || writeOwnFile(consent, answer)) && saved;
}

int scaledFontHeight(int size, int percent)
{
    // Integer arithmetic keeps the halves exact: size * percent / 100 with
    // the remainder deciding, and a remainder of exactly 50 going to even.
    const long long product = static_cast<long long>(size) * percent;
    long long quotient = product / 100;
    long long remainder = product % 100;
    if (remainder < 0) {
        remainder += 100;
        --quotient;
    }
    if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) {
        ++quotient;
    }
    return static_cast<int>(quotient);
}

}  // namespace olk
