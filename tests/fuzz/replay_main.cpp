// Runs every file of the given corpus folders (or single files) through a fuzz target once,
// without libFuzzer: the normal build's regression check of the committed corpora.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// Absolute, since targets whose readers take fixed relative names change the working folder.
std::vector<fs::path> InputsOf(const fs::path& given) {
    const fs::path path = fs::absolute(given);
    std::vector<fs::path> inputs;
    if (!fs::is_directory(path)) {
        inputs.push_back(path);
        return inputs;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
        if (entry.is_regular_file()) {
            inputs.push_back(entry.path());
        }
    }
    // Sorted, so that a failure names the same input on every machine.
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    // Every path is made absolute before the first input runs.
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const fs::path& input : InputsOf(argv[i])) {
            inputs.push_back(input);
        }
    }
    size_t replayed = 0;
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        // Announced first, so that a crash or a hang names its input.
        std::fprintf(stderr, "%s\n", input.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++replayed;
    }
    std::printf("replayed %zu inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
