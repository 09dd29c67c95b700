#include "app/info_dialog.h"

#include "app/appearance.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TFInfo* FInfo = nullptr;

namespace {

QFrame* Vertieft(QWidget* eltern, int x, int y, int b, int h) {
    auto* rahmen = new QFrame(eltern);
    rahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rahmen->setGeometry(x, y, b, h);
    return rahmen;
}

QLabel* Text(QWidget* eltern, int x, int y, int b, int h, const QString& text, int pixelHoehe,
             Qt::Alignment ausrichtung, bool umbrechen) {
    auto* label = new QLabel(text, eltern);
    label->setGeometry(x, y, b, h);
    label->setFont(SansSerifSchrift(pixelHoehe));
    label->setAlignment(ausrichtung);
    label->setWordWrap(umbrechen);
    return label;
}

} // namespace

TFInfo::TFInfo(QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Info über Hoprex"));
    setWindowIcon(Programmsymbol());
    setFixedSize(224, 355);
    move(444, 167);
    setFont(SansSerifSchrift(Pt8));

    const Qt::Alignment links = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment mitte = Qt::AlignHCenter | Qt::AlignTop;
    Bevel2 = Vertieft(this, 8, 8, 209, 105);
    Bevel1 = Vertieft(this, 47, 40, 36, 36);
    Bevel3 = Vertieft(this, 8, 120, 209, 233);
    L_Freeware =
        Text(this, 40, 19, 49, 13, "Hoprex", Pt9, Qt::AlignHCenter | Qt::AlignBottom, true);
    Image1 = new QLabel(this);
    Image1->setGeometry(49, 42, 32, 32);
    Image1->setPixmap(Programmsymbol().pixmap(32, 32));
    // The program has no web address of its own: the field stays empty.
    L_WWW = Text(this, 105, 48, 79, 16, QString(), Pt10, mitte, true);
    L_Version = Text(this, 52, 88, 31, 13, "V 2.21", Pt9, mitte, false);
    Label1 = Text(this, 15, 130, 171, 26, QString(), Pt8, links, true);
    Label4 = Text(this, 15, 162, 140, 26, QString(), Pt8, links, true);
    Label3 = Text(this, 15, 196, 195, 39,
                  QStringLiteral("Ich kann leider nicht ausschließen, daß Hoprex noch den einen "
                                 "oder anderen Fehler beinhaltet."),
                  Pt8, links, true);
    Label2 = Text(this, 15, 246, 160, 39, QString(), Pt8, links, true);
    Button1 = new QPushButton(QStringLiteral("Zurück"), this);
    Button1->setGeometry(68, 313, 80, 32);
    Button1->setAutoDefault(false);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFInfo::Button1Click() {
    close();
}
