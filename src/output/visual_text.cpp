#include "output/visual_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "base/utf8.h"
#include "base/windows1252.h"

namespace tw {
namespace {

// The bidi classes, in the order tools/make_font_metrics.py numbers them.
namespace bidi {
enum Class : uint8_t { L, R, AL, EN, ES, ET, AN, CS, NSM, BN, B, S, WS, ON, LRE, LRO, RLE, RLO, PDF, LRI, RLI, FSI, PDI };
}  // namespace bidi

struct BidiRun {
    char32_t first;
    char32_t last;
    uint8_t bidiClass;
};

// An Arabic letter and its presentation forms: isolated, final, initial, medial.
struct ArabicForms {
    char32_t letter;
    std::array<char32_t, 4> forms;
};

struct LamAlef {
    char32_t alef;
    char32_t isolated;
    char32_t final;
};

#include "output/visual_text_tables.inc"

enum Form { kIsolated, kFinal, kInitial, kMedial };

// Brackets and other characters drawn mirrored in right-to-left runs, both ways.
constexpr std::array<std::pair<char32_t, char32_t>, 22> kMirrorPairs{{
    {0x0028, 0x0029}, {0x003C, 0x003E}, {0x005B, 0x005D}, {0x007B, 0x007D}, {0x00AB, 0x00BB},
    {0x2039, 0x203A}, {0x2045, 0x2046}, {0x207D, 0x207E}, {0x208D, 0x208E}, {0x2264, 0x2265},
    {0x27E8, 0x27E9}, {0x3008, 0x3009}, {0x300A, 0x300B}, {0x300C, 0x300D}, {0x300E, 0x300F},
    {0x3010, 0x3011}, {0x3014, 0x3015}, {0xFE59, 0xFE5A}, {0xFE5B, 0xFE5C}, {0xFF08, 0xFF09},
    {0xFF3B, 0xFF3D}, {0xFF5B, 0xFF5D},
}};

bidi::Class bidiClassOf(char32_t c) {
    if (c < 0x80) {
        // The common case without a search.
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return bidi::L;
    }
    const auto* end = std::end(kBidiRuns);
    const auto* run = std::upper_bound(std::begin(kBidiRuns), end, c,
                                       [](char32_t code, const BidiRun& r) { return code < r.first; });
    if (run == std::begin(kBidiRuns) || c > (run - 1)->last) return bidi::L;
    return bidi::Class((run - 1)->bidiClass);
}

bool isExplicitControl(bidi::Class c) { return c >= bidi::LRE; }

const ArabicForms* arabicFormsOf(char32_t c) {
    const auto* end = std::end(kArabicForms);
    const auto* it = std::lower_bound(std::begin(kArabicForms), end, c,
                                      [](const ArabicForms& f, char32_t code) { return f.letter < code; });
    return it != end && it->letter == c ? it : nullptr;
}

const LamAlef* lamAlefOf(char32_t alef) {
    for (const LamAlef& ligature : kLamAlef)
        if (ligature.alef == alef) return &ligature;
    return nullptr;
}

enum class Joining { None, Right, Dual, Causing, Transparent };

Joining joiningOf(char32_t c) {
    if (c == 0x0640 || c == 0x200D) return Joining::Causing;  // tatweel, zero width joiner
    if (c == 0x200C) return Joining::None;                    // zero width non-joiner
    if (const ArabicForms* f = arabicFormsOf(c)) {
        if (f->forms[kInitial] != 0 || f->forms[kMedial] != 0) return Joining::Dual;
        return f->forms[kFinal] != 0 ? Joining::Right : Joining::None;
    }
    const bidi::Class cls = bidiClassOf(c);
    return cls == bidi::NSM || cls == bidi::BN ? Joining::Transparent : Joining::None;
}

bool joinsToNext(Joining j) { return j == Joining::Dual || j == Joining::Causing; }
bool joinsToPrevious(Joining j) { return j == Joining::Dual || j == Joining::Right || j == Joining::Causing; }

// The word Allah standing alone (alef, lam, lam, heh, joined) is one ligature, as the
// fonts draw it.
std::u32string withAllahLigature(std::u32string text) {
    static constexpr std::u32string_view kAllah = U"\uFE8D\uFEDF\uFEE0\uFEEA";
    for (size_t at = text.find(kAllah); at != std::u32string::npos; at = text.find(kAllah, at + 1))
        text.replace(at, kAllah.size(), 1, U'\uFDF2');
    return text;
}

// Arabic letters in the presentation form their neighbours call for, marks skipped
// over; lam followed by alef becomes one ligature.
std::u32string joinArabic(std::u32string_view text) {
    const size_t n = text.size();
    std::vector<Joining> types(n);
    for (size_t i = 0; i < n; ++i) types[i] = joiningOf(text[i]);
    auto previous = [&](size_t i) {
        while (i-- > 0)
            if (types[i] != Joining::Transparent) return types[i];
        return Joining::None;
    };
    auto nextIndex = [&](size_t i) {
        while (++i < n)
            if (types[i] != Joining::Transparent) return i;
        return n;
    };

    std::u32string out;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const ArabicForms* forms = arabicFormsOf(text[i]);
        if (forms == nullptr) {
            out += text[i];
            continue;
        }
        const size_t next = nextIndex(i);
        const bool joinsBefore = joinsToPrevious(types[i]) && joinsToNext(previous(i));
        const bool joinsAfter = joinsToNext(types[i]) && next < n && joinsToPrevious(types[next]);
        if (text[i] == 0x0644 && next < n) {
            if (const LamAlef* ligature = lamAlefOf(text[next])) {
                out += joinsBefore ? ligature->final : ligature->isolated;
                out += text.substr(i + 1, next - i - 1);  // marks between lam and alef
                i = next;
                continue;
            }
        }
        const Form form = joinsBefore && joinsAfter ? kMedial : joinsAfter ? kInitial : joinsBefore ? kFinal : kIsolated;
        char32_t shaped = forms->forms[form];
        if (shaped == 0) shaped = forms->forms[kIsolated] != 0 ? forms->forms[kIsolated] : text[i];
        out += shaped;
    }
    return withAllahLigature(out);
}

char32_t mirrored(char32_t c) {
    for (const auto& [open, close] : kMirrorPairs) {
        if (c == open) return close;
        if (c == close) return open;
    }
    return c;
}

bool isStrongOrNumber(bidi::Class c) { return c == bidi::L || c == bidi::R || c == bidi::EN || c == bidi::AN; }

// The direction a resolved type counts as for neutrals: EN and AN count as R.
bidi::Class direction(bidi::Class c) { return c == bidi::L ? bidi::L : bidi::R; }

// The paired brackets: opening, closing.
constexpr std::array<std::pair<char32_t, char32_t>, 3> kBrackets{{{'(', ')'}, {'[', ']'}, {'{', '}'}}};

// N0: a bracket pair takes the direction of the line (L) when a strong L lies
// inside it; else, with a strong R inside, the direction before the opening bracket.
void resolveBrackets(std::vector<bidi::Class>& t, std::u32string_view heads) {
    using namespace bidi;
    std::vector<std::pair<size_t, char32_t>> open;  // position, closing bracket wanted
    std::vector<std::pair<size_t, size_t>> pairs;
    for (size_t k = 0; k < t.size(); ++k) {
        if (t[k] != ON) continue;
        for (const auto& [opening, closing] : kBrackets) {
            if (heads[k] == opening && open.size() < 63) open.emplace_back(k, closing);
            if (heads[k] != closing) continue;
            for (size_t j = open.size(); j-- > 0;) {
                if (open[j].second != closing) continue;
                pairs.emplace_back(open[j].first, k);
                open.resize(j);
                break;
            }
        }
    }
    std::sort(pairs.begin(), pairs.end());
    for (const auto& [a, b] : pairs) {
        bool insideL = false, insideR = false;
        for (size_t k = a + 1; k < b; ++k) {
            if (!isStrongOrNumber(t[k])) continue;
            (direction(t[k]) == L ? insideL : insideR) = true;
        }
        if (!insideL && !insideR) continue;
        Class before = L;
        for (size_t k = a; k-- > 0;) {
            if (isStrongOrNumber(t[k])) {
                before = direction(t[k]);
                break;
            }
        }
        t[a] = t[b] = insideL ? L : before;
    }
}

// The resolved types of a line without BN characters, by the weak-type rules W1..W7
// and the neutral rules N0, N1 and N2, in a left-to-right paragraph (sos = eos = L).
void resolveTypes(std::vector<bidi::Class>& t, std::u32string_view heads) {
    using namespace bidi;
    const size_t m = t.size();
    for (size_t k = 0; k < m; ++k)  // W1
        if (t[k] == NSM) t[k] = k == 0 ? L : t[k - 1];
    Class strong = L;
    for (Class& c : t) {  // W2, W3
        if (c == L || c == R || c == AL) strong = c;
        if (c == EN && strong == AL) c = AN;
        if (c == AL) c = R;
    }
    for (size_t k = 1; k + 1 < m; ++k) {  // W4
        if (t[k] == ES && t[k - 1] == EN && t[k + 1] == EN) t[k] = EN;
        if (t[k] == CS && t[k - 1] == t[k + 1] && (t[k - 1] == EN || t[k - 1] == AN)) t[k] = t[k - 1];
    }
    for (size_t a = 0; a < m;) {  // W5
        size_t b = a;
        while (b < m && t[b] == ET) ++b;
        if (b > a && ((a > 0 && t[a - 1] == EN) || (b < m && t[b] == EN))) std::fill(t.begin() + a, t.begin() + b, EN);
        a = b == a ? a + 1 : b;
    }
    for (Class& c : t)  // W6
        if (c == ES || c == ET || c == CS) c = ON;
    strong = L;
    for (Class& c : t) {  // W7
        if (c == L || c == R) strong = c;
        if (c == EN && strong == L) c = L;
    }
    resolveBrackets(t, heads);
    for (size_t a = 0; a < m;) {  // N1, N2
        if (isStrongOrNumber(t[a])) {
            ++a;
            continue;
        }
        size_t b = a;
        while (b < m && !isStrongOrNumber(t[b])) ++b;
        const Class before = a == 0 ? L : direction(t[a - 1]);
        const Class after = b == m ? L : direction(t[b]);
        std::fill(t.begin() + a, t.begin() + b, before == after ? before : L);
        a = b;
    }
}

// A character with the marks (NSM) and zero width joiners after it: text[begin, end).
struct Cluster {
    size_t begin = 0;
    size_t end = 0;
    int level = 0;
};

}  // namespace

