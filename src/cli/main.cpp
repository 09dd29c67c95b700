// hoprex-cli: the program's core for batch work and scripted checks, without a window. Only
// plot creates an application object, which the route chart (a widget) needs; it draws on Qt's
// offscreen platform, so that the tool runs where no display exists.

#include "cli/arguments.h"
#include "cli/cli_files.h"
#include "cli/commands.h"

#include <QApplication>
#include <clocale>
#include <csignal>
#include <iostream>
#include <new>

namespace {

// Prints what the window would show in a message box, as "CAPTION: TEXT".
class FehlerausgabeMeldungen : public Meldungen {
public:
    void Meldung(const std::string& titel, const std::string& text) override {
        std::cerr << titel << ": " << text << std::endl;
    }
};

} // namespace

// Any error that escapes a command (memory running out, a library's exception) is a message
// and status 1, never an abort.
int main(int argc, char** argv) try {
    // Beyond a file size limit (ulimit -f) a write then fails with a message instead of the
    // signal ending the tool without one; standard output redirected into a file included.
    std::signal(SIGXFSZ, SIG_IGN);
    // The system's reasons for file errors in the user's language; numbers stay as written.
    setlocale(LC_MESSAGES, "");
    std::string fehler;
    const std::optional<CliAufruf> aufruf =
        ArgumenteLesen(std::vector<std::string>(argv + 1, argv + argc), fehler);
    if (!aufruf) {
        std::cerr << "hoprex-cli: " << fehler << "\nMehr mit: hoprex-cli --help\n";
        return 2;
    }
    FehlerausgabeMeldungen meldungen;
    switch (aufruf->Befehl) {
    case CliBefehl::Hilfe:
        return AusgabeSchreiben(std::nullopt, Hilfetext(), std::cout, meldungen);
    case CliBefehl::Version:
        return AusgabeSchreiben(std::nullopt, "hoprex-cli " HOPREX_VERSION "\n", std::cout,
                                meldungen);
    case CliBefehl::Evaluate:
        return Evaluate(*aufruf, std::cout, meldungen);
    case CliBefehl::Export:
        return Export(*aufruf, std::cout, meldungen);
    case CliBefehl::Stats:
        return Stats(*aufruf, std::cout, meldungen);
    case CliBefehl::Anstiege:
        return Anstiege(*aufruf, std::cout, meldungen);
    case CliBefehl::Plot: {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error carries the program's messages only, not Qt's notes about the
        // environment (such as a missing XDG_RUNTIME_DIR under cron).
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        // Qt sees no argument of the call: none of them is meant for it.
        int qtArgc = 1;
        char* qtArgv[] = {argv[0], nullptr};
        QApplication anwendung(qtArgc, qtArgv);
        return Plot(*aufruf, meldungen);
    }
    }
    return 2;
} catch (const std::bad_alloc&) {
    FehlerausgabeMeldungen().Meldung("Fehler", "Nicht genügend Arbeitsspeicher");
    return 1;
} catch (const std::exception& e) {
    FehlerausgabeMeldungen().Meldung("Fehler", e.what());
    return 1;
}
