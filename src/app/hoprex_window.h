#pragma once

#include "model/hoprex_daten.h"

#include <QWidget>

// The main window. It owns all of the program's data for the whole run.
class THoprex : public QWidget {
    Q_OBJECT
public:
    explicit THoprex(QWidget* parent = nullptr);

    HoprexDaten Daten;
};

// The program-wide reference to the main window; the dialogs reach its data through it.
extern THoprex* Hoprex;
