#include "cli_process.h"
#include "files/format_streams.h"
#include "files/profile_storage.h"
#include "files/route_formats.h"
#include "files/settings_file.h"
#include "model/smoothing.h"
#include "support/message_log.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

const std::string kRoute = std::string(HOPREX_TEST_DATA_DIR) + "/cli/route.hpx";

// The route as hoprex-cli loads it, with the settings file's default export options.
std::string Erwartet(const Routenformat& f) {
    HoprexDaten d = Voreinstellungen();
    MeldungsProtokoll m;
    EXPECT_TRUE(GesamtLaden(d, kRoute, m));
    GesamtNeuBerechnen(d.Gesamt, d.Gesamt.GlaettungMittelungUeber, d.Gesamt.SteigungMittelungUeber);
    return RoutenInhalt(f, d.Gesamt, {d.ExportOptions, d.StreckenOptionen});
}

} // namespace

// Every format of the table through the real tool: --format writes it whatever the name, the
// extension of each export format picks it, --help and the manual page list it.
TEST(CliFormate, EveryFormatOfTheTableIsWrittenAndListed) {
    TempDir dir;
    const Lauf hilfe = Starten({"--help"});
    const std::string seite =
        DateiInhalt(std::string(HOPREX_TEST_DATA_DIR) + "/../../desktop/hoprex-cli.1");
    const std::string formate = seite.substr(seite.find(".SH FORMATE"));
    for (const Routenformat* f : Routenformate()) {
        const std::string name(f->Name());
        SCOPED_TRACE(name);
        const std::string muster = Dateimuster({f});
        EXPECT_NE(hilfe.Aus.find("  " + name + " "), std::string::npos);
        EXPECT_NE(hilfe.Aus.find(" " + muster + " "), std::string::npos);
        const std::string eintrag = ".B " + name + "\n.I " + muster + "\n";
        ASSERT_NE(formate.find(eintrag), std::string::npos);
        const std::string zeile = formate.substr(formate.find(eintrag) + eintrag.size());
        const std::string kann = f->Liest() && f->Schreibt() ? "lesen und schreiben"
                                 : f->Liest()                ? "lesen"
                                                             : "schreiben";
        EXPECT_EQ(zeile.substr(0, zeile.find('\n')).ends_with("; " + kann), true);
        if (!f->Schreibt()) continue;

        const std::string erwartet = Erwartet(*f);
        const Lauf l = Starten({"export", "--format", Q(name), Q(kRoute)});
        EXPECT_EQ(l.Status, 0) << l.Fehler;
        EXPECT_EQ(l.Aus, erwartet);
        if (f == &Profilformat()) continue;
        for (const std::string& endung : f->Endungen()) {
            const std::string aus = dir.Datei("route." + endung);
            ASSERT_EQ(Starten({"export", "-o", Q(aus), Q(kRoute)}).Status, 0);
            EXPECT_EQ(DateiInhalt(aus), erwartet);
        }
    }
    // The profile file's own extension leaves the export as it always was: the text export.
    ASSERT_EQ(Starten({"export", "-o", Q(dir.Datei("kopie.hpx")), Q(kRoute)}).Status, 0);
    EXPECT_EQ(DateiInhalt(dir.Datei("kopie.hpx")), Erwartet(*FormatNamens("txt")));
    EXPECT_EQ(Starten({"export", "--format", "gibtsnicht", Q(kRoute)}).Fehler,
              "hoprex-cli: 'gibtsnicht' ist kein Format, das geschrieben werden kann\n"
              "Mehr mit: hoprex-cli --help\n");
    EXPECT_EQ(Starten({"stats", "--format", "txt", Q(kRoute)}).Status, 2);
}
