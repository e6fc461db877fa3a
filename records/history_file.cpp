#include "records/history_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "core/rounding.h"
#include "records/fixed_text.h"
#include "records/record_io.h"

namespace olk {

namespace {

struct Sums {
    long long all = 0;
    long long even = 0;
    long long third = 0;
};

Sums sumsOf(const QByteArray& line)
{
    Sums s;
    const int end = std::min<int>(99, static_cast<int>(line.size()));
    for (int i = 0; i < end; ++i) {
        const int position = i + 1;
        const int byte = static_cast<unsigned char>(line[i]);
        s.all += byte;
        if (position % 2 == 0 && position <= 98) {
            s.even += byte;
        }
        if (position % 3 == 0) {
            s.third += byte;
        }
    }
    return s;
}

QByteArray ratingText(double rating)
{
    const long long hundredths = roundHalfEven(rating * 100);
    QByteArray digits =
        QByteArray::number(hundredths < 0 ? -hundredths : hundredths).rightJustified(3, '0');
    digits.insert(digits.size() - 2, ',');
    if (hundredths < 0) {
        digits.prepend('-');
    }
    return digits;
}

bool isSignature(const QByteArray& line)
{
    return line.startsWith("$\xB8}");
}

QByteArray checksumLine(const QList<QByteArray>& lines)
{
    Sums total;
    for (const QByteArray& line : lines) {
        const Sums s = sumsOf(line);
        total.all += s.all;
        total.even += s.even;
        total.third += s.third;
    }
    auto ten = [](long long v) { return QByteArray::number(v).rightJustified(10, '0'); };
    return ten(total.all) + ten(total.even) + ten(total.third);
}

}  // namespace

QString historyDateText(const QDate& date)
{
    const QString text = QLocale::system().toString(date, QLocale::ShortFormat);
    return text.size() <= 10 ? text : date.toString(QStringLiteral("dd.MM.yyyy"));
}

QByteArray historyLineSums(const QByteArray& line)
{
    const Sums s = sumsOf(line);
    auto five = [](long long v) { return QByteArray::number(v).rightJustified(5, '0'); };
    return five(s.all) + five(s.even) + five(s.third);
}

QByteArray historyEntryLine(const HisStr& entry, const QByteArray& time, const QByteArray& date)
{
    static const char* kKinds = "LATN";
    const char kind = entry.Ac >= 0 && entry.Ac <= 3 ? kKinds[entry.Ac] : 'L';
    QByteArray line = rightAligned(time, 5) + rightAligned(date, 10) +
                      leftAligned(entry.HName, 51) +
                      rightAligned(QByteArray::number(entry.HKon), 3) +
                      rightAligned(QByteArray::number(entry.HRes), 10) +
                      rightAligned(ratingText(entry.HRei), 10) + kind + QByteArray(9, '#');
    return line + historyLineSums(line);
}

QByteArray historySignatureLine()
{
    const QByteArray line = QByteArray("$\xB8}") + QByteArray(96, '#');
    return line + historyLineSums(line);
}

HistoryCheck checkHistory(const QByteArray& content)
{
    HistoryCheck check;
    const QList<QByteArray> lines = splitLines(content);
    int signature = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].size() <= 113) {
            return check;
        }
        if (isSignature(lines[i])) {
            signature = i;
            break;
        }
    }
    if (signature < 0 || signature + 1 >= lines.size() || lines[signature + 1].size() < 30) {
        return check;
    }
    if (lines[signature + 1].left(30) != checksumLine(lines.mid(0, signature + 1))) {
        return check;
    }
    check.valid = true;
    check.entries = signature;
    return check;
}

QList<QByteArray> historyEntries(const QByteArray& content)
{
    const HistoryCheck check = checkHistory(content);
    return check.valid ? splitLines(content).mid(0, check.entries) : QList<QByteArray>();
}

QString historyFilePath(const QString& programFolder, const QString& clubFileName, int number)
{
    const QString base = QFileInfo(clubFileName).completeBaseName();
    return QDir(programFolder)
        .filePath(
            QStringLiteral("History/%1_I%2.hst").arg(base).arg(number, 4, 10, QLatin1Char('0')));
}

bool appendHistory(const QString& programFolder, const QString& clubFileName, const HisStr& entry,
                   const QByteArray& time, const QByteArray& date)
{
    if (!QDir(programFolder).mkpath(QStringLiteral("History"))) {
        return false;
    }
    for (int number = 1; number <= 9999; ++number) {
        const QString path = historyFilePath(programFolder, clubFileName, number);
        QList<QByteArray> lines;
        // A full file is about 100 KB; a larger one is not a history file.
        const FileRead read = readOwnFile(path, 4 << 20);
        if (read.status == ReadStatus::Unreadable) {
            return false;
        }
        if (read.status == ReadStatus::Ok) {
            const QByteArray& content = read.content;
            const HistoryCheck check = checkHistory(content);
            if (check.valid && check.entries >= kHistoryEntriesPerFile) {
                continue;
            }
            if (check.valid) {
                lines = historyEntries(content);
            } else {
                // Keep a damaged history: move it aside and start the number anew.
                QString aside = path + QStringLiteral(".damaged");
                for (int k = 2; QFile::exists(aside); ++k) {
                    aside = path + QStringLiteral(".damaged%1").arg(k);
                }
                if (!QFile::rename(path, aside)) {
                    return false;
                }
            }
        }
        lines.append(historyEntryLine(entry, time, date));
        lines.append(historySignatureLine());
        lines.append(checksumLine(lines));
        QByteArray content;
        for (const QByteArray& line : lines) {
            content += line + "\r\n";
        }
        return writeOwnFile(path, content);
    }
    return false;
}

}  // namespace olk
