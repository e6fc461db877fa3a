// Any bytes through the Windows-1251 crossing and the card-code parser: no
// crash, and whatever converts one way converts back unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/card.h"
#include "core/cp1251.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // As Windows-1251 bytes: every byte but the undefined 0x98 comes back.
    if (bytes.find('\x98') == std::string::npos) {
        const auto back = olk::cp1251::fromUtf8(olk::cp1251::toUtf8(bytes));
        if (!back || *back != bytes) {
            std::abort();
        }
    }

    // As UTF-8 text: what converts must convert back to the same text.
    if (const auto converted = olk::cp1251::fromUtf8(bytes)) {
        if (olk::cp1251::toUtf8(*converted) != bytes) {
            std::abort();
        }
    }

    if (const auto code = olk::cardFromUtf8(bytes)) {
        if (!olk::isValidCard(*code) || olk::cardToUtf8(*code) != bytes) {
            std::abort();
        }
    }
    return 0;
}
