#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A radio group: a frame with an optional caption and its items stacked one below the other.
// Nothing is selected until an item is chosen.
class TRadioGruppe : public QGroupBox {
    Q_OBJECT
public:
    TRadioGruppe(const QString& titel, const QStringList& eintraege, QWidget* eltern);

    // Selects the item with exactly this text; another text changes nothing. Reports Geklickt
    // when this changes the selection, as a click would.
    void EintragWaehlen(const QString& text);
    // Text of the selected item; empty when none is selected.
    QString GewaehlterText() const;

signals:
    // The selection changed, by the user or by EintragWaehlen.
    void Geklickt();

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    QButtonGroup* knoepfe_;
};
