#pragma once

#include "app/dialogs.h"
#include "app/hoprex_window.h"
#include "evaluation/bitmap.h"
#include "model/profile.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

// Readable test failures.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

// The message boxes and file dialogs of a test: every box is recorded, every file dialog is
// answered from a prepared list of paths.
class TestDialoge : public Dialoge {
public:
    struct Box {
        bool Fehlersymbol = false; // the error box of an escaped error, else a plain message
        QString Titel;
        QString Text;
        bool operator==(const Box&) const = default;
        friend void PrintTo(const Box& b, std::ostream* aus) {
            *aus << (b.Fehlersymbol ? "error box " : "message ") << b.Titel.toStdString() << ": "
                 << b.Text.toStdString();
        }
    };
    struct Dateifrage {
        QString Titel, Filter, Startordner, Vorschlag, Endung;
        bool operator==(const Dateifrage&) const = default;
    };

    void Meldung(const QString& titel, const QString& text) override {
        if (VorBox) VorBox();
        Boxen.push_back({false, titel, text});
    }
    void Fehler(const QString& titel, const QString& text) override {
        if (VorBox) VorBox();
        Boxen.push_back({true, titel, text});
    }
    std::optional<QString> OeffnenPfad(const QString& titel, const QString& filter,
                                       const QString& startordner) override {
        Fragen.push_back({titel, filter, startordner, {}, {}});
        return Antwort();
    }
    std::optional<QString> SpeichernPfad(const QString& titel, const QString& filter,
                                         const QString& startordner, const QString& vorschlag,
                                         const QString& endung) override {
        Fragen.push_back({titel, filter, startordner, vorschlag, endung});
        return Antwort();
    }

    // The route view's pictures. The options are answered with BildOptionen (as offered while
    // unset), or cancelled; the picture's file dialog like the others (its filter recorded as
    // "Bild"); the print dialog prints into the PDF file DruckPdf, or is cancelled when empty.
    bool BildOptionenFragen(RoutenBildOptionen& optionen, QSize fenster) override {
        ChartGroessen.push_back(fenster);
        if (BildAbbrechen) return false;
        if (BildOptionen) optionen = *BildOptionen;
        return true;
    }
    // The track options: answered with StreckenAntwort (as offered while unset), or cancelled.
    bool StreckenOptionenFragen(TStreckenOptionen& optionen) override {
        if (StreckeAbbrechen) return false;
        if (StreckenAntwort) optionen = *StreckenAntwort;
        return true;
    }
    std::optional<QString> BildSpeichernPfad(const QString& titel, const QString& startordner,
                                             const QString& vorschlag) override {
        Fragen.push_back({titel, QStringLiteral("Bild"), startordner, vorschlag, {}});
        return Antwort();
    }
    bool Druckdialog(QPrinter& drucker) override {
        DruckQuer.push_back(drucker.pageLayout().orientation() == QPageLayout::Landscape);
        if (DruckPdf.isEmpty()) return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(DruckPdf);
        return true;
    }

    int Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int standard,
              int abbruch) override {
        Rueckfragen.push_back({titel, text, knoepfe, standard, abbruch});
        if (Antworten.empty()) return abbruch >= 0 ? abbruch : standard;
        const QString antwort = Antworten.front();
        Antworten.pop_front();
        return static_cast<int>(knoepfe.indexOf(antwort));
    }
    struct Rueckfrage {
        QString Titel, Text;
        QStringList Knoepfe;
        int Standard = 0, Abbruch = 0;
        bool operator==(const Rueckfrage&) const = default;
    };

    std::vector<Box> Boxen;
    std::vector<Dateifrage> Fragen;
    bool BildAbbrechen = false;
    std::optional<RoutenBildOptionen> BildOptionen;
    std::vector<QSize> ChartGroessen; // as the picture options were asked with them
    bool StreckeAbbrechen = false;
    std::optional<TStreckenOptionen> StreckenAntwort;
    QString DruckPdf;
    std::vector<bool> DruckQuer; // landscape, each time the print dialog was shown
    // Runs as each box appears, to look at the window as the user then sees it.
    std::function<void()> VorBox;
    // Answers of the coming file dialogs, in order; an empty path cancels, as does none left.
    std::deque<QString> Pfade;
    std::vector<Rueckfrage> Rueckfragen;
    // The buttons that answer the coming questions, by their texts, in order; none left
    // presses Escape (or Enter, where Escape does nothing).
    std::deque<QString> Antworten;

private:
    std::optional<QString> Antwort() {
        if (Pfade.empty()) return std::nullopt;
        const QString pfad = Pfade.front();
        Pfade.pop_front();
        if (pfad.isEmpty()) return std::nullopt;
        return pfad;
    }
};

