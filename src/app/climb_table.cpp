#include "app/climb_table.h"

#include "chart/route_chart.h"
#include "display/climb_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The columns of hoprex-cli anstiege, then the note.
const QStringList Spalten = QString::fromUtf8(AnstiegsKopf).split(QLatin1Char('\t'))
                            << QStringLiteral("Hinweis");
const int Hinweis = static_cast<int>(Spalten.size()) - 1;

// What a column sorts by.
double Schluessel(const Anstieg& a, size_t nummer, size_t spruenge, int spalte) {
    switch (spalte) {
    case 1:
        return a.Von;
    case 2:
        return a.Bis;
    case 3:
        return a.Laenge;
    case 4:
        return a.Hoehenmeter;
    case 5:
        return a.Steigung;
    case 6:
        return a.MaxSteigung;
    case 7:
        return a.Wertung; // the category follows the score
    case 8:
        return a.Fiets;
    default:
        return spalte == Hinweis ? static_cast<double>(spruenge) : static_cast<double>(nummer);
    }
}

QString Mehrzahl(size_t anzahl, const char* eins, const char* mehr) {
    return QStringLiteral("%1 %2").arg(anzahl).arg(QString::fromUtf8(anzahl == 1 ? eins : mehr));
}

} // namespace

void TAnstiegsModell::Setzen(const AnstiegsAnzeige& anzeige) {
    beginResetModel();
    anstiege_ = anzeige.Anstiege;
    zeilen_.clear();
    zeilen_.reserve(anstiege_.size());
    for (size_t i = 0; i < anstiege_.size(); ++i) {
        QStringList zellen =
            QString::fromStdString(AnstiegsZeile(static_cast<int32_t>(i + 1), anstiege_[i]))
                .split(QLatin1Char('\t'));
        QStringList hinweise;
        for (const Hoehensprung& s : SpruengeIn(anzeige.Spruenge, anstiege_[i]))
            hinweise << SprungText(s);
        zellen << hinweise.join(QStringLiteral("; "));
        zeilen_.push_back(std::move(zellen));
    }
    Ordnen();
    endResetModel();
}

int TAnstiegsModell::ZeileVon(size_t anstieg) const {
    const auto stelle = std::find(reihenfolge_.begin(), reihenfolge_.end(), anstieg);
    return stelle == reihenfolge_.end() ? -1 : static_cast<int>(stelle - reihenfolge_.begin());
}

QString TAnstiegsModell::Text() const {
    QString text = Spalten.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (size_t i : reihenfolge_)
        text += zeilen_[i].join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

int TAnstiegsModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(reihenfolge_.size());
}

int TAnstiegsModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(Spalten.size());
}

QVariant TAnstiegsModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const QString& text = zeilen_[AnstiegIn(index.row())].at(index.column());
    if (rolle == Qt::DisplayRole || (rolle == Qt::ToolTipRole && index.column() == Hinweis))
        return text;
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == Hinweis ? Qt::AlignLeft | Qt::AlignVCenter
                                                             : Qt::AlignRight | Qt::AlignVCenter);
    if (rolle == Qt::ForegroundRole && index.column() == Hinweis) return QColor(200, 0, 0);
    return {};
}

QVariant TAnstiegsModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 ||
        abschnitt >= Spalten.size())
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    return Spalten.at(abschnitt);
}

void TAnstiegsModell::sort(int spalte, Qt::SortOrder ordnung) {
    emit layoutAboutToBeChanged();
    spalte_ = spalte;
    ordnung_ = ordnung;
    Ordnen();
    emit layoutChanged();
}

void TAnstiegsModell::Ordnen() {
    reihenfolge_.resize(anstiege_.size());
    for (size_t i = 0; i < reihenfolge_.size(); ++i)
        reihenfolge_[i] = i;
    std::vector<double> schluessel(anstiege_.size());
    for (size_t i = 0; i < anstiege_.size(); ++i)
        schluessel[i] = Schluessel(anstiege_[i], i, zeilen_[i].back().isEmpty() ? 0 : 1, spalte_);
    std::stable_sort(reihenfolge_.begin(), reihenfolge_.end(), [&](size_t a, size_t b) {
        return ordnung_ == Qt::AscendingOrder ? schluessel[a] < schluessel[b]
                                              : schluessel[a] > schluessel[b];
    });
}

