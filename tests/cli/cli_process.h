#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <string>

// One run of hoprex-cli, as a script sees it.
struct Lauf {
    int Status = -1; // exit status; -1 when the tool did not end normally (a signal)
    std::string Aus;
    std::string Fehler;
};

// Runs hoprex-cli with `argumente`. `vorbereiten` runs in the child right before the tool starts
// (to set limits the way a shell's ulimit does); `ausgabeDatei` takes standard output and
// `eingabeDatei` gives standard input instead of a pipe, as redirections in the shell do. The
// system's reasons in messages are the C locale's, whatever the developer's language.
inline Lauf Starten(const QStringList& argumente, const std::function<void()>& vorbereiten = {},
                    const QString& ausgabeDatei = {}, const QString& eingabeDatei = {}) {
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("LC_ALL", "C");
    umgebung.remove("LANGUAGE");
    p.setProcessEnvironment(umgebung);
    if (vorbereiten) p.setChildProcessModifier(vorbereiten);
    if (!ausgabeDatei.isEmpty()) p.setStandardOutputFile(ausgabeDatei);
    if (!eingabeDatei.isEmpty()) p.setStandardInputFile(eingabeDatei);
    p.start(HOPREX_CLI_PATH, argumente);
    EXPECT_TRUE(p.waitForFinished(60000));
    Lauf l;
    l.Status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    l.Aus = p.readAllStandardOutput().toStdString();
    l.Fehler = p.readAllStandardError().toStdString();
    return l;
}

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
