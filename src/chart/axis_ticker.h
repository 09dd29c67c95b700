#pragma once

#include <qcustomplot.h>

// Ticks at 1, 2 or 5 times a power of ten (QCustomPlot's own ticker also takes 2.5), labelled
// with as many decimals as the step needs and a decimal point.
class TSchrittTicker : public QCPAxisTicker {
protected:
    double getTickStep(const QCPRange& bereich) override;
    int getSubTickCount(double schritt) override;
    QString getTickLabel(double tick, const QLocale& locale, QChar format,
                         int genauigkeit) override;

private:
    double schritt_ = 1.0;
};
