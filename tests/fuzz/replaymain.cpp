// Runs a fuzz target over corpus files without libFuzzer: the test suite's
// compilers and sanitizers replay every stored input as a regression test.
// Arguments are files or folders (every regular file inside, not recursive).

#include "tests/fuzz/fuzzcheck.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

void Replay(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::cerr << "replaying " << file.string() << " (" << bytes.size() << " bytes)\n";
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        std::vector<std::filesystem::path> inputs;
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else {
            inputs.push_back(path);
        }
        for (const auto& input : inputs) {
            Replay(input);
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed\n";
    // An empty corpus would pass while testing nothing.
    return replayed > 0 ? 0 : 1;
}
