// A soak against a model: thousands of random steps of a user (evaluations and transfers,
// moves, mirrors, deletions, descriptions, undo and redo, saves and loads, smoothing on and off)
// in a real window process, and after each step the route, the current profile and the history
// compared with a plain model of what the user did. Every few hundred steps the process is
// killed, a new one starts on the same state folder and takes the recovery offer.
//
// HOPREX_DAUERLAUF_SCHRITTE sets the number of steps, HOPREX_DAUERLAUF_SAAT the seed.
#include "files/profile_file.h"
#include "files/recovery_file.h"
#include "soak_protocol.h"
#include "support/profile_builder.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

namespace {

struct Messpunkt {
    int32_t Hoehe;
    float Abstand;
    int Stuetzpunkt;
};
struct Stueck {
    std::string Name;
    std::vector<Messpunkt> Punkte;
    bool Markiert = true;
};
using Route = std::vector<Stueck>;

std::string Text(const Route& route, bool marken = false) {
    std::string text;
    for (size_t i = 0; i < route.size(); ++i) {
        if (i > 0) text += '|';
        if (marken) text += route[i].Markiert ? '*' : '-';
        text += route[i].Name + '~';
        for (size_t j = 0; j < route[i].Punkte.size(); ++j) {
            const Messpunkt& p = route[i].Punkte[j];
            if (j > 0) text += ' ';
            text += PunktText(p.Hoehe, p.Abstand, p.Stuetzpunkt);
        }
    }
    return text;
}

std::vector<std::string> Teile(const std::string& text, char trenner) {
    std::vector<std::string> teile;
    std::string teil;
    std::istringstream ein(text);
    while (std::getline(ein, teil, trenner))
        teile.push_back(teil);
    return teile;
}

// A current profile as the child describes it, with its marks.
Route AusText(const std::string& text) {
    Route route;
    for (const std::string& a : Teile(text, '|')) {
        Stueck abschnitt;
        abschnitt.Markiert = a[0] == '*';
        const size_t tilde = a.find('~');
        abschnitt.Name = a.substr(1, tilde - 1);
        for (const std::string& p : Teile(a.substr(tilde + 1), ' ')) {
            Messpunkt punkt{};
            std::sscanf(p.c_str(), "%d,%f,%d", &punkt.Hoehe, &punkt.Abstand, &punkt.Stuetzpunkt);
            abschnitt.Punkte.push_back(punkt);
        }
        route.push_back(abschnitt);
    }
    return route;
}

// What the user did, kept plainly: the route and the current profile after each step of the
// history, and the route's file and saved state, which steps change by their kind.
class Modell {
public:
    enum class Art { Route, Aktuell, Laden };
    struct Stand {
        Route Gesamt, Aktuell;
    };
    static constexpr size_t Grenze = 100; // steps the window's history keeps

    const Stand& Jetzt() const { return index_ == 0 ? basis_ : schritte_[index_ - 1].Nachher; }
    int Index() const { return static_cast<int>(index_); }
    int Anzahl() const { return static_cast<int>(schritte_.size()); }

    void Schritt(Art art, Stand nachher, const std::string& datei = {}) {
        schritte_.resize(index_);
        schritte_.push_back({art, std::move(nachher), datei, false});
        ++index_;
        if (art == Art::Laden)
            Tauschen(schritte_.back());
        else if (art == Art::Route)
            Geaendert = true;
        if (schritte_.size() > Grenze) {
            basis_ = schritte_.front().Nachher;
            schritte_.pop_front();
            --index_;
        }
    }
    void Zurueck() {
        if (index_ == 0) return;
        Nachwirken(schritte_[--index_]);
    }
    void Vor() {
        if (index_ == schritte_.size()) return;
        Nachwirken(schritte_[index_++]);
    }
    // A new program with the route restored (or, when it was saved, an empty one).
    void Neustart() {
        if (!Geaendert) Datei.clear();
        basis_ = {Geaendert ? Jetzt().Gesamt : Route{}, {}};
        schritte_.clear();
        index_ = 0;
    }
    std::string Titel() const {
        std::string titel = Datei.empty()
                                ? "Hoprex"
                                : std::filesystem::path(Datei).filename().string() + " – Hoprex";
        return Geaendert ? "*" + titel : titel;
    }

