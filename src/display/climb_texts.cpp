#include "display/climb_texts.h"

#include "model/c_format.h"

namespace {

QString Komma(const std::string& zahl) {
    return QString::fromStdString(zahl).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

std::string AnstiegsZeile(int32_t nummer, const Anstieg& a) {
    return Formatieren("%d\t%.2f\t%.2f\t%.2f\t%d\t%.1f\t%.1f\t%s\t%.2f", nummer,
                       static_cast<double>(a.Von), static_cast<double>(a.Bis), a.Laenge,
                       a.Hoehenmeter, a.Steigung, a.MaxSteigung, KategorieText(a.Kategorie),
                       a.Fiets);
}

std::string AnstiegsTabelle(const std::vector<Anstieg>& anstiege) {
    std::string text = std::string(AnstiegsKopf) + "\n";
    for (size_t i = 0; i < anstiege.size(); ++i)
        text += AnstiegsZeile(static_cast<int32_t>(i + 1), anstiege[i]) + "\n";
    return text;
}

QString AnstiegsKurzbeschriftung(const Anstieg& a) {
    const QString kategorie = QString::fromLatin1(KategorieText(a.Kategorie));
    return a.Kategorie == AnstiegsKategorie::HC ? kategorie : QStringLiteral("Kat. ") + kategorie;
}

QString AnstiegsBeschriftung(const Anstieg& a) {
    return AnstiegsKurzbeschriftung(a) + QStringLiteral(" · ") +
           Komma(Formatieren("%.1f", a.Laenge)) + QStringLiteral(" km · ") +
           Komma(Formatieren("%.1f", a.Steigung)) + QStringLiteral(" %");
}

QString SprungText(const Hoehensprung& s) {
    return QStringLiteral("Höhensprung %1%2 m bei km %3 (Abschnitt %4/%5)")
        .arg(s.Differenz > 0 ? QStringLiteral("+") : QString())
        .arg(s.Differenz)
        .arg(QString::fromStdString(Formatieren("%.2f", static_cast<double>(s.Km))))
        .arg(s.Abschnitt)
        .arg(s.Abschnitt + 1);
}
