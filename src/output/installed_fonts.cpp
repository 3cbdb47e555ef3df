#include "output/installed_fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace tw {

namespace {

// A font the search for characters may choose: its first family name, its file and
// the characters it maps.
struct Candidate {
    std::string family;
    FontFileName file;
    FcCharSet* characters = nullptr;
};

struct FontConfigState {
    std::mutex mutex;
    bool ready = false;
    std::map<std::string, std::optional<FontFileName>, std::less<>> files;
    bool candidatesListed = false;
    std::vector<Candidate> candidates;
    std::unordered_map<char32_t, int> fontOfCharacter;
    std::deque<std::string> foundFamilies;  // by number - 1; a deque keeps each name where it is

    FontConfigState() { ready = FcInit() == FcTrue; }
    ~FontConfigState() {
        for (Candidate& c : candidates) FcCharSetDestroy(c.characters);
    }
};

FontConfigState& state() {
    static FontConfigState instance;
    return instance;
}

const FcChar8* fcText(const std::string& text) { return reinterpret_cast<const FcChar8*>(text.c_str()); }

std::optional<FontFileName> matchFamily(const std::string& name) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fcText(name));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return std::nullopt;
    // The match is the family asked for when any of its names (a font may have
    // several, some in other languages) is that family.
    bool sameFamily = false;
    FcChar8* matchedFamily = nullptr;
    for (int n = 0; !sameFamily && FcPatternGetString(match, FC_FAMILY, n, &matchedFamily) == FcResultMatch; ++n)
        sameFamily = FcStrCmpIgnoreCase(matchedFamily, fcText(name)) == 0;
    std::optional<FontFileName> found;
    FcChar8* file = nullptr;
    int index = 0;
    if (sameFamily && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        found = FontFileName{reinterpret_cast<const char*>(file), index & 0xFFFF};  // above: a variable instance
    }
    FcPatternDestroy(match);
    return found;
}

const std::optional<FontFileName>& fileOfFamily(FontConfigState& s, std::string_view family) {
    auto it = s.files.find(family);
    if (it == s.files.end()) {
        const std::string name(family);
        it = s.files.emplace(name, s.ready ? matchFamily(name) : std::nullopt).first;
    }
    return it->second;
}

bool isTrue(FcPattern* font, const char* property) {
    FcBool value = FcFalse;
    return FcPatternGetBool(font, property, 0, &value) == FcResultMatch && value == FcTrue;
}

// A font the PDF can embed and every output draws alike: outlines in a TrueType or
// OpenType file, not a colour font, not an instance of a variable font.
bool drawableCandidate(FcPattern* font) {
    FcChar8* format = nullptr;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch) return false;
    const auto* name = reinterpret_cast<const char*>(format);
    if (std::strcmp(name, "TrueType") != 0 && std::strcmp(name, "CFF") != 0) return false;
    return isTrue(font, FC_OUTLINE) && !isTrue(font, FC_COLOR) && !isTrue(font, FC_VARIABLE);
}

// Noto first, the family of the metric tables' fallback: its sans faces, then its
// others, then every other font.
int familyRank(const std::string& family) {
    if (family.starts_with("Noto Sans")) return 0;
    return family.starts_with("Noto ") ? 1 : 2;
}

// Every installed font in the order fontconfig prefers them for a regular upright
// sans face, Noto first (familyRank). The pattern is not completed from the locale,
// so that the order is the same for every user.
void listCandidates(FontConfigState& s) {
    s.candidatesListed = true;
    if (!s.ready) return;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fcText("Noto Sans"));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    if (sorted == nullptr) return;
    for (int i = 0; i < sorted->nfont; ++i) {
        FcPattern* font = sorted->fonts[i];
        FcChar8* family = nullptr;
        FcChar8* file = nullptr;
        int index = 0;
        FcCharSet* characters = nullptr;
        if (!drawableCandidate(font) || FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch ||
            FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
            FcPatternGetCharSet(font, FC_CHARSET, 0, &characters) != FcResultMatch)
            continue;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        s.candidates.push_back(Candidate{reinterpret_cast<const char*>(family),
                                         FontFileName{reinterpret_cast<const char*>(file), index & 0xFFFF},
                                         FcCharSetCopy(characters)});
    }
    FcFontSetDestroy(sorted);
    std::stable_sort(s.candidates.begin(), s.candidates.end(), [](const Candidate& a, const Candidate& b) {
        return familyRank(a.family) < familyRank(b.family);
    });
}

int numberOfFamily(FontConfigState& s, const std::string& family) {
    for (size_t i = 0; i < s.foundFamilies.size(); ++i)
        if (s.foundFamilies[i] == family) return int(i) + 1;
    s.foundFamilies.push_back(family);
    return int(s.foundFamilies.size());
}

}  // namespace

std::optional<FontFileName> findFontFile(std::string_view family) {
    FontConfigState& s = state();
    const std::lock_guard lock(s.mutex);
    return fileOfFamily(s, family);
}

bool isInstalled(std::string_view family) {
    FontConfigState& s = state();
    const std::lock_guard lock(s.mutex);
    return fileOfFamily(s, family).has_value();
}

int foundFontFor(char32_t c) {
    FontConfigState& s = state();
    const std::lock_guard lock(s.mutex);
    if (const auto it = s.fontOfCharacter.find(c); it != s.fontOfCharacter.end()) return it->second;
    if (!s.candidatesListed) listCandidates(s);
    int number = 0;
    for (const Candidate& candidate : s.candidates) {
        if (!FcCharSetHasChar(candidate.characters, FcChar32(c))) continue;
        // The outputs open fonts by family: the family must lead back to this file.
        const std::optional<FontFileName>& file = fileOfFamily(s, candidate.family);
        if (file && file->path == candidate.file.path && file->index == candidate.file.index) {
            number = numberOfFamily(s, candidate.family);
            break;
        }
    }
    s.fontOfCharacter.emplace(c, number);
    return number;
}

std::string_view foundFontFamily(int number) {
    FontConfigState& s = state();
    const std::lock_guard lock(s.mutex);
    if (number < 1 || size_t(number) > s.foundFamilies.size()) return {};
    return s.foundFamilies[size_t(number) - 1];
}

}  // namespace tw
