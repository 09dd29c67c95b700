#pragma once

#include "app/dialogs.h"
#include "model/hoprex_data.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGruppe;

// "Export Einstellungen": edits the export options. Every change is written into the options
// at once; there is no cancel.
class TFr_ExpEin : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog and sets its controls from `optionen`; this changes no option. The
    // point counts are those of exporting `gesamt`; an error in a handler is shown through
    // `dialoge`. All three must outlive the dialog.
    TFr_ExpEin(TExportOptions& optionen, const Profile& gesamt, Dialoge& dialoge,
               QWidget* eltern = nullptr);

    QCheckBox *CB_Header, *CB_Abschnitte, *CB_Stuetzpunkte, *CB_PunkteReduzieren;
    QLabel* L_Punktanzahl;
    QLineEdit* E_MeterProPunkt;
    QLabel* L_MeterProPunkt;
    TRadioGruppe *RG_StreckeIn, *RG_RelativAbsolut, *RG_Glaettung, *RG_FormatPunktKomma;
    QPushButton* Button1;

private:
    void CB_HeaderClick();
    void CB_AbschnitteClick();
    void CB_StuetzpunkteClick();
    void CB_PunkteReduzierenClick();
    void E_MeterProPunktChange();
    void RG_StreckeInClick();
    void RG_RelativAbsolutClick();
    void RG_GlaettungClick();
    void RG_FormatPunktKommaClick();
    void Button1Click();

    void SteuerelementeAnlegen();
    void EreignisseVerbinden();
    // Shows or hides the points-per-metre edit and sets the count label to the estimate (when
    // reducing) or to all points, as building the dialog and the reduce box do.
    void ReduzierenZeigen();
    void PunktanzahlZeigen(int32_t anzahl);

    TExportOptions& optionen_;
    const Profile& gesamt_;
    Dialoge& dialoge_;
};

// The program-wide reference to the export options dialog that is open (or was built at
// start-up).
extern TFr_ExpEin* Fr_ExpEin;
