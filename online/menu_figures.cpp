#include "online/menu_figures.h"

#include <utility>

#include "core/rounding.h"
#include "online/requests.h"
#include "online/service_client.h"
#include "settings/word_tables.h"

namespace olk::online {

namespace {

Text hintOf(int kind)
{
    switch (kind) {
    case 1:
        return Text::ClockHintDynamicIq;
    case 2:
        return Text::GamesPlayedWithPc;
    case 3:
        return Text::ClockHintBestWindowsPlayer;
    case 4:
        return Text::ClockHintBestAndroidPlayer;
    case 5:
        return Text::ClockHintBestAccountPlayer;
    case 6:
        return Text::Tevs;
    default:
        return Text::ClockHintClubMembers;
    }
}

int scoreTableOf(int kind)
{
    return kind == 3 ? kWindowsTable : kind == 4 ? kAndroidTable : kAccountTable;
}

}  // namespace

int menuFigureKind(int minute)
{
    return (minute % 7 + 7) % 7 + 1;
}

int shownFigureKind(int kind, int accountState)
{
    if (kind < 1 || kind > 7) {
        return 7;
    }
    return kind == 6 && accountState <= 1 ? 7 : kind;
}

MenuFigure startingFigure(int kind)
{
    MenuFigure figure;
    figure.kind = kind >= 1 && kind <= 7 ? kind : 7;
    figure.hint = text(hintOf(figure.kind));
    return figure;
}

MenuFigure failedFigure(int kind)
{
    MenuFigure figure = startingFigure(kind);
    figure.failed = true;
    const int k = figure.kind;
    figure.hint += text(k >= 3 && k <= 5 ? Text::ClockNoConnect
                        : k == 7         ? Text::ClockNoConnectBlank
                                         : Text::ClockNoConnectColon);
    return figure;
}

std::int64_t dynamicIq(std::int64_t won, std::int64_t lost)
{
    const std::int64_t sum = won + lost;
    if (sum == 0) {
        return 0;
    }
    return roundHalfEven(static_cast<double>(lost) * 100.0 / static_cast<double>(sum));
}

ShortNumber shortNumber(std::int64_t count)
{
    if (count <= 999) {
        return {QString::number(count), QString()};
    }
    if (count <= 999999) {
        return {QString::number(count / 1000), text(Text::ClockSuffixThousand)};
    }
    if (count <= 999999999) {
        return {QString::number(count / 1000000), text(Text::ClockSuffixMillion)};
    }
    return {QString::number(count / 1000000000), text(Text::ClockSuffixBillion)};
}

QList<int> figureDigitPositions(int count)
{
    switch (count) {
    case 1:
        return {50};
    case 2:
        return {38, 58};
    case 3:
        return {29, 49, 69};
    case 4:
        return {27, 42, 57, 72};
    case 5:
        return {28, 40, 52, 64, 76};
    case 6:
        return {15, 24, 33, 42, 51, 60};
    default:
        return {};
    }
}

int figureDigitWidth(int count)
{
    switch (count) {
    case 4:
        return 15;
    case 5:
        return 12;
    case 6:
        return 9;
    default:
        return 0;
    }
}

void fetchMenuFigure(ServiceClient& client, int kind, int accountState, const QString& nick,
                     std::function<void(const MenuFigure&)> done)
{
    const int shown = shownFigureKind(kind, accountState);
    auto finish = [shown, done = std::move(done)](const std::optional<MenuFigure>& figure) {
        done(figure ? *figure : failedFigure(shown));
    };
    switch (shown) {
    case 1:
    case 2:
        client.send(statRead(), [shown, finish](const Reply& reply) {
            const StatReadResult result = parseStatRead(reply);
            if (!result.ok) {
                return finish(std::nullopt);
            }
            MenuFigure figure = startingFigure(shown);
            const TTevStat& stat = result.stat;
            if (shown == 1) {
                // StatX[3] and StatX[4]: the points the players won and lost.
                figure.value = QString::number(dynamicIq(stat.StatX[2], stat.StatX[3]));
            } else {
                // StatX[1]: the deals played against the computer.
                const ShortNumber number = shortNumber(stat.StatX[0]);
                figure.value = number.value;
                figure.suffix = number.suffix;
            }
            finish(figure);
        });
        return;
    case 3:
    case 4:
    case 5: {
        const int table = scoreTableOf(shown);
        client.send(scoreTable(table), [shown, table, finish](const Reply& reply) {
            const ScoreTableResult result = parseScoreTable(reply, table);
            if (!result.ok) {
                return finish(std::nullopt);
            }
            MenuFigure figure = startingFigure(shown);
            const TTevRecord& best = result.rows[0];
            if (best.isEmpty()) {
                figure.hint += text(Text::ClockNoNick);
            } else {
                figure.value = QString::number(best.Score);
                figure.hint += best.Nick;
                if (shown == 3) {
                    figure.flagCountry = best.Country;
                }
            }
            finish(figure);
        });
        return;
    }
    case 6:
        client.send(tevsRead(nick), [finish](const Reply& reply) {
            const NumberResult result = parseTevsRead(reply);
            if (!result.ok) {
                return finish(std::nullopt);
            }
            MenuFigure figure = startingFigure(6);
            figure.value = QString::number(result.value);
            finish(figure);
        });
        return;
    default:
        client.send(clubMembers(), [finish](const Reply& reply) {
            const NumberResult result = parseClubMembers(reply);
            if (!result.ok) {
                return finish(std::nullopt);
            }
            MenuFigure figure = startingFigure(7);
            figure.value = QString::number(result.value);
            finish(figure);
        });
        return;
    }
}

}  // namespace olk::online
