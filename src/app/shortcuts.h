#pragma once

class QKeyEvent;

// Whether `taste` is one of the main window's own shortcuts (Ctrl+O, Ctrl+Shift+O, Ctrl+S,
// Ctrl+E, F1). The number edits let these through, although an edit on this platform would
// take Ctrl+E as "end of line".
bool IstFensterKuerzel(const QKeyEvent& taste);
