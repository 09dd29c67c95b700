#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// "Info über Hoprex": the program's name, picture, version and terms of use. Changes no data.
class TFInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFInfo(QWidget* eltern = nullptr);

    QFrame *Bevel1, *Bevel2, *Bevel3;
    QLabel *L_Freeware, *Image1, *L_WWW, *L_Version, *Label1, *Label2, *Label3, *Label4;
    QPushButton* Button1;

private:
    void Button1Click();
};

// The program-wide reference to the info dialog that is open (or was built at start-up).
extern TFInfo* FInfo;
