#pragma once

#include "app/dialogs.h"
#include "model/hoprex_data.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class TAnstiegsTafel;
class TRoutenChart;

// The route view ("Routenprofil"): the overall profile large in a window of its own, resizable
// and maximisable, that follows every change of it. It reads the main window's records and keeps
// its place, size and options in their settings (section [Routenprofil] of the settings file).
class TRoutenprofil : public QWidget {
    Q_OBJECT
public:
    // `daten` and `dialoge` are the main window's; both must outlive the view. Not shown.
    TRoutenprofil(HoprexDaten& daten, Dialoge& dialoge, QWidget* eltern);

    TRoutenChart* Chart;
    QCheckBox *CB_RoheLinie, *CB_Steigungsfarben, *CB_SteigungBetrag, *CB_Abschnittsnamen;
    TAnstiegsTafel* Anstiege; // the climbs' table under the chart
    QPushButton *BT_GanzeRoute, *BT_BildSpeichern, *BT_StreckeExportieren, *BT_Drucken;
    QLabel* L_Hinweis; // the selected stretch's figures, or how to read the chart

    // Shows the window (where it was last time) and brings it to the front.
    void Anzeigen();
    // Called with every drawing of the overall graph. The change is taken over once control is
    // back in the event loop, so that a handler that draws twice costs one update; a hidden
    // view takes it over when it is shown again.
    void Aktualisieren();
    // "Als Bild speichern…": asks what and how large, then where; writes PNG, SVG or PDF.
    void BildSpeichern();
    // "Als Track exportieren…": asks where, then writes the route as "Export" does, in the
    // track format of the extension (GPX, TCX, FIT or the trainer's slope course).
    void StreckeExportieren();
    // "Drucken…": Qt's print dialog, landscape; the view as shown, fitted to the page.
    void Drucken();
    // Keeps the window's place and size in the settings.
    void GeometrieMerken();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    void Uebernehmen();
    void DarstellungUebernehmen();
    void GeometrieSetzen();

    HoprexDaten& daten_;
    Dialoge& dialoge_;
    DialogMeldungen meldungen_;
    bool veraltet_ = true;    // the records changed since the chart took them over
    bool ausstehend_ = false; // an update waits in the event loop
    bool platziert_ = false;  // the stored place was applied, or the window was shown
};
