#include "app/section_list.h"

#include "app/appearance.h"

#include <QItemSelection>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyledItemDelegate>

#include <algorithm>

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
    // All lines in one insertion: the view lays out once, not once per line.
    addItems(QStringList(zeilen.begin(), zeilen.end()));
    if (fokus >= 0 && fokus < count()) setCurrentRow(fokus, QItemSelectionModel::NoUpdate);
}

void TAbschnittListe::AuswahlSetzen(const std::vector<bool>& auswahl) {
    // One selection of the runs of marked lines, set at once: selecting line by line merges
    // each line into every range before it, which grows with the square of the marked lines.
    QItemSelection laeufe;
    const int zeilen = std::min(count(), static_cast<int>(auswahl.size()));
    for (int i = 0; i < zeilen; ++i) {
        if (!auswahl[static_cast<size_t>(i)]) continue;
        const int anfang = i;
        while (i + 1 < zeilen && auswahl[static_cast<size_t>(i) + 1])
            ++i;
        laeufe.select(model()->index(anfang, 0), model()->index(i, 0));
    }
    const QSignalBlocker sperre(this);
    selectionModel()->select(laeufe, QItemSelectionModel::ClearAndSelect);
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
