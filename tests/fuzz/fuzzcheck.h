#pragma once
// What every fuzz target shares: the libFuzzer entry point it defines, and a
// check that stops the run with a readable reason when a property fails.
// A plain abort lets libFuzzer (and the corpus replay) report the input that
// broke the property, not only inputs that crash.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

namespace fuzz {

// Takes bytes off the front of a fuzz input, for the choices a target makes
// before the bytes it feeds to the code under test; an exhausted input reads
// as zero bytes.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    std::uint8_t Byte()
    {
        if (size_ == 0)
            return 0;
        --size_;
        return *data_++;
    }
    // Up to count bytes, fewer when the input ends first.
    std::string Bytes(std::size_t count)
    {
        const std::size_t n = count < size_ ? count : size_;
        std::string bytes(reinterpret_cast<const char*>(data_), n);
        data_ += n;
        size_ -= n;
        return bytes;
    }
    std::string Rest() { return Bytes(size_); }
    bool Empty() const { return size_ == 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace fuzz
