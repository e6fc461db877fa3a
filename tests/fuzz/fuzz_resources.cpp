// Any bytes as a resource library: the reader refuses or accepts them whole,
// never reads out of bounds, and every entry it lists can be read back.

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

#include "records/resource_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer->open(QIODevice::ReadOnly);
    const std::optional<olk::ResourceLibrary> library = olk::ResourceLibrary::read(std::move(buffer));
    if (library) {
        for (const QString& name : library->names()) {
            if (!library->kind(name) || !library->bytes(name.toUpper())) {
                std::abort();
            }
        }
    }
    return 0;
}
