#pragma once

#include <Qt>

// Whether `taste` (a Qt::Key) is either Enter: the main keyboard's Return or the keypad's Enter.
inline bool IstEnter(int taste) {
    return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}
