// Runs the fuzz target once over each file of the folders given, as the
// tests do with the corpus: an input that once broke an invariant, or a
// target that no longer builds, fails the tests. Real fuzzing uses libFuzzer
// (see README.md).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    int replayed = 0;
    for (int arg = 1; arg < argc; ++arg) {
        for (const auto& file : std::filesystem::directory_iterator(argv[arg])) {
            std::ifstream in(file.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
