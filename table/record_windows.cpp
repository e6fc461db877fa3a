#include "table/record_windows.h"

#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/cp1251.h"
#include "core/rounding.h"
#include "extras/card_pictures.h"
#include "extras/draw_stretched.h"
#include "extras/cards_button.h"
#include "records/club_file.h"
#include "records/history_file.h"
#include "records/record_io.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"
#include "table/progress_chart.h"

namespace olk {

namespace {

QString withSign(long long value)
{
    return QString::number(value);
}

// The shared frame of the record windows: a title, the content and "Ok".
class RecordWindow : public QDialog {
public:
    RecordWindow(QWidget* parent, const QString& title) : QDialog(parent)
    {
        setWindowTitle(title);
        setModal(true);
        m_layout = new QVBoxLayout(this);
        m_layout->setContentsMargins(20, 16, 20, 16);
        m_layout->setSpacing(10);
        // Never smaller than what the texts need.
        m_layout->setSizeConstraint(QLayout::SetMinimumSize);
    }

    QVBoxLayout* content() { return m_layout; }

    void finish(const Settings& settings)
    {
        auto* ok = new TevCardsButton(text(Text::Ok), this);
        ok->setFont(familyFont(settings, FontFamily::Decor, 16));
        ok->setDefault(true);
        ok->setMinimumWidth(90);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        m_layout->addWidget(ok, 0, Qt::AlignHCenter);
    }

private:
    QVBoxLayout* m_layout;
};

// A picture strip of 160 x 200 frames played one frame every 80 ms; once or
// over and over.
class AnimatedStrip : public QLabel {
public:
    AnimatedStrip(const QString& strip, bool loop, QWidget* parent)
        : QLabel(parent), m_source(builtInPicture(strip)), m_loop(loop)
    {
        setFixedSize(160, 200);
        showFrame();
        m_timer.setInterval(80);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            const int frames = std::max(1, m_source.width() / 160);
            if (m_frame + 1 >= frames && !m_loop) {
                m_timer.stop();
                return;
            }
            m_frame = (m_frame + 1) % frames;
            showFrame();
        });
        m_timer.start();
    }

private:
    void showFrame()
    {
        // The strip is resampled once to the screen's pixels.
        const qreal ratio = devicePixelRatioF();
        if (m_strip.isNull() || m_strip.devicePixelRatio() != ratio) {
            m_strip = devicePicture(m_source, m_source.size(), ratio);
        }
        QImage frame = m_strip.copy(deviceRect(QRect(160 * m_frame, 0, 160, 200), ratio));
        frame.setDevicePixelRatio(ratio);
        setPixmap(QPixmap::fromImage(frame));
    }

    QImage m_source;
    QImage m_strip;
    bool m_loop;
    int m_frame = 0;
    QTimer m_timer;
};

}  // namespace

QString ratingWithTwoDecimals(double rating)
{
    const long long hundredths = roundHalfEven(rating * 100);
    QString digits =
        QString::number(hundredths < 0 ? -hundredths : hundredths).rightJustified(3, '0');
    digits.insert(digits.size() - 2, QLatin1Char(','));
    return hundredths < 0 ? QLatin1Char('-') + digits : digits;
}

QImage medalPicture(int place)
{
    QImage medal = builtInPicture(QStringLiteral("Medal"));
    if (!medal.isNull()) {
        QPainter p(&medal);
        p.drawImage(QRect(28, 78, 64, 64),
                    builtInPicture(QStringLiteral("Place%1").arg(place, 2, 10, QLatin1Char('0'))));
    }
    return medal;
}

