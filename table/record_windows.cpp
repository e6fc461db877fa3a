#include "table/record_windows.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/rounding.h"
#include "extras/card_pictures.h"
#include "records/club_file.h"
#include "settings/fonts.h"
#include "settings/word_tables.h"

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
    }

    QVBoxLayout* content() { return m_layout; }

    void finish(const Settings& settings)
    {
        auto* ok = new QPushButton(text(Text::Ok), this);
        ok->setFont(familyFont(settings, FontFamily::Decor, 16));
        ok->setDefault(true);
        ok->setMinimumWidth(90);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        m_layout->addWidget(ok, 0, Qt::AlignHCenter);
    }

private:
    QVBoxLayout* m_layout;
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

QStringList countTexts(const TableState& state, const Profile& profile)
{
    const int inCycle =
        state.dealNumber % kCycleDeals == 0 ? kCycleDeals : state.dealNumber % kCycleDeals;
    const double ratingNow =
        newRating(profile.dealNumber, profile.rating, state.gameScore, state.dealNumber);
    return {
        QString::number(state.dealNumber),
        QString::number(inCycle),
        withSign(state.scoreBase),
        withSign(state.gameScore),
        withSign(static_cast<long long>(state.scoreBase) + state.gameScore),
        ratingWithTwoDecimals(profile.rating).rightJustified(6),
        ratingWithTwoDecimals(ratingNow).rightJustified(6),
    };
}

void showCount(QWidget* parent, const Settings& settings, const TableState& state,
               const Profile& profile)
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
    const QStringList values = countTexts(state, profile);
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
    window.content()->addLayout(grid);
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
    const QString result = text(Text::ResultColon) + QString::number(end.score);
    if (end.place == 1) {
        return {text(Text::Congratulations), text(Text::YourResultTheBest), result,
                text(end.network ? Text::BachelorOfOrder : Text::MasterOfOrder)};
    }
    if (end.place >= 2 && end.place <= 10) {
        return {text(Text::Congratulations), text(Text::GoodResult), result,
                text(Text::HittedTopTen)};
    }
    return {text(Text::OurRegrets), text(Text::YourResultKeepsToWishBest), result,
            text(Text::NotHittedTopTen)};
}

void showEndOfCycle(QWidget* parent, const Settings& settings, const CycleEnd& end)
{
    RecordWindow window(parent, text(Text::TheCompletionOfGame));
    const QStringList lines = endOfCycleLines(end);
    const bool inTopTen = end.place >= 1 && end.place <= 10;
    const int sizes[] = {32, 28, 22, inTopTen ? 22 : 20};
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
    row->addLayout(texts, 1);
    if (inTopTen) {
        // The medal with the place number on it.
        QImage medal = builtInPicture(QStringLiteral("Medal"));
        {
            QPainter p(&medal);
            const QImage number =
                builtInPicture(QStringLiteral("Place%1").arg(end.place, 2, 10, QLatin1Char('0')));
            p.drawImage(QRect(28, 78, 64, 64), number);
        }
        auto* picture = new QLabel(&window);
        picture->setPixmap(QPixmap::fromImage(medal));
        row->addWidget(picture, 0, Qt::AlignVCenter);
    }
    window.content()->addLayout(row);
    window.finish(settings);
    window.setMinimumWidth(520);
    window.exec();
}

}  // namespace olk
