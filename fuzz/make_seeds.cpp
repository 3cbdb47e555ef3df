// Writes the seed corpus of the PAF fuzz target: small families built with PafWriter,
// in the sparse form the target reads (a few KB each instead of tens of KB of zeros).
//   usage: fuzz_make_seeds FOLDER

#include <cstdio>
#include <fstream>
#include <string>

#include "fuzz/harness.h"
#include "paf/date_encoding.h"
#include "paf/paf_writer.h"

namespace {

using namespace tw;
using tw::fuzz::couple;

WriterPerson person(const std::string& name, char sex, int year = 0) {
    WriterPerson p;
    p.name = name;
    p.sex = sex;
    if (year != 0) p.birth = makeDate({12, 5, year});
    return p;
}

// RIN 1 with parents and grandparents, married twice (MRIN 1 first), with children
// and a grandchild; dates as values and as text, places.
WriterFamily threeGenerations() {
    WriterFamily f;
    const int32_t me = f.addPerson(person("Jonas /Weller/", 'M', 1850));
    const int32_t father = f.addPerson(person("Anton /Weller/", 'M', 1820));
    const int32_t mother = f.addPerson(person("Berta /Ross/", 'F', 1822));
    const int32_t wife = f.addPerson(person("Clara /Linde/", 'F', 1852));
    const int32_t son = f.addPerson(person("Emil /Weller/", 'M', 1875));
    const int32_t daughter = f.addPerson(person("Frieda /Weller/", 'F', 1877));
    const int32_t grandfather = f.addPerson(person("Georg /Weller/", 'M', 1790));
    const int32_t second = f.addPerson(person("Hanna /Brandt/", 'F'));
    const int32_t daughterInLaw = f.addPerson(person("Ida /Stern/", 'F'));
    const int32_t grandchild = f.addPerson(person("Karl /Weller/", 'M', 1900));
    f.person(mother).death = WriterDate::asText("Abt 1870");
    f.person(me).birthPlace = "Lindenau, Sachsen";
    WriterMarriage first = couple(me, wife, {son, daughter});
    first.date = makeDate({3, 6, 1873});
    first.place = "Lindenau";
    f.addMarriage(first);
    f.addMarriage(couple(father, mother, {me}));
    f.addMarriage(couple(grandfather, 0, {father}));
    f.addMarriage(couple(me, second, {}));
    f.addMarriage(couple(son, daughterInLaw, {grandchild}));
    return f;
}

// Cousins who marry: RIN 1's ancestors repeat.
WriterFamily cousins() {
    WriterFamily f;
    const int32_t child = f.addPerson(person("Otto /Holm/", 'M', 1900));
    const int32_t dad = f.addPerson(person("Paul /Holm/", 'M', 1870));
    const int32_t mum = f.addPerson(person("Rosa /Holm/", 'F', 1872));
    const int32_t gp1 = f.addPerson(person("Sepp /Holm/", 'M', 1840));
    const int32_t gm1 = f.addPerson(person("Tilde /Ahn/", 'F', 1842));
    const int32_t uncle = f.addPerson(person("Udo /Holm/", 'M', 1845));
    const int32_t gp2m = f.addPerson(person("Vera /Kurz/", 'F', 1846));
    f.addMarriage(couple(dad, mum, {child}));
    f.addMarriage(couple(gp1, gm1, {dad, uncle}));
    f.addMarriage(couple(uncle, gp2m, {mum}));
    return f;
}

// A man who is his own father: every walk up or down loops.
WriterFamily ownFather() {
    WriterFamily f;
    const int32_t him = f.addPerson(person("Adam /Kreis/", 'M', 1800));
    const int32_t her = f.addPerson(person("Eva /Kreis/", 'F', 1801));
    f.addMarriage(couple(him, her, {him, her}));
    return f;
}

WriterFamily alone() {
    WriterFamily f;
    f.addPerson(person("Solo /Einzel/", 'F'));
    return f;
}

bool writeSeed(const std::string& folder, const std::string& name, const WriterFamily& family) {
    const PafImage image = buildPafImage(family);
    if (!image.error().empty()) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), image.error().c_str());
        return false;
    }
    const std::vector<uint8_t> sparse = tw::fuzz::sparseFromImage(image.flatten());
    if (tw::fuzz::imageFromFuzzBytes(sparse) != image.flatten()) {
        std::fprintf(stderr, "%s: the sparse form does not give the image back\n", name.c_str());
        return false;
    }
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(sparse.data()), std::streamsize(sparse.size()));
    return bool(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = writeSeed(folder, "three-generations.sparse", threeGenerations()) &&
                    writeSeed(folder, "cousins.sparse", cousins()) &&
                    writeSeed(folder, "own-father.sparse", ownFather()) && writeSeed(folder, "alone.sparse", alone());
    return ok ? 0 : 1;
}
