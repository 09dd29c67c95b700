#pragma once

#include "editing/marked_block.h"
#include "editing/marking.h"
#include "editing/moving.h"
#include "editing/taking_out.h"
#include "model/hoprex_data.h"

#include <QUndoCommand>
#include <cstdint>
#include <string>
#include <vector>

// The steps of the window's history (one QUndoStack for both halves, in the order the user
// took them). Each step works on the window's records through the core's operations and keeps
// only what it changed: a few indices and the marks for a move, a mirror or a transfer, the
// deleted sections for a deletion, two texts for a description, the other profile for a load
// or an evaluation. A step's first redo is the action itself. Steps only change the records;
// the window redraws afterwards (a refresh may stop on a conversion error, which must not
// unwind through Qt's undo stack).

// Which refresh the window runs after a step was done, undone or redone.
enum class Anzeige {
    Aktuell,           // the current display, and the overall graph, which shows the insertion mark
    Gesamt,            // the refresh chain of the route
    GesamtOhneRechnen, // the route's values, list and graph, nothing recomputed
    Route,             // another route: its window lengths into their edits, then the refresh chain
};

class TSchritt : public QUndoCommand {
public:
    explicit TSchritt(HoprexDaten& daten) : daten_(daten) {}
    virtual Anzeige Auffrischung() const = 0;

protected:
    HoprexDaten& daten_;
};

// A change of the route's sections. Redoing puts back the route's marks and insertion mark of
// the step's time first, so that it does exactly what it did whatever was marked since; undoing
// puts them back last. Either way the route counts as changed.
class TRoutenSchritt : public TSchritt {
public:
    explicit TRoutenSchritt(HoprexDaten& daten);
    void redo() final;
    void undo() final;
    Anzeige Auffrischung() const override { return Anzeige::Gesamt; }

protected:
    virtual void Ausfuehren() = 0;
    virtual void Zuruecknehmen() = 0;

private:
    Markierungsstand vorher_;
};

// "Übertragen" of the current profile's block `block`. Redoing it copies from the current
// profile again: the history is one stack, so the current profile is then the one it copied
// from (only its marks may differ, and the block is kept).
class TUebertragenSchritt : public TRoutenSchritt {
public:
    TUebertragenSchritt(HoprexDaten& daten, const MarkierterBlock& block)
        : TRoutenSchritt(daten), block_(block) {}

private:
    void Ausfuehren() override;
    void Zuruecknehmen() override;
    MarkierterBlock block_;
    int32_t stelle_ = 0; // index of the first inserted section
};

// One of the four lower arrow buttons' moves.
class TVerschiebenSchritt : public TRoutenSchritt {
public:
    TVerschiebenSchritt(HoprexDaten& daten, const Verschiebung& v) : TRoutenSchritt(daten), v_(v) {}

private:
    void Ausfuehren() override;
    void Zuruecknehmen() override;
    Verschiebung v_;
};

// "Spiegeln" of a block of at least one section; mirroring it again takes it back.
class TSpiegelnSchritt : public TRoutenSchritt {
public:
    TSpiegelnSchritt(HoprexDaten& daten, const MarkierterBlock& block)
        : TRoutenSchritt(daten), block_(block) {}

private:
    void Ausfuehren() override;
    void Zuruecknehmen() override { Ausfuehren(); }
    MarkierterBlock block_;
};

// "Löschen" of the marked sections (at least one). The deleted sections are kept while the
// step is done and go back into the route when it is undone.
class TLoeschenSchritt : public TRoutenSchritt {
public:
    explicit TLoeschenSchritt(HoprexDaten& daten) : TRoutenSchritt(daten) {}

private:
    void Ausfuehren() override;
    void Zuruecknehmen() override;
    std::vector<EntnommenerAbschnitt> geloescht_;
};

// A description stored by the in-place editor; `text` must change it.
class TBeschreibenSchritt : public TRoutenSchritt {
public:
    TBeschreibenSchritt(HoprexDaten& daten, int32_t abschnitt, std::string text);
    Anzeige Auffrischung() const override { return Anzeige::GesamtOhneRechnen; }

private:
    void Ausfuehren() override;
    void Zuruecknehmen() override;
    int32_t abschnitt_;
    std::string alt_, neu_;
};

// A load into the overall profile: the route read from the file and the route it replaced
// change places, with their insertion marks, files and saved states; each comes back with the
// marks it had at the step's time. The window shows the window lengths of the route that is
// in, as the load did.
class TLadenSchritt : public TSchritt {
public:
    TLadenSchritt(HoprexDaten& daten, Routendaten neu);
    void redo() override;
    void undo() override;
    Anzeige Auffrischung() const override { return Anzeige::Route; }

private:
    Routendaten andere_;
    Markierungsstand vorher_, nachher_;
};

// A new current profile (an evaluation, or a load into the upper half, also the one emptied by
// a cancelled dialog) and the insertion mark that goes with it: they change places with the
// former ones. The route itself does not change.
class TAktuellSchritt : public TSchritt {
public:
    TAktuellSchritt(HoprexDaten& daten, Profile neu, int32_t einfuegemarke)
        : TSchritt(daten), andere_(std::move(neu)), andereMarke_(einfuegemarke) {}
    void redo() override { Tauschen(); }
    void undo() override { Tauschen(); }
    Anzeige Auffrischung() const override { return Anzeige::Aktuell; }

private:
    void Tauschen();
    Profile andere_;
    int32_t andereMarke_;
};