    std::string Datei;
    bool Geaendert = false;
    bool Glaettung = false;

private:
    struct Eintrag {
        Art Sorte;
        Stand Nachher;
        std::string AndereDatei; // a load: the file and saved state of the route not shown
        bool AndereGeaendert;
    };
    void Tauschen(Eintrag& e) {
        std::swap(Datei, e.AndereDatei);
        std::swap(Geaendert, e.AndereGeaendert);
    }
    void Nachwirken(Eintrag& e) {
        if (e.Sorte == Art::Laden) Tauschen(e);
        if (e.Sorte == Art::Route) Geaendert = true;
    }
    Stand basis_;
    std::deque<Eintrag> schritte_;
    size_t index_ = 0;
};

// The child window process, spoken to line by line.
class Kind {
public:
    Kind(const std::string& zustand, const std::string& einstellungen, bool wiederherstellen) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("XDG_STATE_HOME", QString::fromStdString(zustand));
        umgebung.insert("QT_QPA_PLATFORM", "offscreen");
        prozess_.setProcessEnvironment(umgebung);
        prozess_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        prozess_.start(HOPREX_SOAK_CHILD_PATH, {QString::fromStdString(einstellungen),
                                                wiederherstellen ? "wiederherstellen" : "neu"});
    }
    ~Kind() {
        prozess_.kill();
        prozess_.waitForFinished();
    }
    void Senden(const std::string& befehl) { prozess_.write((befehl + "\n").c_str()); }
    std::optional<Bericht> Lesen() {
        while (!prozess_.canReadLine())
            if (!prozess_.waitForReadyRead(60000)) return std::nullopt;
        std::string zeile = prozess_.readLine().toStdString();
        zeile.pop_back();
        std::vector<std::string> f = Teile(zeile + '\t', '\t');
        if (f.size() < 7) return std::nullopt;
        return Bericht{std::stoi(f[0]), std::stoi(f[1]), f[2], f[3], std::stoi(f[4]), f[5], f[6]};
    }
    void Toeten() {
        prozess_.kill();
        prozess_.waitForFinished();
    }

private:
    QProcess prozess_;
};

int Zahl(const char* name, int vorgabe) {
    const char* wert = std::getenv(name);
    return wert != nullptr ? std::atoi(wert) : vorgabe;
}

class Dauerlauf {
public:
    explicit Dauerlauf(unsigned saat) : zufall_(saat) {
        for (int k = 0; k < 3; ++k) {
            Profile p;
            for (int i = 0; i <= k; ++i)
                p.Abschnitte.push_back(Abschnitt({100 * k + 10 * i, 120 + 50 * i, 90 - 7 * k},
                                                 {0.0f, 0.25f, 0.125f * (k + 1)},
                                                 "Oben " + std::to_string(k) + std::to_string(i)));
            DateiAnlegen(Oben(k), ProfilDateiInhalt(p));
            Route r;
            for (const ProfileSection& a : p.Abschnitte) {
                Stueck m{a.Beschreibung, {}, true};
                for (int j = 0; j < a.Punktanzahl; ++j)
                    m.Punkte.push_back({a.Punkte[j].Hoehe, a.Punkte[j].Abstand, 0});
                r.push_back(m);
            }
            obenRouten_.push_back(r);
        }
    }

    std::string Oben(int k) const { return ordner_.Datei("oben" + std::to_string(k) + ".hpx"); }
    std::string Gespeichert(int k) const {
        return ordner_.Datei("route" + std::to_string(k) + ".hpx");
    }
    std::string Zustand() const { return ordner_.Datei("state"); }

    // Starts a window process; the first one tells the program's default smoothing.
    ::testing::AssertionResult Starten(bool wiederherstellen) {
        kind_.reset();
        kind_ = std::make_unique<Kind>(Zustand(),
                                       ordner_.Datei("kind" + std::to_string(++starts_) + ".INI"),
                                       wiederherstellen);
        if (starts_ == 1) {
            const std::optional<Bericht> b = kind_->Lesen();
            if (!b) return ::testing::AssertionFailure() << "no answer from the window";
            modell_.Glaettung = vorgabeGlaettung_ = b->Glaettung == "11";
            return Vergleichen(*b);
        }
        return Vergleichen();
    }

    // Kills the window process once its recovery copy holds the route, starts another.
    ::testing::AssertionResult Neustarten() {
        if (modell_.Geaendert && !KopieAktuell())
            return ::testing::AssertionFailure()
                   << "the recovery copy did not reach the route of the model";
        kind_->Toeten();
        protokoll_.push_back("(killed, restarted, recovery taken)");
        modell_.Neustart();
        modell_.Glaettung = vorgabeGlaettung_;
        return Starten(true);
    }

