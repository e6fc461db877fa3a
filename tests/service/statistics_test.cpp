// The statistics counters through the service's router, with bodies built
// by the game's own form encoder.

#include "service_fixture.h"

namespace olk::service::testing {
namespace {

class StatisticsTest : public ServiceBackend {
protected:
    QString statistics(const QByteArray& body)
    {
        return QString::fromStdString(
            cp1251::toUtf8(send("POST", "/statistics", body).body.toStdString()));
    }

    QString game(const QStringList& values, const QString& gid = QStringLiteral("804"))
    {
        online::FormFields fields{{"gid", gid}};
        for (int i = 0; i < 12; ++i) {
            fields.push_back(
                {QByteArray("R") + QByteArray::number(i + 1), i < values.size() ? values[i] : "0"});
        }
        return statistics(online::rawFormBody(fields));
    }

    QString summary() { return statistics(online::listFormBody({{"gid", QStringLiteral("804")}})); }
};

TEST_P(StatisticsTest, ReportsAddUpAndOutOfBoundsReportsAreRefused)
{
    EXPECT_EQ(summary(), QStringLiteral("ok$0 0 0  0 0 0 0 0 0 0 0 0 0 0 0 0 *"));
    struct Report {
        QByteArray body;
        const char* expected;
    };
    const Report reports[] = {
        {online::rawFormBody({{"gid", "804"}, {"stat1", "1"}, {"stat2", "1"}}), "ok"},
        {online::rawFormBody({{"gid", "804"}, {"stat1", "1"}, {"stat2", "0"}}), "ok"},
        {online::rawFormBody({{"gid", "804"}, {"stat1", "1000"}, {"stat2", "0"}}),
         "no"},  // one start at a time
        {online::rawFormBody({{"gid", "804"}, {"stat1", "-1"}, {"stat2", "0"}}), "no"},
        {online::rawFormBody({{"gid", "805"}, {"stat1", "1"}, {"stat2", "0"}}), "no"},
        {online::rawFormBody({{"gid", "804"}, {"stat3", "1"}, {"stat4", "Анна"}}), "ok"},
        {online::rawFormBody({{"gid", "804"}, {"stat3", "1"}, {"stat4", "x y$z"}}), "no"},
    };
    for (const Report& r : reports) {
        EXPECT_EQ(statistics(r.body), QString::fromLatin1(r.expected)) << r.body.toStdString();
    }
    EXPECT_EQ(game({"8", "0", "0", "35"}),
              QStringLiteral("ok"));  // a local game lost by 35 over 8 deals
    EXPECT_EQ(game({"0", "0", "0", "0", "4"}),
              QStringLiteral("ok"));  // a networked game on the host
    EXPECT_EQ(game({"40", "1", "120"}), QStringLiteral("ok"));
    EXPECT_EQ(game({"0", "0", "0", "0", "0", "0", "1"}),
              QStringLiteral("no"));  // a counter this game never fills
    EXPECT_EQ(game({"0", "0", "0", "0", "5"}), QStringLiteral("no"));
    EXPECT_EQ(game({"8"}, QStringLiteral("904")), QStringLiteral("no"));
    EXPECT_EQ(summary(), QStringLiteral("ok$2 1 1 Анна 48 1 120 35 4 0 0 0 0 0 0 0 0 *"));
    EXPECT_EQ(send("POST", "/statistics", "stat1=1").status, 400);
}

INSTANTIATE_TEST_SUITE_P(Backends, StatisticsTest, ::testing::Values("sqlite", "postgresql"),
                         backendName);

}  // namespace
}  // namespace olk::service::testing
