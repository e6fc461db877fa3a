#include "records/club_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/cp1251.h"
#include "core/rounding.h"
#include "records/fixed_text.h"

namespace olk {

namespace {

constexpr int kSummedBytes = 5 * kPlayerLineLength + 10 * kTopTenLineLength + kClubTailLength;

std::optional<int> integer(QByteArray text)
{
    text = text.trimmed();
    int value = 0;
    const char* end = text.constData() + text.size();
    const auto [ptr, ec] = std::from_chars(text.constData(), end, value);
    if (text.isEmpty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

QByteArray unusedLineText()
{
    return QByteArray(37, '#') + ' ' + QByteArray(21, '#');
}

int expectedLength(int line)
{
    return line <= 5 ? kPlayerLineLength : (line <= 15 ? kTopTenLineLength : kClubTailLength);
}

}  // namespace

ClubFile ClubFile::parse(const QByteArray& content)
{
    ClubFile club;
    const QList<QByteArray> lines = splitLines(content);
    if (lines.size() != kClubLines) {
        return club;
    }
    for (int n = 1; n <= kClubLines; ++n) {
        if (lines[n - 1].size() != expectedLength(n)) {
            return club;
        }
    }
    club.m_lines = lines;
    if (!lines[15].startsWith("\xB8}")) {
        club.m_problem = Problem::Signature;
    } else if (lines[16].mid(10, 18) != sums(lines)) {
        club.m_problem = Problem::Checksum;
    } else {
        club.m_problem = Problem::None;
    }
    return club;
}

QByteArray ClubFile::sums(const QList<QByteArray>& lines)
{
    QByteArray joined;
    for (int n = 0; n < 16 && n < lines.size(); ++n) {
        joined += lines[n];
    }
    joined = joined.left(kSummedBytes);
    long all = 0;
    long even = 0;
    long third = 0;
    for (int i = 0; i < joined.size(); ++i) {
        const int position = i + 1;
        const int byte = static_cast<unsigned char>(joined[i]);
        all += byte;
        if (position % 2 == 0) {
            even += byte;
        }
        if (position % 3 == 0) {
            third += byte;
        }
    }
    auto six = [](long value) { return QByteArray::number(value).rightJustified(6, '0'); };
    return six(all) + six(even) + six(third);
}

QByteArray ClubFile::serialize() const
{
    QList<QByteArray> lines = m_lines;
    QByteArray tail = leftAligned(lines[16], kClubTailLength);
    tail.replace(10, 18, sums(lines));
    lines[16] = tail;
    QByteArray out;
    for (const QByteArray& line : lines) {
        out += line + "\r\n";
    }
    return out;
}

bool ClubFile::isUnused(const QByteArray& playerLine)
{
    return playerLine.size() < 37 || playerLine[36] == '#';
}

QByteArray ClubFile::unusedLine()
{
    return unusedLineText();
}

void ClubFile::removePlayer(int slot)
{
    if (slot < 1 || slot > 5) {
        return;
    }
    for (int n = slot; n < 5; ++n) {
        m_lines[n - 1] = m_lines[n];
    }
    m_lines[4] = unusedLine();
}

int ClubFile::insertPlayer(QByteArray playerLine, bool cycleCompleted)
{
    int place = 0;
    if (cycleCompleted) {
        const int score = playerScore(playerLine);
        for (int n = 6; n <= 15; ++n) {
            const auto tenScore = integer(m_lines[n - 1].mid(20, 6));
            if (!tenScore || *tenScore <= score) {
                for (int k = 15; k > n; --k) {
                    m_lines[k - 1] = m_lines[k - 2];
                }
                m_lines[n - 1] = playerLine.left(20) + rightAligned(QByteArray::number(score), 6);
                place = n - 5;
                break;
            }
        }
        // A new cycle starts from zero.
        playerLine.replace(38, 6, "     0");
    }
    const double rating = playerRating(playerLine);
    for (int n = 1; n <= 5; ++n) {
        if (isUnused(m_lines[n - 1]) || playerRating(m_lines[n - 1]) <= rating) {
            for (int k = 5; k > n; --k) {
                m_lines[k - 1] = m_lines[k - 2];
            }
            m_lines[n - 1] = playerLine;
            break;
        }
    }
    return place;
}

ClubFile defaultClubFile()
{
    static const char* kNames[10] = {
        "Lucky Jack",   "Queen of Hearts", "Old King Cole", "Ace High",  "Captain Knock",
        "Miss Diamond", "The Dealer",      "Club Ten",      "Lady Luck", "Mr.X"};
    QByteArray content;
    for (int i = 0; i < 5; ++i) {
        content += unusedLineText() + "\r\n";
    }
    for (int i = 0; i < 10; ++i) {
        content +=
            leftAligned(kNames[i], 20) + rightAligned(QByteArray::number(300 - 30 * i), 6) + "\r\n";
    }
    content += QByteArray("\xB8}") + QByteArray(26, '#') + "\r\n";
    content += QByteArray("0########") + QByteArray(19, '0') + "\r\n";
    // The crafted sums are put right by one write.
    return ClubFile::parse(ClubFile::parse(content).serialize());
}

QString playerName(const QByteArray& playerLine)
{
    return QString::fromStdString(cp1251::toUtf8(playerLine.left(20).toStdString())).trimmed();
}

double playerRating(const QByteArray& playerLine)
{
    return parseRating(playerLine.mid(20, 10));
}

int playerDeals(const QByteArray& playerLine)
{
    return integer(playerLine.mid(30, 7)).value_or(0);
}

int playerScore(const QByteArray& playerLine)
{
    return integer(playerLine.mid(38, 6)).value_or(0);
}

QByteArray ratingText(double rating)
{
    const long long micro = roundHalfEven(rating * 1e6);
    QByteArray digits = QByteArray::number(micro < 0 ? -micro : micro).rightJustified(7, '0');
    digits.insert(digits.size() - 6, ',');
    if (micro < 0) {
        digits.prepend('-');
    }
    return rightAligned(digits, 10);
}

double parseRating(const QByteArray& text)
{
    double value = 0.0;
    double scale = 0.0;  // 0 before the separator, else the place of the next digit
    bool negative = false;
    for (const char c : text) {
        if (c == ' ' && value == 0.0 && scale == 0.0) {
            continue;
        }
        if (c == '-' && value == 0.0 && scale == 0.0) {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            if (scale == 0.0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else if (scale == 0.0) {
            scale = 0.1;  // the decimal separator
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

QByteArray storedPassword(const QByteArray& password)
{
    const QByteArray padded = leftAligned(password, 5);
    QByteArray out;
    for (const char c : padded) {
        out += QByteArray::number(static_cast<unsigned char>(c) + 234);
    }
    return out;
}

std::optional<QByteArray> passwordFromStored(const QByteArray& stored)
{
    if (stored.size() != 15) {
        return std::nullopt;
    }
    QByteArray password;
    for (int i = 0; i < 15; i += 3) {
        const auto value = integer(stored.mid(i, 3));
        if (!value || *value < 234 || *value > 489) {
            return std::nullopt;
        }
        password += static_cast<char>(*value - 234);
    }
    return password;
}

ClubPlayer ClubPlayer::fromLine(int slot, const QByteArray& playerLine)
{
    ClubPlayer player;
    player.slot = slot;
    player.name = playerLine.left(20);
    player.password = passwordFromStored(playerLine.mid(44, 15)).value_or(QByteArray(5, ' '));
    player.deals = playerDeals(playerLine);
    player.score = playerScore(playerLine);
    player.rating = playerRating(playerLine);
    return player;
}

std::string ClubPlayer::shownName() const
{
    return cp1251::toUtf8(name.trimmed().toStdString());
}

QByteArray makePlayerLine(const QByteArray& name, double rating, int deals, int score,
                          const QByteArray& password)
{
    // Numbers beyond their fields are held at the largest value that fits:
    // cut to its leading digits, 10,000,000 deals would read as 1,000,000.
    const int storedDeals = std::clamp(deals, 0, 9'999'999);
    const int storedScore = std::clamp(score, -99'999, 999'999);
    return leftAligned(name, 20) + ratingText(rating) +
           rightAligned(QByteArray::number(storedDeals), 7) + ' ' +
           rightAligned(QByteArray::number(storedScore), 6) + storedPassword(password.left(5));
}

double newRating(int dealsBefore, double rating, int result, int dealsNow)
{
    if (dealsNow <= 0) {
        return rating;
    }
    const double scaled = (dealsBefore * rating + result / 10.0) * 1e6 / dealsNow;
    const double value = static_cast<double>(roundHalfEven(scaled)) / 1e6;
    return std::clamp(value, -99.99, 99.99);
}

}  // namespace olk
