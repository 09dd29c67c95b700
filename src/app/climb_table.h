#pragma once

#include "chart/climb_bands.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;
class TRoutenChart;

// The route view's table of the climbs: one row per climb with the figures hoprex-cli anstiege
// prints and a note on the joins that do not fit within it; sortable by any column.
class TAnstiegsModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Takes over what the chart found; the rows keep the column and order sorted by.
    void Setzen(const AnstiegsAnzeige& anzeige);
    // The climb (index in route order) shown in `zeile`, and the row of climb `anstieg`.
    size_t AnstiegIn(int zeile) const { return reihenfolge_.at(static_cast<size_t>(zeile)); }
    int ZeileVon(size_t anstieg) const;
    // The table as text, rows as shown: hoprex-cli anstiege's lines with the note after a tab.
    QString Text() const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    void sort(int spalte, Qt::SortOrder ordnung) override;

private:
    void Ordnen();

    std::vector<Anstieg> anstiege_;
    std::vector<QStringList> zeilen_; // per climb in route order: its cells
    std::vector<size_t> reihenfolge_; // climb shown in each row
    int spalte_ = 0;
    Qt::SortOrder ordnung_ = Qt::AscendingOrder;
};

// The table with its caption (how many climbs, and whether joins do not fit) and a button that
// copies it. Follows `chart`: refilled at each of its updates; a click on a row shows that
// climb in the chart, a click on a band there selects its row.
class TAnstiegsTafel : public QWidget {
    Q_OBJECT
public:
    TAnstiegsTafel(TRoutenChart* chart, QWidget* eltern);

    QLabel* L_Anstiege;
    QPushButton* BT_Kopieren;
    QTableView* TV_Anstiege;
    TAnstiegsModell* Modell;

    // Puts the table as text on the clipboard.
    void Kopieren();

private:
    void Fuellen();
    void ZeileGewaehlt();

    TRoutenChart* chart_;
};
