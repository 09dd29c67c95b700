#include "files/cp1252.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

// The five byte values Windows-1252 leaves unassigned. Windows reads them as the C1 control
// characters of the same number; doing the same keeps every byte of a file that is read and
// written back, such as another program's keys in the settings file.
bool Unbelegt(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// Length of the UTF-8 sequence that starts with `b`; 1 for a byte that starts none.
size_t Utf8Laenge(unsigned char b) {
    if (b >= 0xF0 && b <= 0xF4) return 4;
    if (b >= 0xE0) return b <= 0xEF ? 3 : 1;
    if (b >= 0xC2) return 2;
    return 1;
}

class Umsetzer {
public:
    Umsetzer(const char* nach, const char* von) : cd_(iconv_open(nach, von)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between UTF-8 and CP1252");
    }
    ~Umsetzer() { iconv_close(cd_); }
    Umsetzer(const Umsetzer&) = delete;
    Umsetzer& operator=(const Umsetzer&) = delete;

    // Converts as much as it can from `ein` onwards into `aus`; stops at the first sequence it
    // cannot convert (ein then points at it) or at the end. Returns false at such a sequence.
    bool Umsetzen(const char*& ein, const char* ende, std::string& aus) {
        while (ein < ende) {
            char puffer[4096];
            char* ziel = puffer;
            size_t frei = sizeof puffer;
            char* quelle = const_cast<char*>(ein);
            size_t rest = static_cast<size_t>(ende - ein);
            const size_t r = iconv(cd_, &quelle, &rest, &ziel, &frei);
            const int fehler = errno;
            aus.append(puffer, static_cast<size_t>(ziel - puffer));
            ein = quelle;
            if (r == static_cast<size_t>(-1) && fehler != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

// The end of the run of ASCII bytes (or of the other bytes, `ascii` false) from `ein` on: ASCII
// is the same byte in both encodings, so only the runs between need iconv, which takes a
// hundred times longer per byte than copying.
const char* LaufEnde(const char* ein, const char* ende, bool ascii) {
    if (ascii) {
        // Eight bytes at a time while none has its top bit set.
        uint64_t acht = 0;
        while (ende - ein >= 8 && (std::memcpy(&acht, ein, 8), (acht & 0x8080808080808080u) == 0))
            ein += 8;
    }
    while (ein < ende && (static_cast<unsigned char>(*ein) < 0x80) == ascii)
        ++ein;
    return ein;
}

} // namespace

std::string Utf8ZuCp1252(std::string utf8) {
    const char* ein = LaufEnde(utf8.data(), utf8.data() + utf8.size(), true);
    const char* ende = utf8.data() + utf8.size();
    if (ein == ende) return utf8;
    std::optional<Umsetzer> u;
    std::string aus;
    aus.reserve(utf8.size());
    aus.append(utf8, 0, static_cast<size_t>(ein - utf8.data()));
    while (ein < ende) {
        const char* ascii = LaufEnde(ein, ende, true);
        aus.append(ein, ascii);
        ein = ascii;
        // iconv stops in the run at the same byte as in the whole text (a sequence broken off
        // by the ASCII byte after the run is as invalid as one broken off by the run's end), and
        // the invalid sequence is passed over by the length its first byte announces, counted
        // in the whole text.
        const char* lauf = LaufEnde(ein, ende, false);
        if (!u) u.emplace("CP1252", "UTF-8");
        while (ein < lauf && !u->Umsetzen(ein, lauf, aus)) {
            const auto b0 = static_cast<unsigned char>(ein[0]);
            size_t laenge = Utf8Laenge(b0);
            if (laenge > static_cast<size_t>(ende - ein)) laenge = 1;
            const auto b1 = laenge == 2 ? static_cast<unsigned char>(ein[1]) : 0;
            if (b0 == 0xC2 && Unbelegt(b1))
                aus += static_cast<char>(b1);
            else
                aus += '?';
            ein += laenge;
        }
    }
    return aus;
}

std::string Cp1252ZuUtf8(std::string_view cp1252) {
    // A description read from a profile file is mostly plain ASCII: no converter to open.
    if (LaufEnde(cp1252.data(), cp1252.data() + cp1252.size(), true) ==
        cp1252.data() + cp1252.size())
        return std::string(cp1252);
    Umsetzer u("UTF-8", "CP1252");
    std::string aus;
    aus.reserve(cp1252.size() + cp1252.size() / 8);
    const char* ein = cp1252.data();
    const char* ende = ein + cp1252.size();
    while (!u.Umsetzen(ein, ende, aus)) {
        const auto b = static_cast<unsigned char>(*ein++);
        if (Unbelegt(b)) {
            aus += static_cast<char>(0xC2);
            aus += static_cast<char>(b);
        } else {
            aus += '?';
        }
    }
    return aus;
}

bool NurAscii(std::string_view text) {
    return LaufEnde(text.data(), text.data() + text.size(), true) == text.data() + text.size();
}

std::string Cp1252Darstellbar(std::string utf8) {
    return Cp1252ZuUtf8(Utf8ZuCp1252(std::move(utf8)));
}
