// Speed of the message receiver. The goal: over 1,000,000 move messages a
// second cut out of a stream and parsed on one core (items_per_second).

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <vector>

#include "core/card.h"
#include "net/messages.h"
#include "net/receiver.h"

namespace olk::net {
namespace {

// A stream of 37-character moves of every kind, from every sender.
QByteArray moveStream(int moves)
{
    QByteArray stream;
    for (int i = 0; i < moves; ++i) {
        const int sender = i % 4 + 1;
        switch (i % 4) {
        case 0:
            stream += buildMove({MoveKind::Take, i % 2 + 1, kEmptyCard}, sender);
            break;
        case 1:
            stream += buildMove({MoveKind::Discard, 0, cardFromNumber(i % 52 + 1).code}, sender);
            break;
        case 2:
            stream += buildMove({MoveKind::Knock, 0, kEmptyCard}, sender);
            break;
        default:
            stream += buildMove({MoveKind::Begin, 0, kEmptyCard}, sender);
            break;
        }
    }
    return stream;
}

// The stream arrives in reads of `state.range(0)` bytes, which cut moves
// anywhere when the size is not a multiple of 37.
void BM_ReceiveMoves(benchmark::State& state)
{
    const QByteArray stream = moveStream(4096);
    const auto readSize = static_cast<qsizetype>(state.range(0));
    MessageReceiver receiver(MessageReceiver::Side::Host);
    std::int64_t messages = 0;
    for (auto _ : state) {
        for (qsizetype pos = 0; pos < stream.size(); pos += readSize) {
            const auto result = receiver.feed(
                QByteArrayView(stream).sliced(pos, std::min(readSize, stream.size() - pos)));
            messages += static_cast<std::int64_t>(result.messages.size());
            benchmark::DoNotOptimize(result.messages.data());
        }
    }
    state.SetItemsProcessed(messages);
}
BENCHMARK(BM_ReceiveMoves)->Arg(kMoveLength)->Arg(100)->Arg(4096);

void BM_ReceiveDeal(benchmark::State& state)
{
    DeckCells deck;
    for (int n = 1; n <= kDeckCards; ++n) {
        deck[n] = cardFromNumber(n);
    }
    const QByteArray deal = buildDeal(deck, RuleOptions{});
    MessageReceiver receiver(MessageReceiver::Side::Joined);
    for (auto _ : state) {
        benchmark::DoNotOptimize(receiver.feed(deal).messages.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReceiveDeal);

}  // namespace
}  // namespace olk::net