    ::testing::AssertionResult Schritt() {
        const std::string befehl = Waehlen();
        protokoll_.push_back(befehl);
        kind_->Senden(befehl);
        const std::optional<Bericht> b = kind_->Lesen();
        if (!b) return ::testing::AssertionFailure() << "no answer from the window";
        if (befehl == "auswerten" && !ausgewertet_) {
            ausgewertet_ = AusText(b->Aktuell);
            if (ausgewertet_->empty())
                return ::testing::AssertionFailure() << "the screenshot gave no profile";
            modell_.Schritt(Modell::Art::Aktuell, {modell_.Jetzt().Gesamt, *ausgewertet_});
        }
        return Vergleichen(*b);
    }

    std::string Protokoll() const {
        std::string text;
        for (const std::string& b : protokoll_)
            text += "  " + b + "\n";
        return text;
    }

private:
    int Wuerfeln(int von, int bis) { return std::uniform_int_distribution(von, bis)(zufall_); }

    // The user's next step, carried out on the model as well.
    std::string Waehlen() {
        const Modell::Stand jetzt = modell_.Jetzt();
        const Route& route = jetzt.Gesamt;
        const int n = static_cast<int>(route.size());
        for (;;) {
            const int art = Wuerfeln(0, 99);
            const int a = n > 0 ? Wuerfeln(0, n - 1) : 0;
            const int b = n > 0 ? std::min(n - 1, a + Wuerfeln(0, 3)) : 0;
            Modell::Stand neu = jetzt;
            Route& r = neu.Gesamt;
            if (art < 5) {
                // The first evaluation tells the model what the screenshot gives (Schritt).
                if (ausgewertet_) {
                    neu.Aktuell = *ausgewertet_;
                    modell_.Schritt(Modell::Art::Aktuell, neu);
                }
                return "auswerten";
            }
            if (art < 13) {
                const int k = Wuerfeln(0, 2);
                neu.Aktuell = obenRouten_[k];
                modell_.Schritt(Modell::Art::Aktuell, neu);
                return "aktuell " + Oben(k);
            }
            if (art < 30) {
                Route block;
                for (const Stueck& s : jetzt.Aktuell)
                    if (s.Markiert) block.push_back(s);
                if (block.empty() || n + block.size() > 40) continue;
                const int marke = Wuerfeln(0, n);
                r.insert(r.begin() + marke, block.begin(), block.end());
                modell_.Schritt(Modell::Art::Route, neu);
                return "uebertragen " + std::to_string(marke);
            }
            if (n == 0 && art < 60) continue;
            if (art < 45) {
                static const char* const richtungen[] = {"LL", "L", "R", "RR"};
                const int richtung = Wuerfeln(0, 3);
                const int laenge = b - a + 1;
                const int ziel = std::array{0, std::max(a - 1, 0), std::min(a + 1, n - laenge),
                                            n - laenge}[richtung];
                Route block(r.begin() + a, r.begin() + b + 1);
                r.erase(r.begin() + a, r.begin() + b + 1);
                r.insert(r.begin() + ziel, block.begin(), block.end());
                modell_.Schritt(Modell::Art::Route, neu);
                return "schieben " + std::string(richtungen[richtung]) + " " + std::to_string(a) +
                       " " + std::to_string(b);
            }
            if (art < 52) {
                std::reverse(r.begin() + a, r.begin() + b + 1);
                for (int i = a; i <= b; ++i)
                    std::reverse(r[i].Punkte.begin(), r[i].Punkte.end());
                modell_.Schritt(Modell::Art::Route, neu);
                return "spiegeln " + std::to_string(a) + " " + std::to_string(b);
            }
            if (art < 56) {
                r.erase(r.begin() + a, r.begin() + b + 1);
                modell_.Schritt(Modell::Art::Route, neu);
                return "loeschen " + std::to_string(a) + " " + std::to_string(b);
            }
            if (art < 60) {
                static const char* const namen[] = {"Pass", "Tal", "Übergang", "Straße 7"};
                const std::string name = namen[Wuerfeln(0, 3)];
                if (r[a].Name != name) {
                    r[a].Name = name;
                    modell_.Schritt(Modell::Art::Route, neu);
                }
                return "beschreiben " + std::to_string(a) + " " + name;
            }
            if (art < 75) {
                modell_.Zurueck();
                return "zurueck";
            }
            if (art < 86) {
                modell_.Vor();
                return "vor";
            }
            if (art < 91) {
                if (n == 0) continue;
                const int k = Wuerfeln(0, 2);
                gespeichert_[k] = route;
                modell_.Datei = Gespeichert(k);
                modell_.Geaendert = false;
                return "speichern " + Gespeichert(k);
            }
            if (art < 95) {
                const int k = Wuerfeln(0, 2);
                if (!gespeichert_[k]) continue;
                neu.Gesamt = *gespeichert_[k];
                modell_.Schritt(Modell::Art::Laden, neu, Gespeichert(k));
                return "laden " + Gespeichert(k);
            }
            modell_.Glaettung = !modell_.Glaettung;
            return "glaettung";
        }
    }

