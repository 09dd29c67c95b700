// How hoprex-cli behaves as a command-line tool: short usage errors, --version, "-" for the
// standard streams, file errors that name the file and the system's reason, write errors.
#include "cli_process.h"
#include "display/bitmap_image.h"
#include "support/screenshot_builder.h"
#include "support/temp_dir.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QString kRoute = QString(HOPREX_TEST_DATA_DIR) + "/cli/route.hpx";

std::string Nutzungsfehler(const std::string& grund) {
    return "hoprex-cli: " + grund + "\nMehr mit: hoprex-cli --help\n";
}

} // namespace

TEST(CliAufruf, AUsageErrorIsOneLineAndTheHintToHelpWithStatus2) {
    const struct {
        QStringList argumente;
        std::string grund;
    } faelle[] = {
        {{}, "kein Befehl angegeben"},
        {{"rechnen"}, "unbekannter Befehl rechnen"},
        {{"export", "--bogus", "a.hpx"}, "unbekannte Option --bogus"},
        {{"evaluate", "--glaetten"}, "Option --glaetten braucht einen Wert"},
        {{"stats", "a.hpx", "b.hpx"}, "genau eine Profildatei (.hpx) angeben"},
        {{"evaluate", "-", "bild.png", "-"}, "die Standardeingabe (-) nur einmal angeben"},
    };
    for (const auto& fall : faelle) {
        const Lauf l = Starten(fall.argumente);
        EXPECT_EQ(l.Status, 2) << fall.grund;
        EXPECT_EQ(l.Fehler, Nutzungsfehler(fall.grund));
        EXPECT_EQ(l.Aus, "");
    }
}

TEST(CliAufruf, VersionAndHelpGoToStandardOutputAndAWriteErrorThereEndsWith1) {
    const Lauf version = Starten({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_TRUE(QRegularExpression("^hoprex-cli \\d+\\.\\d+\\n$")
                    .match(QString::fromStdString(version.Aus))
                    .hasMatch())
        << version.Aus;

    for (const QStringList& argumente :
         {QStringList{"--help"}, QStringList{"--version"}, QStringList{"stats", kRoute}}) {
        const Lauf voll = Starten(argumente, {}, "/dev/full");
        EXPECT_EQ(voll.Status, 1) << argumente.join(' ').toStdString();
        EXPECT_EQ(voll.Fehler, "hoprex-cli: Standardausgabe: No space left on device\n");
    }
}

TEST(CliAufruf, DashIsStandardInputForAProfileOrAnImageAndStandardOutputForO) {
    const Lauf ausDatei = Starten({"export", "--header", kRoute});
    ASSERT_EQ(ausDatei.Status, 0) << ausDatei.Fehler;
    const Lauf ausEingabe = Starten({"export", "--header", "-o", "-", "-"}, {}, {}, kRoute);
    EXPECT_EQ(ausEingabe.Status, 0) << ausEingabe.Fehler;
    EXPECT_EQ(ausEingabe.Aus, ausDatei.Aus);
    EXPECT_EQ(Starten({"stats", "-"}, {}, {}, kRoute).Aus, Starten({"stats", kRoute}).Aus);

    // A JPEG screenshot read from standard input gives the file the PNG of it gives.
    TempDir dir;
    TScreenshot s = ScreenshotMit(2, "1250", "850", "4100 m");
    s.Kurve = KurveAusStrecken(2, 200, {{50, -2}, {60, 1}, {40, -1}, {30, 2}, {80, -1}});
    s.Stuetzpunkte = {140, 330};
    s.Kreuze = {Kreuzposition::GanzRechts};
    const QImage bild = QImageAusBitmap(ScreenshotBauen(s));
    const QString png = QString::fromStdString(dir.Datei("bild.png"));
    const QString jpeg = QString::fromStdString(dir.Datei("bild.jpg"));
    ASSERT_TRUE(bild.save(png));
    ASSERT_TRUE(bild.save(jpeg, "JPEG", 100));
    const Lauf ausPng = Starten({"evaluate", png});
    ASSERT_EQ(ausPng.Status, 0) << ausPng.Fehler;
    const Lauf ausJpeg = Starten({"evaluate", "-"}, {}, {}, jpeg);
    EXPECT_EQ(ausJpeg.Status, 0) << ausJpeg.Fehler;
    EXPECT_EQ(ausJpeg.Aus, ausPng.Aus);
}

TEST(CliAufruf, AFileThatCannotBeReadOrWrittenIsNamedWithTheSystemsReason) {
    TempDir dir;
    const std::string fehlt = dir.Datei("fehlt.png");
    const std::string text = dir.Datei("notiz.png");
    DateiAnlegen(text, "kein Bild\n");
    const struct {
        QStringList argumente;
        std::string meldung;
    } faelle[] = {
        // A missing image is a missing file, not an unreadable clipboard.
        {{"evaluate", QString::fromStdString(fehlt)}, fehlt + ": No such file or directory"},
        {{"stats", QString::fromStdString(dir.Datei("fehlt.hpx"))},
         dir.Datei("fehlt.hpx") + ": No such file or directory"},
        {{"export", QString::fromStdString(dir.Pfad().string())},
         dir.Pfad().string() + ": Is a directory"},
        {{"evaluate", QString::fromStdString(text)}, text + ": kein Bild in einem lesbaren Format"},
        {{"stats", "/dev/zero"}, "/dev/zero: keine reguläre Datei"},
        {{"export", "-o", QString::fromStdString(dir.Datei("kein/ordner.txt")), kRoute},
         dir.Datei("kein/ordner.txt") + ": No such file or directory"},
    };
    for (const auto& fall : faelle) {
        const Lauf l = Starten(fall.argumente);
        EXPECT_EQ(l.Status, 1) << fall.meldung;
        EXPECT_EQ(l.Fehler, "hoprex-cli: " + fall.meldung + "\n");
        EXPECT_EQ(l.Aus, "");
    }
}
