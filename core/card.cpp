#include "card.h"

#include "cp1251.h"

namespace olk {

std::string cardResourceName(CardCode code)
{
    if (!isValidCard(code)) {
        return {};
    }
    static constexpr const char* kRankParts[] = {"02", "03", "04", "05", "06", "07", "08",
                                                 "09", "10", "2J", "3Q", "4K", "5A"};
    const char* suitPart = "Ch";
    switch (code.suit) {
    case suit::kDiamonds:
        suitPart = "Bu";
        break;
    case suit::kClubs:
        suitPart = "Kr";
        break;
    case suit::kSpades:
        suitPart = "Pi";
        break;
    default:
        break;
    }
    return std::string(suitPart) + kRankParts[rankIndexOf(code.rank) - 1];
}

std::string cardToUtf8(CardCode code)
{
    const char bytes[2] = {code.rank, code.suit};
    return cp1251::toUtf8(std::string_view(bytes, 2));
}

std::optional<CardCode> cardFromUtf8(std::string_view text)
{
    const auto bytes = cp1251::fromUtf8(text);
    if (!bytes || bytes->size() != 2) {
        return std::nullopt;
    }
    const CardCode code{(*bytes)[0], (*bytes)[1]};
    if (!isValidCard(code)) {
        return std::nullopt;
    }
    return code;
}

}  // namespace olk
