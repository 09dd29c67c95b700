#include "app/hoprex_window.h"

THoprex* Hoprex = nullptr;

THoprex::THoprex(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Hoprex"));
    setFixedSize(529, 588);
}
