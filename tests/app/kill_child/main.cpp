// A window process for the crash tests: it loads the route file named first, deletes its first
// section (the route is then modified, and its recovery copy is written soon) and runs until it
// is killed. Boxes and dialogs answer nothing; the test looks only at the files.
//
// With a third path, two seconds later (its copy written) it saves the route there, answering
// "Ja" to the question before the file is replaced, and kills itself with SIGKILL once it has
// written a megabyte into that file: the kill falls into a save in place. With "probe" after it,
// the kill falls into the write of the trial file beside it instead.
#include "app/dialogs.h"
#include "app/hoprex_window.h"
#include "app/section_list.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct stat ziel {};
bool zielGesetzt = false;
bool probe = false;
ssize_t geschrieben = 0;

class KeineDialoge : public Dialoge {
public:
    std::optional<QString> Speichern;
    void Meldung(const QString&, const QString&) override {}
    void Fehler(const QString&, const QString&) override {}
    std::optional<QString> OeffnenPfad(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> SpeichernPfad(const QString&, const QString&, const QString&,
                                         const QString&, const QString&) override {
        return Speichern;
    }
    int Frage(const QString&, const QString&, const QStringList& knoepfe, int,
              int abbruch) override {
        return Speichern ? static_cast<int>(knoepfe.indexOf(QStringLiteral("Ja"))) : abbruch;
    }
    bool BildOptionenFragen(RoutenBildOptionen&, QSize) override { return false; }
    bool StreckenOptionenFragen(TStreckenOptionen&) override { return false; }
    std::optional<QString> BildSpeichernPfad(const QString&, const QString&,
                                             const QString&) override {
        return std::nullopt;
    }
    bool Druckdialog(QPrinter&) override { return false; }
};

} // namespace

// Every write of the process passes here: the bytes of the file itself are counted (the trial
// file and the backup are other files), or with `probe` those of the hidden temporary files.
bool Gezaehlt(int fd) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return false;
    if (!probe) return info.st_ino == ziel.st_ino && info.st_dev == ziel.st_dev;
    char pfad[4096] = {};
    const std::string verweis = "/proc/self/fd/" + std::to_string(fd);
    return readlink(verweis.c_str(), pfad, sizeof pfad - 1) > 0 &&
           std::string(pfad).find("/.hoprex-") != std::string::npos;
}

extern "C" ssize_t write(int fd, const void* bytes, size_t n) {
    const auto ergebnis = static_cast<ssize_t>(syscall(SYS_write, fd, bytes, n));
    if (zielGesetzt && ergebnis > 0 && Gezaehlt(fd) && (geschrieben += ergebnis) >= (1 << 20))
        raise(SIGKILL);
    return ergebnis;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3 || argc > 5) return 2;
    probe = argc == 5 && std::string(argv[4]) == "probe";
    KeineDialoge dialoge;
    THoprex fenster(dialoge, argv[2]);
    fenster.show();
    if (!fenster.GesamtDateiOeffnen(QString::fromLocal8Bit(argv[1]))) return 1;
    fenster.LB_HAbschnitteGesamt->item(0)->setSelected(true);
    fenster.BT_GesamtWerteLoeschen->click();
    if (argc >= 4) {
        if (stat(argv[3], &ziel) != 0) return 3;
        QTimer::singleShot(2000, [&] {
            dialoge.Speichern = QString::fromLocal8Bit(argv[3]);
            zielGesetzt = true;
            fenster.BT_GesamtWerteSpeichern->click();
        });
    }
    return QApplication::exec();
}
