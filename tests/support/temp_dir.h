#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary directory, removed with everything in it when
// the object goes out of scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Pfad() const { return pfad_; }
    // Path of `name` inside the folder, as a string for the file functions.
    std::string Datei(const std::string& name) const { return (pfad_ / name).string(); }

private:
    std::filesystem::path pfad_;
};

// Writes `inhalt` as it stands (bytes) to `pfad`; reads a whole file back.
void DateiAnlegen(const std::string& pfad, const std::string& inhalt);
std::string DateiInhalt(const std::string& pfad);

// A FIFO at `pfad` that no one writes into or reads from.
void FifoAnlegen(const std::string& pfad);

// A file of `bytes` bytes that begins with `anfang` and takes no room on the disk (the rest is
// a hole): larger than any file the program would read.
void GrosseDateiAnlegen(const std::string& pfad, const std::string& anfang, size_t bytes);
