#pragma once

#include <QWidget>
#include <cstdint>

class QLineEdit;
class QToolButton;

// A vertical spin button joined to an edit at its right edge. It holds a whole number within
// its range, steps by its increment on each click (held down: repeatedly) or on the Up and Down
// keys in the edit, stops at the ends, and shows its number in the edit without thousands
// separators. The edit itself takes any typed text; each change of its text, typed or set
// here, raises the edit's change handler (its textChanged signal).
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* edit, int32_t minimum, int32_t maximum, int32_t schritt, QWidget* eltern);

    // Brings `wert` into the range and puts it into the edit as text.
    void PositionSetzen(int32_t wert);
    int32_t Position() const { return position_; }

    // One click: +1 up, -1 down. A number the user typed into the edit counts as the position
    // to step from when it lies within the range, as with the native control.
    void Schritt(int richtung);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QLineEdit* edit_;
    QToolButton* hoch_;
    QToolButton* runter_;
    int32_t minimum_, maximum_, schritt_;
    int32_t position_;
};
