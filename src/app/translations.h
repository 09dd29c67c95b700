#pragma once

#include <QTranslator>

// Qt's own German texts (qtbase_de.qm from Qt's translations folder, Debian package
// qt6-translations-l10n) for as long as this object lives: the buttons and labels of the
// standard file dialogs and message boxes, the edits' context menus and the names of keys speak
// German, whatever language the desktop is set to, as the rest of the program does. Create it
// after the application object and before the windows.
class QtTexteDeutsch {
public:
    QtTexteDeutsch();
    ~QtTexteDeutsch();
    QtTexteDeutsch(const QtTexteDeutsch&) = delete;
    QtTexteDeutsch& operator=(const QtTexteDeutsch&) = delete;

    // False when Qt's German texts are not installed: Qt's English ones remain.
    bool Geladen() const { return geladen_; }

private:
    QTranslator uebersetzer_;
    bool geladen_ = false;
};