size_t decodeNext(std::string_view text, size_t pos, char32_t& c) {
    size_t length = 0;
    if (decodeUtf8(text, pos, c, length)) return length;
    // Each byte of a stretch that is not UTF-8 is a character of its own: a byte
    // after the first never begins a sequence that the first could not.
    c = windows1252Char(uint8_t(text[pos]));
    return 1;
}

std::u32string decodeText(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    char32_t c = 0;
    for (size_t pos = 0; pos < text.size(); pos += decodeNext(text, pos, c)) {
        decodeNext(text, pos, c);
        out += c;
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text) appendUtf8(out, c);
    return out;
}

bool needsVisualOrder(char32_t c) {
    if (c < 0x0590) return false;  // nothing right-to-left, no Arabic number, no control
    const bidi::Class cls = bidiClassOf(c);
    return cls == bidi::R || cls == bidi::AL || cls == bidi::AN || isExplicitControl(cls);
}

bool isRightToLeft(char32_t c) {
    if (c < 0x0590) return false;
    const bidi::Class cls = bidiClassOf(c);
    return cls == bidi::R || cls == bidi::AL;
}

bool attachesToPrevious(char32_t c) {
    if (c < 0x0300) return false;
    const bidi::Class cls = bidiClassOf(c);
    return cls == bidi::NSM || cls == bidi::BN;
}

