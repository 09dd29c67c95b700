#pragma once

#include "app/dialogs.h"
#include "app/recovery_copy.h"
#include "display/graph_mapping.h"
#include "display/undo_commands.h"
#include "evaluation/bitmap.h"
#include "evaluation/work_record.h"
#include "files/file_stamp.h"
#include "model/hoprex_data.h"
#include "refresh/recalculation.h"

#include <QUndoStack>
#include <QWidget>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TAbschnittListe;
class TBildFlaeche;
class TRoutenprofil;
class TUpDown;
enum class Richtung : int32_t;

// The main window. It owns all of the program's data for the whole run (both profiles, the
// insertion mark, the settings, the export options, the evaluation's work record) and shows it:
// the current profile in the upper half, the assembled route in the lower half. Its controls
// carry the names under which the handlers and the tests know them; the dialogs are given what
// they edit and do not reach into the window.
class THoprex : public QWidget {
    Q_OBJECT
public:
    // Builds the window, reads the settings file at `einstellungsPfad` and sets the controls
    // from it. Message boxes and file dialogs go through `dialoge`, which must outlive the
    // window. The window is not shown.
    THoprex(Dialoge& dialoge, std::string einstellungsPfad, QWidget* eltern = nullptr);
    // Writes the settings file (a failure is reported and the window still goes).
    ~THoprex() override;

    // Loads the profile file at `pfad` into the overall profile as "Öffnen" in the lower half
    // does with a file chosen in its dialog, for a file named on the command line or dropped
    // onto the window: first the question about a modified route, then the load as an undo
    // step. Messages and errors are shown in their boxes. Returns true when the route is now
    // the file's.
    bool GesamtDateiOeffnen(const QString& pfad);

    // At start: for each route that a program which is gone left unsaved, newest first, the
    // question whether to restore it. "Wiederherstellen" makes it the route, modified, and ends
    // the questions; "Verwerfen" deletes the copy. Before them, for each file whose save in
    // place a kill cut off, the question whether to put its old bytes back.
    void WiederherstellungAnbieten();
    // Opens a file given on the command line or dropped on the window: a screenshot is
    // evaluated as by "Aus Ablage", anything else is loaded into the overall profile as by the
    // lower "Öffnen" (file_opening.h says which is which).
    void DateiOeffnen(const QString& pfad);
    // The same for the file whose name has the bytes `pfad`, valid UTF-8 or not, as the command
    // line and the file system give it.
    void PfadOeffnen(const std::string& pfad);

    HoprexDaten Daten;
    TAuswertung Auswertung;
    // Every change of the route and every new current profile, in the order they were made:
    // Ctrl+Z undoes the last of them whichever half it changed (hoprex_handlers_history.cpp).
    QUndoStack Verlauf;

    // Frames and fixed labels.
    QFrame *Bevel1, *Bevel7, *Bevel8, *Bevel12, *Bevel5, *Bevel2, *Bevel6;
    QLabel *Label15, *Label5, *L_GraphAktuellBeschreibung, *L_GraphGesamtBeschreibung, *Label2;
    QLabel *T_BMPZwischenablage, *T_SteigungNurBei, *Label10, *Label11, *Label6, *Label1;
    QLabel *Label9, *Label4, *Label8, *Label3, *Label7, *L_SkalFixMax, *L_SkalFixMin;

    // Value fields of the three rows.
    QLabel *E_AktuellStrecke, *E_HoeheMinAktuell, *E_HoeheMaxAktuell;
    QLabel *E_HoehenmeterPlusAktuell, *E_HoehenmeterMinusAktuell;
    QLabel *E_MarkiertStrecke, *E_HoeheMinMarkiert, *E_HoeheMaxMarkiert;
    QLabel *E_HoehenmeterPlusMarkiert, *E_HoehenmeterMinusMarkiert;
    QLabel *E_GesamtStrecke, *E_HoeheMinGesamt, *E_HoeheMaxGesamt;
    QLabel *E_HoehenmeterPlusGesamt, *E_HoehenmeterMinusGesamt;

    // Upper half: the current profile, and the fixed scale of both graphs.
    TBildFlaeche* Image_HoehenverlaufAktuell;
    QProgressBar* PB_BMPZwischenablage;
    TAbschnittListe* LB_HAbschnitteAktuell;
    QPushButton *BitBtn2, *BT_BMPAusZwischenablage, *BT_AktuellWerteEinlesen, *BT_WerteUebernehmen;
    QCheckBox* CB_SkalFix;
    QLineEdit *TE_SkalFixMax, *TE_SkalFixMin;
    TUpDown *UD_SkalFixMax, *UD_SkalFixMin;