QStringList countTexts(const TableState& state, const Profile& profile, CountKind kind)
{
    const int inCycle =
        state.dealNumber % kCycleDeals == 0 ? kCycleDeals : state.dealNumber % kCycleDeals;
    const double ratingNow =
        newRating(profile.dealNumber, profile.rating, state.gameScore, state.dealNumber);
    const QString unknown = QStringLiteral("?");
    return {
        QString::number(state.dealNumber),
        kind == CountKind::Tournament ? QStringLiteral("-")
        : kind == CountKind::Account  ? QString::number(profile.dealNumber + state.gameDeals)
                                      : QString::number(inCycle),
        withSign(state.scoreBase),
        withSign(state.gameScore),
        withSign(static_cast<long long>(state.scoreBase) + state.gameScore),
        kind == CountKind::Club ? ratingWithTwoDecimals(profile.rating).rightJustified(6)
                                : QString::number(roundHalfEven(profile.rating)),
        kind == CountKind::Club ? ratingWithTwoDecimals(ratingNow).rightJustified(6) : unknown,
    };
}

void showCount(QWidget* parent, const Settings& settings, const TableState& state,
               const Profile& profile, CountKind kind)
{
    RecordWindow window(parent, text(Text::Player) + QStringLiteral(":  ") +
                                    QString::fromStdString(profile.name).trimmed());
    auto* heading = new QLabel(text(Text::InformationAboutGame), &window);
    heading->setFont(familyFont(settings, FontFamily::Decor, 22));
    heading->setAlignment(Qt::AlignCenter);
    window.content()->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    const Text labels[] = {Text::GeneralNumberOfGame, Text::RoundInCycle,    Text::TheInitialScore,
                           Text::TheCurrentScore,     Text::TheGeneralScore, Text::TheInitialRating,
                           Text::TheCurrentRating};
    const QStringList values = countTexts(state, profile, kind);
    const QFont font = familyFont(settings, FontFamily::Serif, 16);
    QFont valueFont = familyFont(settings, FontFamily::Fixed, 16);
    valueFont.setBold(true);
    for (int row = 0; row < 7; ++row) {
        auto* label = new QLabel(text(labels[row]), &window);
        label->setFont(font);
        auto* value = new QLabel(values[row], &window);
        value->setFont(valueFont);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
    }
    // The account lamp (red: no account is logged in) and the kind of game.
    auto* pictures = new QHBoxLayout;
    auto* lamp = new QLabel(&window);
    lamp->setPixmap(QPixmap::fromImage(builtInPicture(QStringLiteral("Lamp1"))));
    pictures->addWidget(lamp, 0, Qt::AlignBottom);
    pictures->addLayout(grid, 1);
    pictures->addWidget(new AnimatedStrip(QStringLiteral("GifMenu1"), true, &window));
    window.content()->addLayout(pictures);
    window.finish(settings);
    window.exec();
}

const char* endOfCycleSound(int place)
{
    if (place == 1) {
        return "WFiBest";
    }
    return place >= 2 && place <= 10 ? "WFiGood" : "WFiBads";
}

QStringList endOfCycleLines(const CycleEnd& end)
{
    using Kind = CycleEnd::Kind;
    const QString result = text(Text::ResultColon) + QString::number(end.score);
    QStringList lines;
    if (end.place == 1) {
        lines = {text(Text::Congratulations), text(Text::YourResultTheBest), result};
        // A local game played while logged in earns no title.
        if (end.kind != Kind::LocalLoggedIn) {
            lines << text(end.kind == Kind::Network   ? Text::BachelorOfOrder
                          : end.kind == Kind::Account ? Text::VicePresidentOfOrder
                                                      : Text::MasterOfOrder);
        }
    } else if (end.place >= 2 && end.place <= 10) {
        lines = {text(Text::Congratulations), text(Text::GoodResult), result,
                 text(Text::HittedTopTen)};
    } else {
        const QString placed = end.kind == Kind::Account && end.place > 10
                                   ? result + QLatin1String(" ; ") + text(Text::PlaceColon) +
                                         QString::number(end.place)
                                   : result;
        lines = {text(Text::OurRegrets), text(Text::YourResultKeepsToWishBest), placed,
                 text(Text::NotHittedTopTen)};
    }
    if (end.kind == Kind::Account && end.bonus > 0) {
        lines << text(Text::YouGet) + QLatin1Char(' ') + QString::number(end.bonus) +
                     QLatin1Char(' ') + text(Text::Tevs) + QLatin1String("!!!");
    }
    return lines;
}

