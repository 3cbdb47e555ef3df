#include "output/pdf/text_reading.h"

#include <hb.h>

#include <algorithm>
#include <unordered_map>

#include "output/visual_text.h"

namespace tw {

namespace {

hb_unicode_funcs_t* unicode() {
    static hb_unicode_funcs_t* const funcs = hb_unicode_funcs_get_default();
    return funcs;
}

unsigned combiningClass(char32_t c) { return c < 0x0300 ? 0 : unsigned(hb_unicode_combining_class(unicode(), c)); }

void appendDecomposed(char32_t c, std::u32string& out) {
    hb_codepoint_t a = 0, b = 0;
    if (c < 0x00C0 || !hb_unicode_decompose(unicode(), c, &a, &b)) {
        out += c;
        return;
    }
    appendDecomposed(char32_t(a), out);
    if (b != 0) appendDecomposed(char32_t(b), out);
}

bool droppedInVisualOrder(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool isArabicLetter(char32_t c) {
    return (c >= 0x0620 && c <= 0x064A) || (c >= 0x066E && c <= 0x06D5) || (c >= 0x06EE && c <= 0x06FF) ||
           (c >= 0x0750 && c <= 0x077F) || (c >= 0x08A0 && c <= 0x08C9);
}

// The letters of every presentation form visualText draws, learnt from visualText
// itself: each letter alone, after a tatweel, before one and between two; lam with
// each alef; the word Allah.
const std::unordered_map<char32_t, std::u32string>& presentationForms() {
    static const std::unordered_map<char32_t, std::u32string> forms = [] {
        std::unordered_map<char32_t, std::u32string> learnt;
        constexpr char32_t kTatweel = 0x0640;
        auto learn = [&](const std::u32string& written, const std::u32string& letters) {
            std::u32string drawn = visualText(written);
            std::erase(drawn, kTatweel);
            if (drawn.size() == 1 && drawn != letters) learnt.emplace(drawn[0], letters);
        };
        for (char32_t c = 0x0620; c <= 0x08C9; ++c) {
            if (!isArabicLetter(c)) continue;
            const std::u32string letter(1, c);
            for (const std::u32string& written :
                 {letter, kTatweel + letter, letter + kTatweel, kTatweel + letter + kTatweel})
                learn(written, letter);
        }
        for (const char32_t alef : {U'\u0622', U'\u0623', U'\u0625', U'\u0627'}) {
            const std::u32string lamAlef = {U'\u0644', alef};
            learn(lamAlef, lamAlef);
            learn(kTatweel + lamAlef, lamAlef);
        }
        learn(U"\u0627\u0644\u0644\u0647", U"\u0627\u0644\u0644\u0647");
        return learnt;
    }();
    return forms;
}

bool sameWhenRead(char32_t drawn, char32_t written) {
    return drawn == written || (drawn >= 0x20 && char32_t(hb_unicode_mirroring(unicode(), drawn)) == written);
}

bool spells(std::u32string_view stretch, std::u32string_view reading, size_t at) {
    if (stretch.empty() || stretch.size() > reading.size() - at) return false;
    for (size_t i = 0; i < stretch.size(); ++i)
        if (!sameWhenRead(stretch[i], reading[at + i])) return false;
    return true;
}

}  // namespace

std::u32string decomposedText(std::u32string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (const char32_t c : text) appendDecomposed(c, out);
    // Canonical order: each run of marks sorted by class, keeping the order of equals.
    for (size_t i = 0; i < out.size();) {
        if (combiningClass(out[i]) == 0) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < out.size() && combiningClass(out[end]) != 0) ++end;
        std::stable_sort(out.begin() + ptrdiff_t(i), out.begin() + ptrdiff_t(end),
                         [](char32_t a, char32_t b) { return combiningClass(a) < combiningClass(b); });
        i = end;
    }
    return out;
}

std::u32string composedText(std::u32string_view text) {
    if (std::all_of(text.begin(), text.end(), [](char32_t c) { return c < 0x0300; })) return std::u32string(text);
    const std::u32string out = decomposedText(text);
    // Composition: each character joins the last starter unless a character between
    // them blocks it (one of the same or no class).
    std::u32string composed;
    composed.reserve(out.size());
    size_t starter = std::u32string::npos;
    int lastClass = -1;  // of the last character kept after the starter; -1: none
    for (const char32_t c : out) {
        const int cls = int(combiningClass(c));
        hb_codepoint_t joined = 0;
        if (starter != std::u32string::npos && (lastClass == -1 || lastClass < cls) &&
            hb_unicode_compose(unicode(), composed[starter], c, &joined)) {
            composed[starter] = char32_t(joined);
            continue;
        }
        if (cls == 0) {
            starter = composed.size();
            lastClass = -1;
        } else {
            lastClass = cls;
        }
        composed += c;
    }
    return composed;
}

bool readsAsDrawn(char32_t c) {
    if (c < 0x0300) return true;
    const bool simpleScript = (c >= 0x0370 && c <= 0x0482) || (c >= 0x048A && c <= 0x058F) ||
                              (c >= 0x10A0 && c <= 0x10FF) || (c >= 0x1C90 && c <= 0x1CBF) ||
                              (c >= 0x1E00 && c <= 0x1FFF) || (c >= 0x2010 && c <= 0x2027) ||
                              (c >= 0x2030 && c <= 0x205E) || (c >= 0x2070 && c <= 0x2BFF) ||
                              (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xFF00 && c <= 0xFFEF);
    if (!simpleScript || combiningClass(c) != 0) return false;
    hb_codepoint_t a = 0, b = 0, again = 0;
    if (!hb_unicode_decompose(unicode(), c, &a, &b)) return true;
    // Composed as it is unless NFC changes it: a singleton, an excluded composition.
    return b != 0 && hb_unicode_compose(unicode(), a, b, &again) && again == c;
}

std::u32string readingText(std::u32string_view logical) {
    if (!needsVisualOrder(logical)) return composedText(logical);
    std::u32string kept;
    kept.reserve(logical.size());
    for (const char32_t c : logical)
        if (!droppedInVisualOrder(c)) kept += c;
    return composedText(kept);
}

std::u32string lettersOfDrawnText(std::u32string_view drawn) {
    std::u32string letters;
    letters.reserve(drawn.size());
    for (const char32_t c : drawn) {
        if (c >= 0xFB50 && c <= 0xFEFF) {
            const auto& forms = presentationForms();
            if (const auto found = forms.find(c); found != forms.end()) {
                letters += found->second;
                continue;
            }
        }
        letters += c;
    }
    return composedText(letters);
}

std::vector<uint32_t> readingOrder(std::span<const std::u32string> stretches, std::u32string_view reading) {
    const size_t count = stretches.size();
    std::vector<uint32_t> order;
    std::vector<bool> read(count, false);
    order.reserve(count);
    // How many stretches from `first` on, walking the line one way, spell the reading from `at`.
    auto straightWalk = [&](size_t first, size_t at) {
        size_t longest = 0;
        for (const ptrdiff_t step : {1, -1}) {
            size_t walked = 0, pos = at;
            for (ptrdiff_t k = ptrdiff_t(first); k >= 0 && size_t(k) < count && !read[size_t(k)] &&
                                                 spells(stretches[size_t(k)], reading, pos);
                 k += step) {
                pos += stretches[size_t(k)].size();
                ++walked;
            }
            longest = std::max(longest, walked);
        }
        return longest;
    };
    size_t at = 0;
    size_t last = count;  // the stretch read last; count: none yet
    while (order.size() < count) {
        size_t best = count, bestWalk = 0, bestDistance = 0;
        for (size_t k = 0; k < count; ++k) {
            if (read[k] || !spells(stretches[k], reading, at)) continue;
            const size_t walk = straightWalk(k, at);
            const size_t distance = last == count ? 0 : (k > last ? k - last : last - k);
            if (best == count || walk > bestWalk || (walk == bestWalk && distance < bestDistance)) {
                best = k;
                bestWalk = walk;
                bestDistance = distance;
            }
        }
        if (best == count) return {};
        read[best] = true;
        order.push_back(uint32_t(best));
        at += stretches[best].size();
        last = best;
    }
    if (at != reading.size()) return {};
    return order;
}

}  // namespace tw
