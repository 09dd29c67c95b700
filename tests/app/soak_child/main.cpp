// The window process of the soak test: it reads commands from standard input, one per line,
// carries each out on its window as the user would, with the buttons, the list and the keys,
// and answers with one line that describes the window (soak_protocol.h). Started with "neu" or
// "wiederherstellen" after its settings file; with the latter it takes the recovery offer.
#include "app/section_list.h"
#include "display/bitmap_image.h"
#include "soak_protocol.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace {

void ZeileKlicken(THoprex& f, int i, Qt::KeyboardModifiers umschalter = {}) {
    TAbschnittListe* liste = f.LB_HAbschnitteGesamt;
    liste->scrollToItem(liste->item(i));
    MausKlick(liste->viewport(), liste->visualItemRect(liste->item(i)).center(), umschalter);
}

void Markieren(THoprex& f, int von, int bis) {
    ZeileKlicken(f, von);
    ZeileKlicken(f, bis, Qt::ShiftModifier);
}

QPushButton* Knopf(THoprex& f, const std::string& name) {
    if (name == "LL") return f.B_AbschnittLL;
    if (name == "L") return f.B_AbschnittL;
    if (name == "R") return f.B_AbschnittR;
    return f.B_AbschnittRR;
}

void Ausfuehren(THoprex& f, TestDialoge& d, const std::string& zeile) {
    std::istringstream ein(zeile);
    std::string befehl;
    ein >> befehl;
    int a = 0, b = 0;
    std::string wort;
    if (befehl == "auswerten") {
        InAblage(QImageAusBitmap(RoutenScreenshot()));
        MausKlick(f.BT_BMPAusZwischenablage);
    } else if (befehl == "aktuell") {
        ein >> wort;
        d.Pfade = {QString::fromStdString(wort)};
        MausKlick(f.BT_AktuellWerteEinlesen);
    } else if (befehl == "uebertragen") {
        ein >> a;
        MausKlick(f.B_EinfuegeMarkeLL);
        for (int i = 0; i < a; ++i)
            MausKlick(f.B_EinfuegeMarkeR);
        MausKlick(f.BT_WerteUebernehmen);
    } else if (befehl == "schieben") {
        ein >> wort >> a >> b;
        Markieren(f, a, b);
        MausKlick(Knopf(f, wort));
    } else if (befehl == "spiegeln" || befehl == "loeschen") {
        ein >> a >> b;
        Markieren(f, a, b);
        MausKlick(befehl == "spiegeln" ? f.B_AbschnitteSpiegeln : f.BT_GesamtWerteLoeschen);
    } else if (befehl == "beschreiben") {
        ein >> a;
        std::getline(ein >> std::ws, wort);
        TAbschnittListe* liste = f.LB_HAbschnitteGesamt;
        liste->scrollToItem(liste->item(a));
        MausDoppelklick(liste->viewport(), liste->visualItemRect(liste->item(a)).center());
        f.T_Beschreibung->selectAll();
        Tippen(f.T_Beschreibung, QString::fromStdString(wort));
        Taste(f.T_Beschreibung, Qt::Key_Return);
    } else if (befehl == "zurueck" || befehl == "vor") {
        Taste(f.LB_HAbschnitteGesamt, befehl == "zurueck" ? Qt::Key_Z : Qt::Key_Y,
              Qt::ControlModifier);
    } else if (befehl == "speichern") {
        ein >> wort;
        d.Pfade = {QString::fromStdString(wort)};
        d.Antworten = {"Ja"};
        MausKlick(f.BT_GesamtWerteSpeichern);
    } else if (befehl == "laden") {
        ein >> wort;
        d.Pfade = {QString::fromStdString(wort)};
        d.Antworten = {"Verwerfen"}; // to the question that comes while the route is modified
        MausKlick(f.BT_GesamtWerteEinlesen);
    } else if (befehl == "glaettung") {
        MausKlick(f.CB_Glaettung);
    }
    d.Pfade.clear();
    d.Antworten.clear();
    QApplication::processEvents();
}

void Berichten(const THoprex& f, const TestDialoge& d) {
    std::cout << f.Verlauf.index() << '\t' << f.Verlauf.count() << '\t'
              << f.windowTitle().toStdString() << '\t' << f.Daten.Gesamt.GlaettungEinAus
              << f.CB_Glaettung->isChecked() << '\t' << d.Boxen.size() << '\t'
              << RoutenText(f.Daten.Gesamt) << '\t' << RoutenText(f.Daten.Aktuell, true)
              << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    TestDialoge dialoge;
    THoprex fenster(dialoge, argv[1]);
    fenster.show();
    if (std::string(argv[2]) == "wiederherstellen") {
        dialoge.Antworten = {"Wiederherstellen"};
        fenster.WiederherstellungAnbieten();
        dialoge.Antworten.clear();
    }
    Berichten(fenster, dialoge);
    // Commands are read as they come, from the event loop, so that the recovery copy's timer
    // runs between them as it does between the user's clicks.
    std::string rest;
    QSocketNotifier eingabe(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&eingabe, &QSocketNotifier::activated, [&] {
        char puffer[4096];
        const ssize_t n = read(STDIN_FILENO, puffer, sizeof puffer);
        if (n <= 0) {
            QApplication::exit(0);
            return;
        }
        rest.append(puffer, static_cast<size_t>(n));
        for (size_t ende; (ende = rest.find('\n')) != std::string::npos;) {
            Ausfuehren(fenster, dialoge, rest.substr(0, ende));
            rest.erase(0, ende + 1);
            Berichten(fenster, dialoge);
        }
    });
    return QApplication::exec();
}
