#include "app/error_display.h"

QString FehlerText(std::string_view meldung) {
    std::string text(meldung);
    if (text.empty() || static_cast<unsigned char>(text.back()) > '.') text += '.';
    return QString::fromStdString(text);
}