    // Lower half: the overall profile.
    TBildFlaeche *Image_Gesamt, *Image_Hoehenverlauf;
    TAbschnittListe* LB_HAbschnitteGesamt;
    QLineEdit* T_Beschreibung;
    QPushButton *B_EinfuegeMarkeLL, *B_EinfuegeMarkeL, *B_EinfuegeMarkeR, *B_EinfuegeMarkeRR;
    QPushButton *B_AbschnittLL, *B_AbschnittL, *B_AbschnittR, *B_AbschnittRR;
    QPushButton *B_AbschnitteSpiegeln, *BT_GesamtWerteLoeschen;
    QCheckBox* CB_Glaettung;
    QLineEdit *T_Schwelle, *T_Steigung, *T_SteigungGlaettung;
    TUpDown *UpDown1, *UpDown2, *UpDown3;
    QPushButton *BT_GesamtWerteEinlesen, *BT_GesamtWerteSpeichern, *BT_Export, *BitBtn1;

    // The route view, a window of its own: nullptr until first needed by Ctrl+R or the context
    // menu of the overall graph and strip ("Routenprofil anzeigen", "Als Bild speichern…",
    // "Als Track exportieren…", "Drucken…").
    TRoutenprofil* Routenprofil = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    // Closing goes only after the question about unsaved changes let it (hoprex_guard.cpp).
    void closeEvent(QCloseEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    // Event handlers. The event loop reaches them through Geschuetzt: an error ends only the
    // handler.
    void BT_BMPAusZwischenablageClick();
    // Evaluates a screenshot that came by the clipboard, by Ctrl+V or by a file;
    // std::nullopt: no bitmap was offered.
    void BildAuswerten(std::optional<TBitmap> bitmap);
    // Evaluates the image file at `pfad`; one that cannot be read is reported with its name.
    void BildDateiAuswerten(const std::string& pfad);
    // Reads the track file at `pfad` as the new current profile, one step of the history; a
    // refused file is reported and changes nothing.
    void SpurDateiOeffnen(const std::string& pfad);
    void Image_HoehenverlaufAktuellMouseDown(int x, Qt::KeyboardModifiers umschalter);
    void Image_HoehenverlaufAktuellMouseMove(int x, Qt::MouseButtons knoepfe);
    void LB_HAbschnitteAktuellClick();
    void BT_AktuellWerteEinlesenClick();
    void BT_WerteUebernehmenClick();

    void B_EinfuegeMarkeLLClick();
    void B_EinfuegeMarkeLClick();
    void B_EinfuegeMarkeRClick();
    void B_EinfuegeMarkeRRClick();
    void B_AbschnittLLClick();
    void B_AbschnittLClick();
    void B_AbschnittRClick();
    void B_AbschnittRRClick();
    void B_AbschnitteSpiegelnClick();
    void BT_GesamtWerteLoeschenClick();
    void LB_HAbschnitteGesamtClick();
    void LB_HAbschnitteGesamtDblClick();
    void LB_HAbschnitteGesamtKeyDown(int taste);
    void T_BeschreibungKeyDown(int taste);
    void T_BeschreibungExit();
    void Image_GesamtMouseDown(int x, Qt::KeyboardModifiers umschalter);
    void Image_GesamtMouseMove(int x, Qt::MouseButtons knoepfe);

    void CB_GlaettungClick();
    void T_SchwelleChange();
    void T_SteigungChange();
    void T_SteigungGlaettungChange();
    void CB_SkalFixClick();
    void TE_SkalFixMaxChange();
    void TE_SkalFixMinChange();

    void BT_GesamtWerteSpeichernClick();
    // "Speichern" of the route: its dialog, then the file. True when the route was written.
    bool GesamtSichern();
    // Before the route is thrown away: while it is modified, the question whether to save it.
    // True when the caller may go on ("Speichern" and a successful save, or "Verwerfen").
    bool AenderungenGesichert();
    // Before a save replaces the file `pfad`: when it changed on disk since this window last
    // loaded or saved it, the question whether to replace it all the same. True: go on.
    bool FremdeAenderungUeberschreiben(const std::string& pfad);
    // After a save: the file `pfad` as it is now is this window's own.
    void StandMerken(const std::string& pfad);
    void BT_GesamtWerteEinlesenClick();
    // GesamtDateiOeffnen of the file whose name has the bytes `pfad`.
    bool GesamtPfadOeffnen(const std::string& pfad);
    // Reads the file at `pfad` and makes it the route, as an undo step. False after a message.
    bool GesamtDateiLaden(const std::string& pfad);
    // After a load into the overall profile, and after its cancelled dialog: the route's window
    // lengths into their edits, then the refresh chain.
    void GesamtGeladenAnzeigen();
    void BT_ExportClick();
    void BT_ExportOptionenClick();
    void BitBtn2Click();

    // The route view's handlers (hoprex_route_view.cpp).
    void RoutenprofilAnzeigen();
    void RoutenprofilBildSpeichern();
    void RoutenprofilStreckeExportieren();
    void RoutenprofilDrucken();
    // Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z: the last step of the history undone or redone, then
    // the refresh of the half it changed; Ctrl+Q: the window closes as by the window manager.
    // True when `ereignis` was one of these keys.
    bool FensterTaste(const QKeyEvent& ereignis);
    void Rueckgaengig();
    void Wiederholen();
    void Auffrischen(Anzeige anzeige);
    // After every change of the route, its file or its saved state: the title, and the recovery
    // copy (written soon while the route is modified, removed once it is saved).
    void ZustandNachfuehren();

    // The screen's device pixels, in which the graphs are drawn.
    Geraetepixel Geraet() const;
    // Refreshes, named by what they redraw from the records.
    void AktuellAnzeigen();      // current value fields, list with selection, graph
    void AktuellGraphZeichnen(); // current graph
    void GesamtAnzeigen();       // overall value fields, list with selection, graph
    void GesamtGraphZeichnen();  // overall graph and strip, marked statistics and their row
    void GesamtListeFuellen();   // overall list lines and selection
    // After every change of the overall profile: smoothing with the window lengths of
    // T_Schwelle and T_SteigungGlaettung, statistics, overall refresh. A window length that is
    // not a whole number ends it with the conversion error, after the overall refresh.
    void GesamtNeuBerechnenUndAnzeigen();
    // The smoothing pass with the window lengths that T_Schwelle and T_SteigungGlaettung show.
    // Nothing, and no text read, on an empty route; otherwise each text is converted right
    // before its pass needs it, so a gradient text that is no whole number ends the handler
    // after the heights were smoothed.
    void GlaettungslaufAusEdits();
    // The two window lengths of the edits, for an overall profile with sections; when the
    // gradient window's text is no whole number, the route is refreshed with the new smoothing
    // window and its old gradient window before the error.
    std::pair<int32_t, int32_t> FensterlaengenAusEdits();

    void SteuerelementeAnlegen(); // hoprex_layout.cpp
    void TabFolgeSetzen();        // hoprex_layout.cpp
    void EreignisseVerbinden();   // hoprex_events.cpp
    void RoutenprofilVerbinden(); // hoprex_route_view.cpp
    void GraphKontextmenue(QPoint ort);
    TRoutenprofil& RoutenprofilBereitstellen();
    void TastenkuerzelAnlegen(); // shortcuts.cpp
    void Starten();              // the construction steps after the settings are read
    void SkalFixSteuerelementeFreigeben();
    void SkalFixMaxKorrigieren();
    void EinfuegemarkeBewegen(Richtung richtung);
    void AbschnitteBewegen(Richtung richtung);
    void BeschreibungBearbeiten();

    // One half of the window as marking sees it: its profile, its list, the redraw of its
    // graph, and the section under the pointer at the previous drag event there.
    struct Haelfte {
        Profile& Profil;
        TAbschnittListe* Liste;
        const TBildFlaeche* Graph;
        void (THoprex::*GraphZeichnen)();
        int32_t& LetzterAbschnitt;
    };
    Haelfte AktuelleHaelfte();
    Haelfte GesamteHaelfte();
    void GraphMausDruck(const Haelfte& h, int x, Qt::KeyboardModifiers umschalter);
    void GraphMausZug(const Haelfte& h, int x, Qt::MouseButtons knoepfe);
    void ListeGeklickt(const Haelfte& h);
    void MarkierungZeigen(const Haelfte& h); // graph and list selection

    Dialoge& dialoge_;
    DialogMeldungen meldungen_;
    TSicherungskopie sicherung_;
    // The overall profile's refresh chain, which after an edit redoes only what it changed.
    Nachrechnung nachrechnung_;
    std::string einstellungsPfad_;
    // The route files this window loaded or saved, each as it was on disk right then.
    std::map<std::string, Dateistand> bekannteStaende_;
    // The section under the pointer at the previous drag event in the current and the overall
    // graph; 0 until the first drag.
    int32_t LetzterAbschnittAktuell = 0;
    int32_t LetzterAbschnittGesamt = 0;
};

// The program-wide reference to the main window while it exists.
extern THoprex* Hoprex;
