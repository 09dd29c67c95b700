#include "files/format_streams.h"

#include "files/cp1252.h"

#include <cstring>
#include <istream>
#include <ostream>

namespace {

constexpr size_t Megabyte = size_t{1} << 20;

bool Ascii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// Reads the bytes of a text in memory without a copy.
class Lesepuffer : public std::streambuf {
public:
    explicit Lesepuffer(std::string_view text) {
        char* anfang = const_cast<char*>(text.data());
        setg(anfang, anfang, anfang + text.size());
    }
};

// Appends what is written to a string, with no buffer of its own between.
class Anhaengepuffer : public std::streambuf {
public:
    explicit Anhaengepuffer(std::string& ziel) : ziel_(ziel) {}

protected:
    std::streamsize xsputn(const char* text, std::streamsize n) override {
        ziel_.append(text, static_cast<size_t>(n));
        return n;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) ziel_ += traits_type::to_char_type(c);
        return traits_type::not_eof(c);
    }

private:
    std::string& ziel_;
};

} // namespace

size_t SichererSchnitt(std::string_view text) {
    int lauf = 0;
    for (size_t i = text.size(); i > 0; --i) {
        lauf = Ascii(text[i - 1]) ? lauf + 1 : 0;
        if (lauf == 3) return i + 2;
    }
    return 0;
}

Cp1252Puffer::Cp1252Puffer(std::ostream& ziel) : ziel_(ziel), puffer_(Megabyte, '\0') {
    setp(puffer_.data(), puffer_.data() + puffer_.size());
}

bool Cp1252Puffer::Weitergeben(bool alles) {
    const auto belegt = static_cast<size_t>(pptr() - pbase());
    const std::string_view text(pbase(), belegt);
    const size_t schnitt = alles ? belegt : SichererSchnitt(text);
    const std::string_view teil = text.substr(0, schnitt);
    if (NurAscii(teil)) {
        ziel_.write(teil.data(), static_cast<std::streamsize>(teil.size()));
    } else {
        const std::string bytes = Utf8ZuCp1252(std::string(teil));
        ziel_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const size_t rest = belegt - schnitt;
    std::memmove(puffer_.data(), puffer_.data() + schnitt, rest);
    // A megabyte without a safe cut (no three ASCII bytes in a row) waits for more room.
    if (rest == puffer_.size()) puffer_.resize(2 * puffer_.size());
    setp(puffer_.data(), puffer_.data() + puffer_.size());
    pbump(static_cast<int>(rest));
    return static_cast<bool>(ziel_);
}

Cp1252Puffer::int_type Cp1252Puffer::overflow(int_type c) {
    if (!Weitergeben(false)) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

bool Cp1252Puffer::Abschliessen() {
    return Weitergeben(true);
}

Schreiber RoutenSchreiber(const Routenformat& format, const Profile& route,
                          const Formatoptionen& optionen) {
    return [&format, &route, &optionen](std::ostream& aus) {
        if (format.Kodierung() == Zeichensatz::Bytes) {
            format.Schreiben(route, optionen, aus);
            return;
        }
        Cp1252Puffer puffer(aus);
        std::ostream text(&puffer);
        format.Schreiben(route, optionen, text);
        if (!text || !puffer.Abschliessen()) aus.setstate(std::ios::badbit);
    };
}

std::string RoutenInhalt(const Routenformat& format, const Profile& route,
                         const Formatoptionen& optionen) {
    std::string inhalt;
    Anhaengepuffer puffer(inhalt);
    std::ostream aus(&puffer);
    RoutenSchreiber(format, route, optionen)(aus);
    return inhalt;
}

bool RouteLesen(const Routenformat& format, std::string_view inhalt, Profile& ziel,
                int32_t& fehlerZeile) {
    Lesepuffer puffer(inhalt);
    std::istream ein(&puffer);
    return format.Lesen(ein, ziel, fehlerZeile);
}

bool AllesLesen(std::istream& ein, std::string& inhalt, size_t hoechstens) {
    inhalt.clear();
    const std::streamsize vorhanden = ein.rdbuf() != nullptr ? ein.rdbuf()->in_avail() : 0;
    if (vorhanden > 0) inhalt.reserve(std::min(static_cast<size_t>(vorhanden), hoechstens + 1));
    char stueck[65536];
    while (ein.read(stueck, sizeof stueck) || ein.gcount() > 0) {
        inhalt.append(stueck, static_cast<size_t>(ein.gcount()));
        if (inhalt.size() > hoechstens) return false;
    }
    return !ein.bad();
}
