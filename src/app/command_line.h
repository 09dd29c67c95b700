#pragma once

#include <QStringList>
#include <string>
#include <vector>

// The command line of hoprex, split before Qt's parser sees it: the parser would take every
// argument that begins with "-" for an option, and its strings cannot hold a file name that is
// not valid UTF-8.
struct Aufruf {
    QStringList Optionen;             // the program's name and the options, for the parser
    std::vector<std::string> Dateien; // the files, by their names' bytes
};

// Splits `argumente` (the program's name first, after QApplication took its own options).
// An argument is an option when it spells one of `optionen` ("-h" for a name of one letter,
// "--help" for a longer one), or when it begins with "-" and names no file, so that a
// mistyped option is still reported as one; after "--" every argument is a file, and so is
// anything else.
Aufruf AufrufTeilen(const std::vector<std::string>& argumente, const QStringList& optionen);
