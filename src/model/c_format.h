#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// printf formatting in the "C" locale, whatever locale the process runs in: the file formats
// need "." as decimal point, while a Qt application takes the user's locale (a German one
// would write "0,052"). Same format strings and arguments as snprintf.
std::string Formatieren(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The files' per-point values written with the very bytes that Formatieren gives them, without
// its locale switch and its string per value: a route of 446,000 points has two million values
// to write. The values are gathered in a buffer of the object and appended to `ziel` a few
// kilobytes at a time, and at the latest when the object goes.
class CText {
public:
    explicit CText(std::string& ziel) : ziel_(ziel) {}
    ~CText() { Abgeben(); }
    CText(const CText&) = delete;
    CText& operator=(const CText&) = delete;

    // "%<breite>ld": the decimal digits of `wert`, right-aligned with blanks.
    CText& Ganzzahl(long wert, int breite);
    // "%<breite>.<stellen>f": the exact value of `wert` rounded to `stellen` decimals (ties to
    // the even digit, as glibc rounds), "-" for a negative value including -0, "inf" and "nan"
    // as printf writes them, right-aligned with blanks; `punkt` in place of the decimal point.
    CText& Festkomma(double wert, int breite, int stellen, char punkt = '.');
    CText& Text(std::string_view text) {
        // Inline for the short separators between the values, which are then copied as
        // constants; a longer text (a description) takes the call.
        if (text.size() > 64 || text.size() > sizeof puffer_ - laenge_) return TextLang(text);
        std::memcpy(puffer_ + laenge_, text.data(), text.size());
        laenge_ += text.size();
        return *this;
    }
    CText& Zeichen(char c) { return Text(std::string_view(&c, 1)); }

    // Appends what is gathered to the target string, so that it may be read or changed there.
    void Abgeben();

private:
    CText& TextLang(std::string_view text);
    // Room for a number text of `laenge` characters right-aligned in `breite`: the blanks in
    // front are written, the returned place is for the text.
    char* Platz(size_t laenge, int breite);

    std::string& ziel_;
    char puffer_[8192];
    size_t laenge_ = 0;
};