void showEndOfCycle(QWidget* parent, const Settings& settings, const CycleEnd& end)
{
    RecordWindow window(parent, text(Text::TheCompletionOfGame));
    const QStringList lines = endOfCycleLines(end);
    const bool inTopTen = end.place >= 1 && end.place <= 10;
    const int sizes[] = {32, 28, 22, inTopTen ? 22 : 20, 22};
    auto* row = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    for (int i = 0; i < lines.size(); ++i) {
        auto* label = new QLabel(lines[i], &window);
        QFont font = familyFont(settings, FontFamily::Decor, sizes[i]);
        font.setBold(i == 0);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        if (i == 0) {
            label->setStyleSheet(inTopTen ? QStringLiteral("color: #b00000")
                                          : QStringLiteral("color: #303060"));
        }
        texts->addWidget(label);
    }
    // Best, good or bad: the bad one plays over and over.
    row->addWidget(new AnimatedStrip(
        end.place == 1 ? QStringLiteral("GifBest")
                       : (inTopTen ? QStringLiteral("GifMenu2") : QStringLiteral("GifMenu1")),
        !inTopTen, &window));
    row->addLayout(texts, 1);
    if (inTopTen) {
        // The medal with the place number on it.
        auto* picture = new QLabel(&window);
        picture->setPixmap(QPixmap::fromImage(medalPicture(end.place)));
        row->addWidget(picture, 0, Qt::AlignVCenter);
    }
    window.content()->addLayout(row);
    window.finish(settings);
    window.setMinimumWidth(520);
    window.exec();
}

void showTopTen(QWidget* parent, const Settings& settings, const QList<QByteArray>& topTenLines,
                bool network)
{
    RecordWindow window(parent, text(Text::TopTen));
    auto* heading =
        new QLabel(text(network ? Text::WindowsNetGames : Text::WindowsLocalGames), &window);
    heading->setFont(familyFont(settings, FontFamily::Decor, 20));
    heading->setAlignment(Qt::AlignCenter);
    window.content()->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    QFont bold = familyFont(settings, FontFamily::Serif, 17);
    bold.setBold(true);
    auto* nameHeading = new QLabel(text(Text::TopTen), &window);
    auto* scoreHeading = new QLabel(text(Text::Score), &window);
    for (QLabel* label : {nameHeading, scoreHeading}) {
        label->setFont(bold);
    }
    grid->addWidget(nameHeading, 0, 1);
    grid->addWidget(scoreHeading, 0, 2, Qt::AlignRight);
    const QFont rowFont = familyFont(settings, FontFamily::Fixed, 17);
    for (int place = 1; place <= 10 && place <= topTenLines.size(); ++place) {
        const QByteArray& line = topTenLines[place - 1];
        const QString colour =
            place <= 3 ? QStringLiteral("color: #c00000;") : QStringLiteral("color: #000080;");
        const QStringList cells = {QString::number(place) + QLatin1Char('.'), playerName(line),
                                   QString::fromLatin1(line.mid(20, 6).trimmed())};
        for (int column = 0; column < 3; ++column) {
            auto* label = new QLabel(cells[column], &window);
            label->setFont(rowFont);
            label->setStyleSheet(colour);
            grid->addWidget(label, place, column, column == 1 ? Qt::AlignLeft : Qt::AlignRight);
        }
    }
    window.content()->addLayout(grid);
    window.finish(settings);
    window.setMinimumWidth(460);
    window.exec();
}

