#include "app/command_line.h"
#include "app/dialogs.h"
#include "app/error_display.h"
#include "app/export_options_dialog.h"
#include "app/hoprex_window.h"
#include "app/info_dialog.h"
#include "app/translations.h"
#include "files/settings_file.h"

#include <QApplication>
#include <QCommandLineParser>
#include <csignal>

// "hoprex [DATEI]": the desktop passes the profile file or screenshot to open (Exec=hoprex %f).
// The window reads the settings file while it is built and writes it when it goes, after the
// event loop has ended.
int main(int argc, char** argv) {
    // Beyond a file size limit (ulimit -f) a write fails and is reported; the signal's default
    // action would end the program and lose the unsaved route.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hoprex"));
    QApplication::setApplicationVersion(QStringLiteral(HOPREX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.hoprex.Hoprex"));
    const QtTexteDeutsch qtTexte;

    QCommandLineParser aufruf;
    aufruf.setApplicationDescription(
        QStringLiteral("Höhenprofile aus Geländeschnitt-Screenshots des Orvan-Viewers"));
    const QStringList optionen = aufruf.addHelpOption().names() +
                                 aufruf.addVersionOption().names() + QStringList{"help-all"};
    aufruf.addPositionalArgument(
        QStringLiteral("DATEI"),
        QStringLiteral("Profildatei (.hpx), die geöffnet, oder Screenshot, der ausgewertet wird"),
        QStringLiteral("[DATEI]"));
    const Aufruf teile = AufrufTeilen(std::vector<std::string>(argv, argv + argc), optionen);
    aufruf.process(teile.Optionen);
    const std::vector<std::string>& dateien = teile.Dateien;
    if (dateien.size() > 1) {
        fputs("hoprex: nur eine Datei angeben\nMehr mit: hoprex --help\n", stderr);
        return 2;
    }

    QtDialoge dialoge;
    try {
        THoprex fenster(dialoge,
                        EinstellungenPfad(QCoreApplication::applicationFilePath().toStdString()));
        // One hidden instance of each dialog exists from the start; each opening builds its
        // own, from the records as they are then.
        TFr_ExpEin exportOptionen(fenster.Daten.ExportOptions, fenster.Daten.Gesamt, dialoge,
                                  &fenster);
        Fr_ExpEin = &exportOptionen;
        TFInfo info(&fenster);
        FInfo = &info;
        fenster.show();
        fenster.WiederherstellungAnbieten();
        // Opened from the running event loop, so that a message stands over the shown window.
        if (!dateien.empty())
            QMetaObject::invokeMethod(
                &fenster, [&fenster, &dateien] { fenster.PfadOeffnen(dateien.front()); },
                Qt::QueuedConnection);
        return app.exec();
    } catch (const std::exception& fehler) {
        // An error while starting ends the program after it was shown.
        dialoge.Fehler(QStringLiteral("Hoprex"), FehlerText(fehler.what()));
        return 1;
    }
}
