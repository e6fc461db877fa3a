// Any 50 characters as a tournament participant's frame at the relay: no
// crash, no read out of bounds; what parses as a move or a chat line goes
// back out of the relay as a frame that parses to the same move or line, and
// a chat line is printable and at most 15 characters long.

#include <cstdint>
#include <cstdlib>

#include "service/relay_frames.h"

namespace {

namespace service = olk::service;

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView frame(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = service::parseParticipantFrame(frame);
    if (!parsed) {
        return 0;
    }
    require(size == service::kParticipantFrameLength);
    for (int place = 1; place <= 4; ++place) {
        switch (parsed->kind) {
        case service::ParticipantFrame::Kind::Move: {
            const QByteArray out = service::relayMoveFrame(parsed->move, place);
            require(out.size() == service::kParticipantFrameLength);
            const auto again = service::parseParticipantFrame(out);
            require(again && again->kind == service::ParticipantFrame::Kind::Move &&
                    again->move == parsed->move);
            break;
        }
        case service::ParticipantFrame::Kind::Chat: {
            require(parsed->line.size() <= 15);
            for (const char c : parsed->line) {
                require(static_cast<unsigned char>(c) >= 0x20 && c != '#');
            }
            const QByteArray out = service::relayChatFrame(parsed->line, place);
            require(out.size() == service::kParticipantFrameLength);
            const auto again = service::parseParticipantFrame(out);
            require(again && again->kind == service::ParticipantFrame::Kind::Chat &&
                    again->line == parsed->line);
            break;
        }
        case service::ParticipantFrame::Kind::Connect:
            require(parsed->place >= 1 && parsed->place <= 4);
            break;
        default:
            break;
        }
    }
    return 0;
}
