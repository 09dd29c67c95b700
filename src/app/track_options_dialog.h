#pragma once

#include "model/hoprex_data.h"

#include <QDialog>

class QDoubleSpinBox;
class QSpinBox;

// "Als Track exportieren…" asks here where the track starts and how it is ridden: a profile has
// neither coordinates nor times, so the exported track runs from a start point along a bearing
// at a pace, and the trainer's slope course is cut into segments of a set length.
class TStreckenOptionenDialog : public QDialog {
    Q_OBJECT
public:
    TStreckenOptionenDialog(const TStreckenOptionen& optionen, QWidget* eltern);

    // The values as the controls show them, within the bounds the settings file keeps.
    TStreckenOptionen Optionen() const;

    QDoubleSpinBox *SE_StartBreite, *SE_StartLaenge, *SE_Richtung, *SE_Tempo;
    QSpinBox* SE_SegmentMeter;
};
