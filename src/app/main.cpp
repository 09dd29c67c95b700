#include "app/hoprex_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hoprex"));
    THoprex fenster;
    Hoprex = &fenster;
    fenster.show();
    return app.exec();
}