void showHistory(QWidget* parent, const Settings& settings, const QString& programFolder,
                 const QString& clubFileName)
{
    RecordWindow window(parent, text(Text::HistoryOfGames));
    auto* row = new QHBoxLayout;
    auto* files = new QListWidget(&window);
    auto* table = new QTableWidget(0, 7, &window);
    files->setFont(familyFont(settings, FontFamily::Serif, 14));
    table->setFont(familyFont(settings, FontFamily::Serif, 13));
    table->setHorizontalHeaderLabels({text(Text::Time), text(Text::Date), text(Text::Player),
                                      text(Text::Games), text(Text::Result), text(Text::Rating),
                                      text(Text::Type)});
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(table->font()).height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab goes on to the next control; the arrow keys move through the rows.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    // The scroll bar has its own room beside the last column.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QList<QString> paths;
    QList<QList<QByteArray>> entriesOf;
    for (int number = 1; number <= 9999; ++number) {
        const QString path = historyFilePath(programFolder, clubFileName, number);
        const FileRead read = readOwnFile(path, 4 << 20);
        if (read.status != ReadStatus::Ok || !checkHistory(read.content).valid) {
            break;
        }
        paths.append(path);
        entriesOf.append(historyEntries(read.content));
        auto* item = new QListWidgetItem(
            text(Text::HistoryFile) + QStringLiteral("I") +
                QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0')) + QLatin1Char(' ') +
                historyDateText(QFileInfo(path).lastModified().date()),
            files);
        item->setForeground(number % 2 ? QColor(0, 0, 128) : QColor(128, 0, 0));
    }
    if (paths.isEmpty()) {
        auto* item = new QListWidgetItem(text(Text::NoHistoryFiles), files);
        item->setFlags(Qt::NoItemFlags);
    }

    // Columns of 45, 65, 210, 45, 55, 55 and 80 units, each widened where a
    // language's header or the longest value needs more, so nothing is cut.
    const Text types[] = {Text::GameTypeLocal, Text::GameTypeNet, Text::GameTypeAccount,
                          Text::GameTypeTourney};
    const int starts[] = {0, 5, 15, 66, 69, 79};
    const int lengths[] = {5, 10, 51, 3, 10, 10};
    auto field = [&](const QByteArray& line, int column) {
        return QString::fromStdString(
            cp1251::toUtf8(line.mid(starts[column], lengths[column]).trimmed().toStdString()));
    };
    const int units[] = {45, 65, 210, 45, 55, 55, 80};
    const QFontMetrics cellMetrics(table->font());
    const QFontMetrics headerMetrics(table->horizontalHeader()->font());
    constexpr int kPadding = 14;
    int tableWidth = 0;
    for (int column = 0; column < 7; ++column) {
        int wanted =
            std::max(units[column],
                     headerMetrics.horizontalAdvance(table->horizontalHeaderItem(column)->text()) +
                         kPadding);
        if (column == 6) {
            for (Text type : types) {
                wanted = std::max(wanted, cellMetrics.horizontalAdvance(text(type)) + kPadding);
            }
        } else {
            for (const QList<QByteArray>& entries : entriesOf) {
                for (const QByteArray& line : entries) {
                    wanted = std::max(
                        wanted, cellMetrics.horizontalAdvance(field(line, column)) + kPadding);
                }
            }
        }
        table->setColumnWidth(column, wanted);
        tableWidth += wanted;
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->setFixedWidth(tableWidth + table->verticalScrollBar()->sizeHint().width() +
                         2 * table->frameWidth());
    table->setMinimumHeight(320);

    // 180 units for up to 16 files, 193 with room for a scroll bar; wider
    // only where an item's text needs it.
    int listWidth = paths.size() > 16 ? 193 : 180;
    for (int i = 0; i < files->count(); ++i) {
        listWidth =
            std::max(listWidth, files->fontMetrics().horizontalAdvance(files->item(i)->text()) +
                                    (paths.size() > 16 ? 30 : 16));
    }
    files->setFixedWidth(listWidth);
    files->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto showFile = [&](int index) {
        table->setRowCount(0);
        if (index < 0 || index >= paths.size()) {
            return;
        }
        const QList<QByteArray>& entries = entriesOf[index];
        table->setRowCount(static_cast<int>(entries.size()));
        for (int r = 0; r < entries.size(); ++r) {
            const QByteArray& line = entries[r];
            const char kind = line.size() > 89 ? line[89] : 'L';
            const Text typeText = kind == 'N'   ? Text::GameTypeNet
                                  : kind == 'A' ? Text::GameTypeAccount
                                  : kind == 'T' ? Text::GameTypeTourney
                                                : Text::GameTypeLocal;
            const QColor colour = kind == 'N'   ? QColor(0, 128, 0)
                                  : kind == 'A' ? QColor(192, 0, 0)
                                  : kind == 'T' ? QColor(0, 0, 192)
                                                : table->palette().color(QPalette::Text);
            for (int column = 0; column < 7; ++column) {
                auto* item =
                    new QTableWidgetItem(column < 6 ? field(line, column) : text(typeText));
                item->setForeground(colour);
                item->setTextAlignment(column == 2 ? (Qt::AlignLeft | Qt::AlignVCenter)
                                                   : Qt::AlignCenter);
                table->setItem(r, column, item);
            }
        }
        table->scrollToBottom();
    };
    // The newest file is shown first, unless another one was chosen earlier
    // in this run and is still there.
    static QString chosenBefore;
    QObject::connect(files, &QListWidget::currentRowChanged, &window, [&](int index) {
        showFile(index);
        if (index >= 0 && index < paths.size()) {
            chosenBefore = paths[index];
        }
    });
    if (!paths.isEmpty()) {
        const qsizetype before = paths.indexOf(chosenBefore);
        files->setCurrentRow(static_cast<int>(before >= 0 ? before : paths.size() - 1));
    }
    row->addWidget(files);
    row->addWidget(table);
    window.content()->addLayout(row);

    // "Chart": the progress of the player of the chosen row (the latest row
    // when none is chosen) over all the files; disabled while that player
    // has no games.
    QList<QByteArray> allEntries;
    for (const QList<QByteArray>& entries : entriesOf) {
        allEntries.append(entries);
    }
    auto* chartButton = new QPushButton(text(Text::ChartButton), &window);
    chartButton->setObjectName(QStringLiteral("ChartButton"));
    chartButton->setFont(familyFont(settings, FontFamily::Serif, 14));
    auto chosenPlayer = [&]() -> QString {
        const int index = files->currentRow();
        if (index < 0 || index >= entriesOf.size() || entriesOf[index].isEmpty()) {
            return {};
        }
        const int r = table->currentRow();
        const QList<QByteArray>& entries = entriesOf[index];
        return historyLinePlayer(entries[r >= 0 && r < entries.size() ? r : entries.size() - 1]);
    };
    auto updateChartButton = [&] {
        chartButton->setEnabled(!progressSeries(allEntries, chosenPlayer()).points.isEmpty());
    };
    QObject::connect(table, &QTableWidget::currentCellChanged, &window, updateChartButton);
    QObject::connect(files, &QListWidget::currentRowChanged, &window, updateChartButton);
    updateChartButton();
    QObject::connect(chartButton, &QPushButton::clicked, &window, [&] {
        QDialog chartWindow(&window);
        chartWindow.setObjectName(QStringLiteral("ProgressChartWindow"));
        chartWindow.setWindowTitle(text(Text::ChartProgress));
        auto* layout = new QVBoxLayout(&chartWindow);
        auto* chart = new ProgressChart(settings, &chartWindow);
        chart->setSeries(progressSeries(allEntries, chosenPlayer()));
        layout->addWidget(chart, 1);
        auto* close = new TevCardsButton(text(Text::Ok), &chartWindow);
        close->setFont(familyFont(settings, FontFamily::Decor, 16));
        close->setDefault(true);
        close->setMinimumWidth(90);
        QObject::connect(close, &QPushButton::clicked, &chartWindow, &QDialog::accept);
        layout->addWidget(close, 0, Qt::AlignHCenter);
        chartWindow.resize(window.size().expandedTo(chart->sizeHint()));
        chartWindow.exec();
    });
    window.content()->addWidget(chartButton, 0, Qt::AlignRight);
    window.finish(settings);
    window.setObjectName(QStringLiteral("HistoryOfGames"));
    window.exec();
}

}  // namespace olk
