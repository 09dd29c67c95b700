#include "files/file_stamp.h"

#include <sys/stat.h>

std::optional<Dateistand> DateistandLesen(const std::string& pfad) {
    struct stat info {};
    if (stat(pfad.c_str(), &info) != 0) return std::nullopt;
    return Dateistand{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                      static_cast<int64_t>(info.st_size), static_cast<int64_t>(info.st_mtim.tv_sec),
                      static_cast<int64_t>(info.st_mtim.tv_nsec)};
}
