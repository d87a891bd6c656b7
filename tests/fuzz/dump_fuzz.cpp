// The device's configuration dump, as any reply the line may deliver:
// decoding stays inside the reply, keeps at most 500 slots, and a slot holds
// only what a phone number may hold, read from the slot's own bytes.

#include "device/protocol.h"
#include "tests/fuzz/fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the reply's size, so any read past it is a heap overflow.
    const std::string reply(reinterpret_cast<const char*>(data), size);
    const device::protocol::Dump dump = device::protocol::DecodeDump(reply);

    FUZZ_CHECK(dump.numbers.size() <= device::protocol::SlotCount);
    for (std::size_t slot = 0; slot < dump.numbers.size(); ++slot) {
        const std::string& number = dump.numbers[slot];
        FUZZ_CHECK(number.size() <= device::protocol::SlotSize);
        FUZZ_CHECK(number.find_first_not_of("0123456789+") == std::string::npos);
        FUZZ_CHECK(reply.compare(slot * device::protocol::SlotSize, number.size(), number) == 0);
    }
    FUZZ_CHECK(dump.relayTimeout.has_value() == (size >= 5));
    FUZZ_CHECK(dump.externalOff.has_value() == (size >= 5));

    // A complete dump: 500 slots, then the time-out at 7500 and the flag at 7502.
    if (size == 7505) {
        FUZZ_CHECK(dump.numbers.size() == device::protocol::SlotCount);
        FUZZ_CHECK(*dump.relayTimeout == (data[7500] | (data[7501] << 8)));
        FUZZ_CHECK(*dump.externalOff == (data[7502] == 1));
    }
    return 0;
}
