#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGruppe;

// "Export Einstellungen": edits the export options of the main window (reached through
// Hoprex). Every change is written into the options at once; there is no cancel.
class TFr_ExpEin : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog and sets its controls from the options; this changes no option.
    explicit TFr_ExpEin(QWidget* eltern = nullptr);

    QCheckBox *CB_Header, *CB_Abschnitte, *CB_Stuetzpunkte, *CB_PunkteReduzieren;
    QLabel* L_Punktanzahl;
    QLineEdit* E_MeterProPunkt;
    QLabel* L_MeterProPunkt;
    TRadioGruppe *RG_StreckeIn, *RG_RelativAbsolut, *RG_Glaettung, *RG_FormatPunktKomma;
    QPushButton* Button1;

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

private:
    void SteuerelementeAnlegen();
    void EreignisseVerbinden();
    // Shows or hides the points-per-metre edit and sets the count label to the estimate (when
    // reducing) or to all points, as building the dialog and the reduce box do.
    void ReduzierenZeigen();
    void PunktanzahlZeigen(int32_t anzahl);
};

// The program-wide reference to the export options dialog that is open (or was built at
// start-up); its OK button closes the dialog it refers to.
extern TFr_ExpEin* Fr_ExpEin;
