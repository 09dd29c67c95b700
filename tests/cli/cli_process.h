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
// (to set limits the way a shell's ulimit does); `ausgabeDatei` takes standard output instead
// of a pipe, as a redirection in the shell does.
inline Lauf Starten(const QStringList& argumente, const std::function<void()>& vorbereiten = {},
                    const QString& ausgabeDatei = {}) {
    QProcess p;
    if (vorbereiten) p.setChildProcessModifier(vorbereiten);
    if (!ausgabeDatei.isEmpty()) p.setStandardOutputFile(ausgabeDatei);
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
