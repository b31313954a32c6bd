// The compiled style reader with any bytes: they either read as a style or
// raise the reader's error with a message, never anything else, and a style
// that reads is written back to data that reads as the same style.
//
// Most mutations of compressed data only break the zlib stream, so half of
// them are made to the inflated data instead, which is deflated again
// behind the same header: that way the fuzzer reaches the entries' reader.
#include "core/error.h"
#include "core/style_format.h"
#include "input.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

// Far above a real style's inflated size, far below the reader's cap.
constexpr std::size_t kMutatedStyleLimit = 1u << 16;

// Where the zlib stream starts: after the header's first line.
std::optional<std::size_t> StreamStart(const std::uint8_t* data, std::size_t size)
{
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(data, '\n', std::min<std::size_t>(size, 64)));
    if (end == nullptr) return std::nullopt;
    return static_cast<std::size_t>(end - data) + 1;
}

std::optional<std::vector<std::uint8_t>> Inflated(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> plain(kMutatedStyleLimit);
    uLongf plainSize = plain.size();
    if (uncompress(plain.data(), &plainSize, data, static_cast<uLong>(size)) != Z_OK) return std::nullopt;
    plain.resize(plainSize);
    return plain;
}

// Mutates the inflated data of DATA, if it has any, and writes the header
// and the data deflated again back to DATA; 0 when that cannot be done.
std::size_t MutateInflated(std::uint8_t* data, std::size_t size, std::size_t maxSize)
{
    const std::optional<std::size_t> start = StreamStart(data, size);
    if (!start) return 0;
    std::optional<std::vector<std::uint8_t>> plain = Inflated(data + *start, size - *start);
    if (!plain) return 0;
    const std::size_t plainSize = plain->size();
    plain->resize(plainSize * 2 + 64);
    plain->resize(LLVMFuzzerMutate(plain->data(), plainSize, plain->size()));
    uLongf packedSize = compressBound(static_cast<uLong>(plain->size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, plain->data(), static_cast<uLong>(plain->size()), Z_BEST_SPEED) != Z_OK ||
        *start + packedSize > maxSize)
        return 0;
    std::memcpy(data + *start, packed.data(), packedSize);
    return *start + packedSize;
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed)
{
    if (seed % 2 == 0)
        if (const std::size_t mutated = MutateInflated(data, size, maxSize)) return mutated;
    return LLVMFuzzerMutate(data, size, maxSize);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::optional<core::StyleData> style;
    try {
        style.emplace(core::ReadStyle(data, size));
    } catch (const core::Error& error) {
        FUZZ_REQUIRE(!error.Message().empty());
        return 0;
    }
    const std::vector<std::uint8_t> written = core::WriteStyle(*style);
    const core::StyleData again = core::ReadStyle(written.data(), written.size());
    FUZZ_REQUIRE(again.Name() == style->Name());
    FUZZ_REQUIRE(again.Entries() == style->Entries());
    return 0;
}
