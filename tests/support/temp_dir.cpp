#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

TempDir::TempDir() {
    std::string muster = (std::filesystem::temp_directory_path() / "hoprex-test-XXXXXX").string();
    if (mkdtemp(muster.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    pfad_ = muster;
}

TempDir::~TempDir() {
    std::error_code fehler;
    // A test may have taken the write permission away; give it back so the folder can go.
    std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, fehler);
    std::filesystem::remove_all(pfad_, fehler);
}

void DateiAnlegen(const std::string& pfad, const std::string& inhalt) {
    std::ofstream aus(pfad, std::ios::binary);
    aus << inhalt;
    if (!aus) throw std::runtime_error("cannot write " + pfad);
}

void FifoAnlegen(const std::string& pfad) {
    if (mkfifo(pfad.c_str(), 0600) != 0) throw std::runtime_error("cannot make FIFO " + pfad);
}

void GrosseDateiAnlegen(const std::string& pfad, const std::string& anfang, size_t bytes) {
    DateiAnlegen(pfad, anfang);
    if (truncate(pfad.c_str(), static_cast<off_t>(bytes)) != 0)
        throw std::runtime_error("cannot grow " + pfad);
}

std::string DateiInhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) throw std::runtime_error("cannot read " + pfad);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}
