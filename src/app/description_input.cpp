#include "app/description_input.h"

#include "files/cp1252.h"

#include <QToolTip>
#include <QWidget>
#include <algorithm>

namespace {

const QString Hinweis = QStringLiteral("Profildateien speichern nur Zeichen aus Windows-1252: "
                                       "die übrigen werden als „?“ gespeichert.");

// Composed first: "e" with a combining accent is the one character "é" that the file can hold.
QString Darstellbar(const QString& text) {
    return QString::fromStdString(
        Cp1252Darstellbar(text.normalized(QString::NormalizationForm_C).toStdString()));
}

} // namespace

QValidator::State TBeschreibungsPruefer::validate(QString& text, int& cursor) const {
    const QString bleibt = Darstellbar(text);
    if (bleibt == text) return Acceptable;
    const bool ersetzt = bleibt != text.normalized(QString::NormalizationForm_C);
    cursor = std::min(static_cast<int>(Darstellbar(text.left(cursor)).size()),
                      static_cast<int>(bleibt.size()));
    text = bleibt;
    if (auto* editor = qobject_cast<QWidget*>(parent()); editor && ersetzt)
        QToolTip::showText(editor->mapToGlobal(QPoint(0, editor->height())), Hinweis, editor);
    return Acceptable;
}
