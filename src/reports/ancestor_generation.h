#pragma once
// The ancestor walk of the Research Status List, the Research Status Chart and the
// Repeat Ancestors List: from the start individual, one generation per step (the
// start individual is generation 1, the parents generation 2, ...), with how many
// pedigree positions of the generation hold a known individual, how many of those
// are repeats, and the range of their birth years.
//
// A generation is the list of the individuals in its filled positions, in pedigree
// order: father then mother of the first entry of the generation before, then of
// the second, and so on. An individual fills several positions when cousins married;
// every position after his or her first one in the walk is a repeat, whether the
// first was in an earlier generation or earlier in the same one. A repeat's parents
// are listed again like anyone else's, so the ancestry of a repeated individual is
// counted again in every later generation.
//
// Counting needs no order, so without repeat collection the positions of one
// individual in a generation are held as one entry with a count: a pedigree that
// collapses onto a few thousand people costs one entry per person and generation,
// however many millions of positions they fill, and the counts stay exact. With
// repeat collection on, every position is an entry of its own and each step gives
// the repeats in the order met.
//
// Bounds: a person recorded as his own ancestor makes a walk that never ends by
// itself, and one that loops through both parents doubles with every generation.
// The reports stop after generation 299. Besides, a step never builds a generation
// of more than 2^53 filled positions (a pedigree complete for 54 generations), so
// every count and total stays exact in 64 bits; and with repeat collection on, the
// entries of all generations stay below AppContext::listEntryLimit. A walk that
// meets a bound ends after the generation it has examined, with one message.

#include <cstdint>
#include <string>
#include <vector>

#include "reports/year_range.h"
#include "run/app_context.h"

namespace tw {

struct GenerationCounts {
    int64_t filled = 0;   // positions that hold an individual, repeats included; 0: the walk is over
    int64_t repeats = 0;  // of those, the positions of individuals met before
    YearRange years;      // the birth years of the generation's individuals

    int64_t identified() const { return filled - repeats; }
};

// The most positions one generation may fill: 2^53, exact as a double too.
inline constexpr int64_t kMaxGenerationFilled = int64_t(1) << 53;

class AncestorWalk {
public:
    // A new walk whose first step examines the start individual. Reads the start
    // individual: "Invalid start RIN" (caption "Error") when it cannot be read.
    AncestorWalk(AppContext& ctx, int32_t startRin, bool collectRepeats);
    AncestorWalk(const AncestorWalk&) = delete;
    AncestorWalk& operator=(const AncestorWalk&) = delete;

    // With repeat collection on: the RINs that were repeats in the generation the
    // last step examined, in the order met, a RIN once per repeated position.
    const std::vector<int32_t>& repeats() const { return repeats_; }
    // The number of the generation the next step examines.
    int nextGeneration() const { return generation_; }
    // Entries examined so far: one per individual and generation, or one per
    // position with repeat collection on.
    int64_t entriesExamined() const { return examined_; }
    // The message of a walk that met a bound (it was shown once); empty otherwise.
    const std::string& boundMessage() const { return boundMessage_; }
    // Whether a next step would examine anyone.
    bool goesOn() const { return !rins_.empty(); }

private:
    friend GenerationCounts ancestorGenerationStep(AncestorWalk& walk);

    // What the walk needs of an individual, read once per run.
    struct Person {
        int32_t father = 0;
        int32_t mother = 0;
        YearRange years;
    };

    GenerationCounts step();
    const Person& person(int32_t rin);
    Person readPerson(int32_t rin);
    void append(int32_t rin, int64_t count);
    void showBound();

    bool inRange(int32_t rin) const { return rin >= 0 && size_t(rin) < seen_.size(); }

    AppContext& ctx_;
    const bool collect_;
    int generation_ = 1;

    // The generation the next step examines, and the one it builds. counts_ is
    // parallel to rins_ without repeat collection, and empty with it (every entry
    // is one position).
    std::vector<int32_t> rins_;
    std::vector<int64_t> counts_;
    int64_t filled_ = 0;
    std::vector<int32_t> nextRins_;
    std::vector<int64_t> nextCounts_;
    int64_t nextFilled_ = 0;
    bool tooLarge_ = false;       // the generation being built passed a bound
    bool tooManyEntries_ = false; // ... the entry limit rather than the positions

    // Per RIN: the step that last met the individual (0: not met yet); the entry
    // of the individual in the generation being built (-1: none yet); where the
    // individual's Person is kept (0: not read yet).
    std::vector<uint16_t> seen_;
    std::vector<int32_t> slot_;
    std::vector<int32_t> personIndex_;
    std::vector<Person> people_;
    Person unreadable_;

    std::vector<int32_t> repeats_;
    std::string boundMessage_;
    int64_t entriesBuilt_ = 1;  // entries of every generation so far (with repeat collection)
    int64_t examined_ = 0;
};

// Examines the next generation of the walk and builds the one after it. Reads every
// individual, child link and parents' marriage on the way: one that cannot be read
// or is marked deleted shows "Corrupt Data..." (caption "Abort") and closes the
// start window, once per run, and the walk goes on as if it had no parents; a RIN
// beyond the file shows "RinX access out of range" (caption "kk") once. Stops early
// when the user asks to stop, leaving the counts incomplete. Filled 0: the walk is
// over.
GenerationCounts ancestorGenerationStep(AncestorWalk& walk);

}  // namespace tw
