#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"
#include "model/route_view_settings.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

// Everything the windows ask the user through a modal box: messages and file names. The real
// implementation shows Qt's message boxes and file dialogs; tests put in one that records the
// messages and answers with prepared paths.
class QPrinter;

class Dialoge {
public:
    virtual ~Dialoge() = default;

    // The program's own message: caption, text, a single OK button, no icon.
    virtual void Meldung(const QString& titel, const QString& text) = 0;

    // An error that ended an event handler: caption, text, error icon, OK button.
    virtual void Fehler(const QString& titel, const QString& text) = 0;

    // Asks for a file to read. `filter` is in Qt's form ("Hoprex Daten (*.hpx)"). The user may
    // name a file that does not exist; reading it then fails with the program's message.
    // Cancelled: no path.
    virtual std::optional<QString> OeffnenPfad(const QString& titel, const QString& filter,
                                               const QString& startordner) = 0;

    // Asks for a file to write, proposing `vorschlag` in `startordner`; `endung` ("hpx") is
    // added to a name typed without one. It asks nothing before an existing file is replaced:
    // SpeichernPfadFragen does. Cancelled: no path.
    virtual std::optional<QString> SpeichernPfad(const QString& titel, const QString& filter,
                                                 const QString& startordner,
                                                 const QString& vorschlag,
                                                 const QString& endung) = 0;

    // The route view's pictures. Asks what a picture shows and how large it is, starting from
    // `optionen`; `fenster` is the size of the chart on screen. False: cancelled.
    virtual bool BildOptionenFragen(RoutenBildOptionen& optionen, QSize fenster) = 0;
    // Where an exported track starts and how it is ridden, starting from `optionen`; false when
    // the user cancels, `optionen` then as it was.
    virtual bool StreckenOptionenFragen(TStreckenOptionen& optionen) = 0;

    // Asks for a picture file to write, PNG, SVG or PDF by the file type chosen in the dialog (a
    // name typed without one of their extensions gets that of the chosen type), proposing
    // `vorschlag` in `startordner`. Cancelled: no path.
    virtual std::optional<QString> BildSpeichernPfad(const QString& titel,
                                                     const QString& startordner,
                                                     const QString& vorschlag) = 0;

    // Qt's print dialog for `drucker`. False: cancelled.
    virtual bool Druckdialog(QPrinter& drucker) = 0;
    // A question with the buttons `knoepfe` (their texts, left to right); Enter presses
    // `knoepfe[standard]`, Escape and closing the box `knoepfe[abbruch]` (with -1 the box stays
    // until a button is pressed). Returns the index of the button pressed.
    virtual int Frage(const QString& titel, const QString& text, const QStringList& knoepfe,
                      int standard, int abbruch) = 0;
};

// The save dialog that asks before it replaces an existing file: "Nein" shows the dialog again
// with the name chosen. Arguments and result as Dialoge::SpeichernPfad.
std::optional<QString> SpeichernPfadFragen(Dialoge& dialoge, const QString& titel,
                                           const QString& filter, const QString& startordner,
                                           const QString& vorschlag, const QString& endung);

// Qt's own message boxes and file dialogs, shown over the active window (over none when no
// window of the program is active).
class QtDialoge : public Dialoge {
public:
    void Meldung(const QString& titel, const QString& text) override;
    void Fehler(const QString& titel, const QString& text) override;
    std::optional<QString> OeffnenPfad(const QString& titel, const QString& filter,
                                       const QString& startordner) override;
    std::optional<QString> SpeichernPfad(const QString& titel, const QString& filter,
                                         const QString& startordner, const QString& vorschlag,
                                         const QString& endung) override;
    bool BildOptionenFragen(RoutenBildOptionen& optionen, QSize fenster) override;
    bool StreckenOptionenFragen(TStreckenOptionen& optionen) override;
    std::optional<QString> BildSpeichernPfad(const QString& titel, const QString& startordner,
                                             const QString& vorschlag) override;
    bool Druckdialog(QPrinter& drucker) override;
    int Frage(const QString& titel, const QString& text, const QStringList& knoepfe, int standard,
              int abbruch) override;

private:
    // The open dialog offers the name last chosen in it, as one reused dialog would.
    QString letzteOeffnenDatei_;
};

// Lets the core's operations report through the window's message boxes.
class DialogMeldungen : public Meldungen {
public:
    explicit DialogMeldungen(Dialoge& dialoge) : dialoge_(dialoge) {}
    void Meldung(const std::string& titel, const std::string& text) override;

private:
    Dialoge& dialoge_;
};
