#pragma once

#include "app/dialogs.h"

#include <QString>
#include <exception>
#include <string_view>
#include <utility>

// The text of an error that ended an event handler, as the error box shows it: a full stop is
// appended unless the text already ends in a character at or below "." (so "…Integerwert"
// gets one, "…?" or "…." do not).
QString FehlerText(std::string_view meldung);

// Runs one event handler. An error escaping it (the conversion error of an edit text that is
// not a whole number, or any other) ends only this handler: it is shown in the error box with
// the application title as caption, and the event loop goes on. Qt's signal dispatch must never
// see an exception, so every connection runs its handler through this.
template <class Handler> void Geschuetzt(Dialoge& dialoge, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& fehler) {
        dialoge.Fehler(QStringLiteral("Hoprex"), FehlerText(fehler.what()));
    }
}
