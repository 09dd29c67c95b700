// Replays saved inputs through a fuzz target's checks without libFuzzer, so that the normal
// test run (GCC, and the sanitizer build) keeps every finding of fuzz/corpus/ found, not only
// the fuzz stage. Each argument is a file or a folder of files. A broken promise aborts (see
// fuzz_check.h), after the name of the input that broke it was printed.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> eingaben;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            eingaben.emplace_back(argv[i]);
            continue;
        }
        for (const fs::directory_entry& e : fs::directory_iterator(argv[i]))
            if (e.is_regular_file()) eingaben.push_back(e.path());
    }
    std::sort(eingaben.begin(), eingaben.end());
    for (const fs::path& eingabe : eingaben) {
        std::ifstream ein(eingabe, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(ein), {}};
        if (!ein && !ein.eof()) {
            std::fprintf(stderr, "cannot read %s\n", eingabe.c_str());
            return 1;
        }
        std::printf("%s\n", eingabe.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", eingaben.size());
    return eingaben.empty() ? 1 : 0;
}
