#include "app/section_list.h"

#include "app/appearance.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

// Every line is 14 pixels high, whatever the font would ask for, so that the in-place editor
// and the column heads above the list keep their designed places.
class ZeilenHoehe : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 14};
    }
};

} // namespace

TAbschnittListe::TAbschnittListe(const QColor& hintergrund, QWidget* eltern) : QListWidget(eltern) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFont(FestbreitenSchrift(Pt8));
    setItemDelegate(new ZeilenHoehe(this));
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    FesteFarben(this, QPalette::Base, hintergrund);
    connect(this, &QListWidget::itemSelectionChanged, this, &TAbschnittListe::Geklickt);
}

void TAbschnittListe::ZeilenSetzen(const std::vector<QString>& zeilen) {
    const QSignalBlocker sperre(this);
    const int fokus = currentRow();
    clear();
    for (const QString& zeile : zeilen)
        addItem(zeile);
    if (fokus >= 0 && fokus < count()) setCurrentRow(fokus, QItemSelectionModel::NoUpdate);
}

void TAbschnittListe::AuswahlSetzen(const std::vector<bool>& auswahl) {
    const QSignalBlocker sperre(this);
    for (int i = 0; i < count(); ++i)
        item(i)->setSelected(static_cast<size_t>(i) < auswahl.size() && auswahl[i]);
}

std::vector<bool> TAbschnittListe::Auswahl() const {
    std::vector<bool> auswahl(static_cast<size_t>(count()));
    for (int i = 0; i < count(); ++i)
        auswahl[static_cast<size_t>(i)] = item(i)->isSelected();
    return auswahl;
}

QRect TAbschnittListe::ZeilenRechteck(int zeile, int zeichen) const {
    QRect rechteck = visualItemRect(item(zeile)).translated(viewport()->pos() + pos());
    if (zeichen > 0) {
        // The text starts the style's margin in from the line's left edge.
        const int rand = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
        rechteck.setLeft(rechteck.left() + rand +
                         fontMetrics().horizontalAdvance(QString(zeichen, ' ')));
    }
    return rechteck;
}

void TAbschnittListe::keyPressEvent(QKeyEvent* ereignis) {
    QListWidget::keyPressEvent(ereignis);
    emit TasteGedrueckt(ereignis->key());
}

void TAbschnittListe::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    QListWidget::mouseDoubleClickEvent(ereignis);
    emit DoppelGeklickt();
}