// A main window as the program starts it, with its settings file in a temporary folder.
struct FensterUmgebung {
    TempDir Ordner;
    TestDialoge Dialoge;
    std::unique_ptr<THoprex> Fenster;

    std::string Einstellungen() const { return Ordner.Datei("hoprex.INI"); }
    QString Pfad(const char* name) const { return QString::fromStdString(Ordner.Datei(name)); }

    // Recovery copies go to the test's own folder, as XDG_STATE_HOME/hoprex.
    std::string Zustand() const { return Ordner.Datei("state"); }

    THoprex& Starten() {
        setenv("XDG_STATE_HOME", Zustand().c_str(), 1);
        Fenster = std::make_unique<THoprex>(Dialoge, Einstellungen());
        Fenster->show();
        Fenster->activateWindow();
        QApplication::processEvents();
        return *Fenster;
    }
    // Closes the window as the user does; the window then writes the settings.
    void Beenden() { Fenster.reset(); }
};

// User input, sent to the widgets as the event loop would deliver it.

inline void MausDruck(QWidget* ziel, QPoint p, Qt::KeyboardModifiers umschalter = {}) {
    // A press from the window system gives the focus to the first widget from the one under
    // the pointer up to its window that takes the focus by click; sent events do not.
    for (QWidget* w = ziel; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget())
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            w->setFocus(Qt::MouseFocusReason);
            break;
        }
    QMouseEvent druck(QEvent::MouseButtonPress, p, ziel->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, umschalter);
    QApplication::sendEvent(ziel, &druck);
}

inline void MausLoslassen(QWidget* ziel, QPoint p, Qt::KeyboardModifiers umschalter = {}) {
    QMouseEvent los(QEvent::MouseButtonRelease, p, ziel->mapToGlobal(p), Qt::LeftButton,
                    Qt::NoButton, umschalter);
    QApplication::sendEvent(ziel, &los);
}

inline void MausKlick(QWidget* ziel, QPoint p, Qt::KeyboardModifiers umschalter = {}) {
    MausDruck(ziel, p, umschalter);
    MausLoslassen(ziel, p, umschalter);
}

inline void MausKlick(QWidget* ziel) {
    MausKlick(ziel, ziel->rect().center());
}

// The pointer moves with the left button held.
inline void MausZiehen(QWidget* ziel, QPoint p, Qt::KeyboardModifiers umschalter = {}) {
    QMouseEvent zug(QEvent::MouseMove, p, ziel->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                    umschalter);
    QApplication::sendEvent(ziel, &zug);
}

inline void MausDoppelklick(QWidget* ziel, QPoint p) {
    MausKlick(ziel, p);
    QMouseEvent doppel(QEvent::MouseButtonDblClick, p, ziel->mapToGlobal(p), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &doppel);
    MausLoslassen(ziel, p);
}

inline void Taste(QWidget* ziel, int taste, Qt::KeyboardModifiers umschalter = {},
                  const QString& text = {}) {
    QKeyEvent runter(QEvent::KeyPress, taste, umschalter, text);
    QApplication::sendEvent(ziel, &runter);
    QKeyEvent hoch(QEvent::KeyRelease, taste, umschalter, text);
    QApplication::sendEvent(ziel, &hoch);
}

// Types `text` into an edit, one key after the other.
inline void Tippen(QWidget* ziel, const QString& text) {
    for (const QChar zeichen : text)
        Taste(ziel, zeichen.isDigit() ? Qt::Key_0 + zeichen.digitValue() : Qt::Key_A,
              Qt::NoModifier, QString(zeichen));
}

// A viewer screenshot of the newer layout: the curve climbs from 854 m to 1250 m over the first
// 100 points and stays there; 4.10 km, two vertex lines, the cross at the right end.
TBitmap RoutenScreenshot();

// Puts `bild` on the clipboard, as Alt+PrintScreen in the viewer does.
void InAblage(const QImage& bild);

// Writes `profil` as a profile file `name` into the test's folder and loads it through the
// lower (gesamt) or upper "Öffnen" button, as the user would pick it in the dialog.
void ProfilLaden(FensterUmgebung& u, const char* name, const Profile& profil, bool gesamt);

// The recovery copies in the test's state folder.
int Kopien(const FensterUmgebung& u);

// Runs the event loop until `bedingung` holds, at most `ms` milliseconds.
bool Warten(const std::function<bool()>& bedingung, int ms);

// Starts the crash tests' window process (kill_child/main.cpp) with `argumente`, on the test's
// state folder.
void KindStarten(QProcess& kind, const FensterUmgebung& u, const QStringList& argumente);
