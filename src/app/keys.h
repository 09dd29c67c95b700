#pragma once

#include <Qt>

// Whether `taste` (a Qt::Key) is either Enter: the main keyboard's Return or the keypad's Enter.
inline bool IstEnter(int taste) {
    return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}

// The keys the main window handles wherever the focus is, apart from a text being edited.
enum class Fenstertaste { Keine, Rueckgaengig, Wiederholen, Schliessen };

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, Ctrl+Q closes the window.
inline Fenstertaste FenstertasteVon(int taste, Qt::KeyboardModifiers umschalter) {
    umschalter &= ~Qt::KeypadModifier;
    if (umschalter == Qt::ControlModifier) {
        if (taste == Qt::Key_Z) return Fenstertaste::Rueckgaengig;
        if (taste == Qt::Key_Y) return Fenstertaste::Wiederholen;
        if (taste == Qt::Key_Q) return Fenstertaste::Schliessen;
    }
    if (umschalter == (Qt::ControlModifier | Qt::ShiftModifier) && taste == Qt::Key_Z)
        return Fenstertaste::Wiederholen;
    return Fenstertaste::Keine;
}
