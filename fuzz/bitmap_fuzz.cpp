// The bitmap length check under libFuzzer: any bytes at the start of a
// picture file must be measured without a crash or undefined behaviour, the
// answer is never negative, and it comes from the headers alone - the bytes
// after the first 64 change nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/BitmapHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::int64_t needed = orv::ui::BitmapBytesNeeded(data, size);
    if (needed < 0) {
        std::fprintf(stderr, "negative length %lld\n", static_cast<long long>(needed));
        std::abort();
    }
    if (size > 64 && orv::ui::BitmapBytesNeeded(data, 64) != needed) {
        std::fprintf(stderr, "the length depends on more than the headers\n");
        std::abort();
    }
    return 0;
}
