#pragma once

#include "model/route_view_settings.h"

#include <QDialog>
#include <QSize>

class QRadioButton;
class QSpinBox;

// "Als Bild speichern…" of the route view asks here what the picture shows, the view as shown
// or the whole route, and how large it is, the chart's size on screen or one of the user's.
class TBildOptionenDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from `optionen`; `fenster` is the chart's size on screen.
    TBildOptionenDialog(const RoutenBildOptionen& optionen, QSize fenster, QWidget* eltern);

    // The choice as the controls show it.
    RoutenBildOptionen Optionen() const;

    QRadioButton *RB_Ansicht, *RB_GanzeRoute;
    QRadioButton *RB_Fenstergroesse, *RB_EigeneGroesse;
    QSpinBox *SE_Breite, *SE_Hoehe;
};
