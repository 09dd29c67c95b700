// The crash tests' window process, started apart from the fixture, which the benchmarks share.
#include "window_fixture.h"

void KindStarten(QProcess& kind, const FensterUmgebung& u, const QStringList& argumente) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("XDG_STATE_HOME", QString::fromStdString(u.Zustand()));
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    kind.setProcessEnvironment(umgebung);
    kind.start(HOPREX_KILL_CHILD_PATH, argumente);
}
