// A window process for the crash test: it loads the route file named first, deletes its first
// section (the route is then modified, and its recovery copy is written soon) and runs until it
// is killed. Boxes and dialogs answer nothing; the test looks only at the recovery folder.
#include "app/dialogs.h"
#include "app/hoprex_window.h"
#include "app/section_list.h"

#include <QApplication>
#include <QPushButton>

namespace {

class KeineDialoge : public Dialoge {
public:
    void Meldung(const QString&, const QString&) override {}
    void Fehler(const QString&, const QString&) override {}
    std::optional<QString> OeffnenPfad(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> SpeichernPfad(const QString&, const QString&, const QString&,
                                         const QString&, const QString&) override {
        return std::nullopt;
    }
    int Frage(const QString&, const QString&, const QStringList&, int, int abbruch) override {
        return abbruch;
    }
    bool BildOptionenFragen(RoutenBildOptionen&, QSize) override { return false; }
    std::optional<QString> BildSpeichernPfad(const QString&, const QString&,
                                             const QString&) override {
        return std::nullopt;
    }
    bool Druckdialog(QPrinter&) override { return false; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    KeineDialoge dialoge;
    THoprex fenster(dialoge, argv[2]);
    fenster.show();
    if (!fenster.GesamtDateiOeffnen(QString::fromLocal8Bit(argv[1]))) return 1;
    fenster.LB_HAbschnitteGesamt->item(0)->setSelected(true);
    fenster.BT_GesamtWerteLoeschen->click();
    return QApplication::exec();
}
