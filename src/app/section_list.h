#pragma once

#include <QListWidget>
#include <QRect>
#include <QString>
#include <vector>

// A section list: one line per section in a fixed-pitch font, lines 14 pixels high, any number
// of lines selected (click, Ctrl-click, Shift-click, dragging, keyboard). The selection mirrors
// the sections' marks; only the user's changes are reported.
class TAbschnittListe : public QListWidget {
    Q_OBJECT
public:
    TAbschnittListe(const QColor& hintergrund, QWidget* eltern);

    // Replaces the lines; the focused line stays where it was when it still exists. Does not
    // report a selection change.
    void ZeilenSetzen(const std::vector<QString>& zeilen);
    // Selects line i exactly when auswahl[i] is set. Does not report a selection change.
    void AuswahlSetzen(const std::vector<bool>& auswahl);
    // Whether each line is selected, in line order.
    std::vector<bool> Auswahl() const;
    // The focused line (the one Enter and double click refer to), -1 when there is none.
    int FokusZeile() const { return currentRow(); }
    // The part of line `zeile` from character `zeichen` of its text to the line's right end,
    // in the coordinates of the list's parent (0: the whole line).
    QRect ZeilenRechteck(int zeile, int zeichen = 0) const;

signals:
    // The user changed the selection (click, drag or keyboard).
    void Geklickt();
    void DoppelGeklickt();
    // A key went down in the list (after the list handled it itself); `taste` is Qt's code.
    void TasteGedrueckt(int taste);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
};