bool needsVisualOrder(std::u32string_view text) {
    return std::any_of(text.begin(), text.end(), [](char32_t c) { return needsVisualOrder(c); });
}

std::u32string visualText(std::u32string_view logical) {
    if (!needsVisualOrder(logical)) return std::u32string(logical);
    const std::u32string text = joinArabic(logical);

    // Explicit controls are dropped; LRM, RLM and ALM count as strong, then go.
    std::vector<Cluster> clusters;
    std::vector<bidi::Class> types;     // one per cluster, of its first character
    std::vector<bidi::Class> original;  // the same before resolution
    std::u32string heads;               // the first character of each cluster
    clusters.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bidi::Class cls = bidiClassOf(text[i]);
        if (isExplicitControl(cls)) continue;
        const bool attaches = cls == bidi::NSM || cls == bidi::BN;
        if (attaches && !clusters.empty() && clusters.back().end == i) {
            clusters.back().end = i + 1;
            continue;
        }
        clusters.push_back(Cluster{i, i + 1, 0});
        types.push_back(cls == bidi::BN ? bidi::ON : cls);
        original.push_back(cls);
        heads += text[i];
    }
    resolveTypes(types, heads);

    // I1, I2 and L1: levels 0 (L), 1 (R), 2 (numbers); separators and trailing
    // white space back on the paragraph's level.
    int highest = 0;
    for (size_t k = 0; k < clusters.size(); ++k) {
        clusters[k].level = types[k] == bidi::R ? 1 : types[k] == bidi::L ? 0 : 2;
        if (original[k] == bidi::S || original[k] == bidi::B) clusters[k].level = 0;
    }
    for (size_t k = clusters.size(); k-- > 0 && (original[k] == bidi::WS || original[k] == bidi::BN);)
        clusters[k].level = 0;
    for (const Cluster& cluster : clusters) highest = std::max(highest, cluster.level);

    // L2: reverse every run at or above each level from the highest down to 1.
    for (int level = highest; level >= 1; --level) {
        for (size_t a = 0; a < clusters.size();) {
            if (clusters[a].level < level) {
                ++a;
                continue;
            }
            size_t b = a;
            while (b < clusters.size() && clusters[b].level >= level) ++b;
            std::reverse(clusters.begin() + a, clusters.begin() + b);
            a = b;
        }
    }

    std::u32string out;
    out.reserve(text.size());
    for (const Cluster& cluster : clusters) {
        for (size_t i = cluster.begin; i < cluster.end; ++i) {
            const char32_t c = text[i];
            if (c == 0x200E || c == 0x200F || c == 0x061C) continue;  // LRM, RLM, ALM
            out += cluster.level % 2 == 1 ? mirrored(c) : c;          // L4
        }
    }
    return out;
}

}  // namespace tw
