#include "model/c_format.h"

#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

std::string Formatieren(const char* format, ...) {
    const locale_t vorher = uselocale(CLocale());
    char puffer[256];
    va_list args;
    va_start(args, format);
    va_list kopie;
    va_copy(kopie, args);
    const int laenge = vsnprintf(puffer, sizeof puffer, format, args);
    va_end(args);
    std::string text;
    if (laenge >= 0 && static_cast<size_t>(laenge) < sizeof puffer) {
        text.assign(puffer, static_cast<size_t>(laenge));
    } else if (laenge > 0) {
        text.resize(static_cast<size_t>(laenge) + 1);
        vsnprintf(text.data(), text.size(), format, kopie);
        text.resize(static_cast<size_t>(laenge));
    }
    va_end(kopie);
    uselocale(vorher);
    return text;
}