TAnstiegsTafel::TAnstiegsTafel(TRoutenChart* chart, QWidget* eltern)
    : QWidget(eltern), chart_(chart) {
    L_Anstiege = new QLabel(this);
    L_Anstiege->setWordWrap(true); // a long note must not widen the window
    BT_Kopieren = new QPushButton(QStringLiteral("Tabelle kopieren"), this);
    BT_Kopieren->setToolTip(QStringLiteral("Die Tabelle als Text in die Zwischenablage (Strg+C)"));
    Modell = new TAnstiegsModell(this);
    TV_Anstiege = new QTableView(this);
    TV_Anstiege->setModel(Modell);
    TV_Anstiege->setSelectionBehavior(QAbstractItemView::SelectRows);
    TV_Anstiege->setSelectionMode(QAbstractItemView::SingleSelection);
    TV_Anstiege->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV_Anstiege->setSortingEnabled(true);
    TV_Anstiege->sortByColumn(0, Qt::AscendingOrder);
    TV_Anstiege->verticalHeader()->hide();
    TV_Anstiege->verticalHeader()->setDefaultSectionSize(TV_Anstiege->fontMetrics().height() + 6);
    TV_Anstiege->horizontalHeader()->setStretchLastSection(true);
    // Widths from the headers, not from the rows: a long route has a thousand of them to
    // measure at every update.
    const QFontMetrics metrik(TV_Anstiege->horizontalHeader()->font());
    for (int i = 0; i < Hinweis; ++i)
        TV_Anstiege->setColumnWidth(i, metrik.horizontalAdvance(Spalten.at(i)) + 28);

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(L_Anstiege, 1);
    leiste->addWidget(BT_Kopieren);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(leiste);
    layout->addWidget(TV_Anstiege, 1);

    auto* kopieren =
        new QShortcut(QKeySequence::Copy, TV_Anstiege, nullptr, nullptr, Qt::WidgetShortcut);
    connect(kopieren, &QShortcut::activated, this, &TAnstiegsTafel::Kopieren);
    connect(BT_Kopieren, &QPushButton::clicked, this, &TAnstiegsTafel::Kopieren);
    connect(chart_, &TRoutenChart::AnstiegeGeaendert, this, &TAnstiegsTafel::Fuellen);
    connect(TV_Anstiege->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TAnstiegsTafel::ZeileGewaehlt);
    // A click or Enter on a row shows its climb; moving through the rows only marks it.
    const auto zeigen = [this](const QModelIndex& index) {
        chart_->AnstiegZeigen(Modell->AnstiegIn(index.row()));
    };
    connect(TV_Anstiege, &QTableView::clicked, this, zeigen);
    connect(TV_Anstiege, &QTableView::activated, this, zeigen);
    connect(chart_, &TRoutenChart::AnstiegGeklickt, this, [this](size_t anstieg) {
        const int zeile = Modell->ZeileVon(anstieg);
        if (zeile < 0) return;
        TV_Anstiege->selectRow(zeile);
        TV_Anstiege->scrollTo(Modell->index(zeile, 0));
    });
    Fuellen();
}

void TAnstiegsTafel::Fuellen() {
    Modell->Setzen(chart_->Anstiege());
    const AnstiegsAnzeige& a = chart_->Anstiege();
    QString text = a.Anstiege.empty() ? QStringLiteral("Keine Anstiege")
                                      : Mehrzahl(a.Anstiege.size(), "Anstieg", "Anstiege");
    if (!a.Spruenge.empty())
        text += QStringLiteral("  ·  ") +
                Mehrzahl(a.Spruenge.size(), "Abschnittsgrenze", "Abschnittsgrenzen") +
                QStringLiteral(" mit mehr als %1 m Höhensprung (rot markiert): ein Anstieg "
                               "darüber ist größer als seine Abschnitte")
                    .arg(SprungSchwelle);
    L_Anstiege->setText(text);
}

void TAnstiegsTafel::ZeileGewaehlt() {
    const QModelIndexList zeilen = TV_Anstiege->selectionModel()->selectedRows();
    chart_->AnstiegWaehlen(zeilen.isEmpty() ? std::nullopt
                                            : std::optional(Modell->AnstiegIn(zeilen[0].row())));
}

void TAnstiegsTafel::Kopieren() {
    QApplication::clipboard()->setText(Modell->Text());
}