    ::testing::AssertionResult Vergleichen() {
        const std::optional<Bericht> b = kind_->Lesen();
        if (!b) return ::testing::AssertionFailure() << "no answer from the window";
        return Vergleichen(*b);
    }

    ::testing::AssertionResult Vergleichen(const Bericht& b) {
        const auto anders = [](const char* was, const std::string& fenster,
                               const std::string& modell) {
            return ::testing::AssertionFailure()
                   << was << " differs:\n  window: " << fenster << "\n  model:  " << modell;
        };
        const Modell::Stand& s = modell_.Jetzt();
        if (b.Route != Text(s.Gesamt)) return anders("route", b.Route, Text(s.Gesamt));
        if (b.Aktuell != Text(s.Aktuell, true))
            return anders("current profile", b.Aktuell, Text(s.Aktuell, true));
        if (b.Index != modell_.Index() || b.Anzahl != modell_.Anzahl())
            return anders("history", std::to_string(b.Index) + " of " + std::to_string(b.Anzahl),
                          std::to_string(modell_.Index()) + " of " +
                              std::to_string(modell_.Anzahl()));
        if (b.Titel != modell_.Titel()) return anders("title", b.Titel, modell_.Titel());
        if (const std::string glaettung = modell_.Glaettung ? "11" : "00"; b.Glaettung != glaettung)
            return anders("smoothing (records, box)", b.Glaettung, glaettung);
        if (b.Boxen != 0) return ::testing::AssertionFailure() << "the window showed a message";
        return ::testing::AssertionSuccess();
    }

    // Whether a recovery copy holds the model's route, waited for a few seconds.
    bool KopieAktuell() const {
        const std::filesystem::path ordner = Zustand() + "/hoprex";
        for (int versuch = 0; versuch < 500; ++versuch) {
            std::error_code fehler;
            for (const auto& e : std::filesystem::directory_iterator(ordner, fehler)) {
                Routendaten kopie;
                if (e.path().extension() == ".hpx" &&
                    KopieDateiLesen(e.path().string(), Profile{}, kopie) &&
                    RoutenText(kopie.Gesamt) == Text(modell_.Jetzt().Gesamt))
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    TempDir ordner_;
    std::mt19937 zufall_;
    Modell modell_;
    std::unique_ptr<Kind> kind_;
    int starts_ = 0;
    bool vorgabeGlaettung_ = false;
    std::vector<Route> obenRouten_;
    std::optional<Route> ausgewertet_;
    std::array<std::optional<Route>, 3> gespeichert_;
    std::vector<std::string> protokoll_;
};

} // namespace

TEST(HoprexDauerlauf, RandomStepsAgainstAModelWithKillsOfTheWindowProcess) {
#ifdef __SANITIZE_ADDRESS__ // several times slower: fewer steps, the same kinds
    const int vorgabe = 300;
#else
    const int vorgabe = 2000;
#endif
    const int schritte = Zahl("HOPREX_DAUERLAUF_SCHRITTE", vorgabe);
    const unsigned saat = static_cast<unsigned>(
        Zahl("HOPREX_DAUERLAUF_SAAT", static_cast<int>(std::random_device{}() & 0x7fffffff)));
    const int neustartAlle = std::max(50, std::min(250, schritte / 8));
    Dauerlauf lauf(saat);
    ::testing::AssertionResult ok = lauf.Starten(false);
    for (int i = 1; ok && i <= schritte; ++i)
        ok = i % neustartAlle == 0 ? lauf.Neustarten() : lauf.Schritt();
    ASSERT_TRUE(ok) << "seed " << saat << " (HOPREX_DAUERLAUF_SAAT=" << saat
                    << "), the steps since the start:\n"
                    << lauf.Protokoll();
}
