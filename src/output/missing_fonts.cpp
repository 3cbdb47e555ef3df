#include "output/missing_fonts.h"

#include <hb.h>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "base/translation.h"
#include "output/font_metrics.h"
#include "output/visual_text.h"

namespace tw {

namespace {

struct ScriptNaming {
    char tag[5];  // ISO 15924
    std::string_view name;
};

// The scripts names are written in today, and a few more, named in the language in
// use (so built at each call, not once); any other is named by its ISO 15924 code.
std::array<ScriptNaming, 64> scriptNames() {
    return {{
        {"Adlm", TW_TR("Scripts", "Adlam")}, {"Arab", TW_TR("Scripts", "Arabic")},
        {"Armn", TW_TR("Scripts", "Armenian")}, {"Bali", TW_TR("Scripts", "Balinese")},
        {"Bamu", TW_TR("Scripts", "Bamum")}, {"Beng", TW_TR("Scripts", "Bengali")},
        {"Bopo", TW_TR("Scripts", "Bopomofo")}, {"Bugi", TW_TR("Scripts", "Buginese")},
        {"Cakm", TW_TR("Scripts", "Chakma")}, {"Cans", TW_TR("Scripts", "Canadian Aboriginal")},
        {"Cher", TW_TR("Scripts", "Cherokee")}, {"Copt", TW_TR("Scripts", "Coptic")},
        {"Cyrl", TW_TR("Scripts", "Cyrillic")}, {"Deva", TW_TR("Scripts", "Devanagari")},
        {"Ethi", TW_TR("Scripts", "Ethiopic")}, {"Geor", TW_TR("Scripts", "Georgian")},
        {"Glag", TW_TR("Scripts", "Glagolitic")}, {"Goth", TW_TR("Scripts", "Gothic")},
        {"Grek", TW_TR("Scripts", "Greek")}, {"Gujr", TW_TR("Scripts", "Gujarati")},
        {"Guru", TW_TR("Scripts", "Gurmukhi")}, {"Hang", TW_TR("Scripts", "Hangul")},
        {"Hani", TW_TR("Scripts", "Han")}, {"Hebr", TW_TR("Scripts", "Hebrew")},
        {"Hira", TW_TR("Scripts", "Hiragana")}, {"Java", TW_TR("Scripts", "Javanese")},
        {"Kali", TW_TR("Scripts", "Kayah Li")}, {"Kana", TW_TR("Scripts", "Katakana")},
        {"Khmr", TW_TR("Scripts", "Khmer")}, {"Knda", TW_TR("Scripts", "Kannada")},
        {"Laoo", TW_TR("Scripts", "Lao")}, {"Latn", TW_TR("Scripts", "Latin")},
        {"Lepc", TW_TR("Scripts", "Lepcha")}, {"Limb", TW_TR("Scripts", "Limbu")},
        {"Lisu", TW_TR("Scripts", "Lisu")}, {"Mand", TW_TR("Scripts", "Mandaic")},
        {"Mlym", TW_TR("Scripts", "Malayalam")}, {"Mong", TW_TR("Scripts", "Mongolian")},
        {"Mtei", TW_TR("Scripts", "Meetei Mayek")}, {"Mymr", TW_TR("Scripts", "Myanmar")},
        {"Nkoo", TW_TR("Scripts", "N'Ko")}, {"Ogam", TW_TR("Scripts", "Ogham")},
        {"Olck", TW_TR("Scripts", "Ol Chiki")}, {"Orya", TW_TR("Scripts", "Odia")},
        {"Osge", TW_TR("Scripts", "Osage")}, {"Rohg", TW_TR("Scripts", "Hanifi Rohingya")},
        {"Runr", TW_TR("Scripts", "Runic")}, {"Samr", TW_TR("Scripts", "Samaritan")},
        {"Saur", TW_TR("Scripts", "Saurashtra")}, {"Sinh", TW_TR("Scripts", "Sinhala")},
        {"Sund", TW_TR("Scripts", "Sundanese")}, {"Syrc", TW_TR("Scripts", "Syriac")},
        {"Tale", TW_TR("Scripts", "Tai Le")}, {"Talu", TW_TR("Scripts", "New Tai Lue")},
        {"Taml", TW_TR("Scripts", "Tamil")}, {"Tavt", TW_TR("Scripts", "Tai Viet")},
        {"Telu", TW_TR("Scripts", "Telugu")}, {"Tfng", TW_TR("Scripts", "Tifinagh")},
        {"Tglg", TW_TR("Scripts", "Tagalog")}, {"Thaa", TW_TR("Scripts", "Thaana")},
        {"Thai", TW_TR("Scripts", "Thai")}, {"Tibt", TW_TR("Scripts", "Tibetan")},
        {"Vaii", TW_TR("Scripts", "Vai")}, {"Yiii", TW_TR("Scripts", "Yi")},
    }};
}

// Debian's package of a family the program asks for by name.
std::string_view packageOf(std::string_view family) {
    if (family.starts_with("Liberation")) return "fonts-liberation2";
    if (family.find(" CJK") != std::string_view::npos) return "fonts-noto-cjk";
    if (family.starts_with("Noto")) return "fonts-noto-core";
    return {};
}

// "A", "A and B", "A, B and C"; digits, punctuation and symbols only when nothing
// else is missing.
std::string listed(std::set<std::string> items) {
    if (items.size() > 1) items.erase("symbol");
    std::string text;
    size_t i = 0;
    for (const std::string& item : items) {
        const std::string_view shown = item == "symbol" ? TW_TR("Messages", "symbol") : std::string_view(item);
        if (i == 0) text = shown;
        else if (i + 1 == items.size()) text = fillIn(TW_TR("Messages", "%1 and %2"), {text, shown});
        else text = fillIn(TW_TR("Messages", "%1, %2"), {text, shown});
        ++i;
    }
    return text;
}

std::string textsTouched(size_t count) {
    if (count == 1) return std::string(TW_TR("Messages", "1 name or place"));
    return fillIn(TW_TR("Messages", "%1 names and places"), {std::to_string(count)});
}

}  // namespace

std::string scriptName(char32_t c) {
    const hb_script_t script = hb_unicode_script(hb_unicode_funcs_get_default(), hb_codepoint_t(c));
    if (script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN) return "symbol";
    const hb_tag_t tag = hb_script_to_iso15924_tag(script);
    char code[5] = {};
    hb_tag_to_string(tag, code);
    for (const ScriptNaming& naming : scriptNames())
        if (std::string_view(naming.tag) == code) return std::string(naming.name);
    return code;
}

void MissingFonts::note(std::string_view text, std::string_view faceName) {
    const bool faceInstalled = characterFont(U'a', faceName).installed;
    if (faceInstalled && std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return;
    const uint64_t textKey = std::hash<std::string_view>()(text);
    char32_t c = 0;
    for (size_t pos = 0; pos < text.size();) {
        pos += decodeNext(text, pos, c);
        // Controls, marks and joiners take no room: only letters are missed.
        if (c < 0x20 || c == 0x7F || attachesToPrevious(c)) continue;
        const CharacterFont font = characterFont(c, faceName);
        if (font.installed) continue;
        Gap& gap = gaps_[std::string(font.family)];
        gap.scripts.insert(scriptName(c));
        gap.texts.insert(textKey);
    }
}

std::string MissingFonts::message() const {
    std::vector<std::string> lines;
    for (const auto& [family, gap] : gaps_) {
        if (family.empty()) continue;
        const std::string scripts = listed(gap.scripts), texts = textsTouched(gap.texts.size());
        const std::string_view package = packageOf(family);
        lines.push_back(package.empty()
                            ? fillIn(TW_TR("Messages",
                                           "%1 is not installed: the %2 characters of %3 print as empty boxes."),
                                     {family, scripts, texts})
                            : fillIn(TW_TR("Messages",
                                           "%1 is not installed: the %2 characters of %3 print as empty boxes "
                                           "(Debian's %4 has it)."),
                                     {family, scripts, texts, package}));
    }
    if (const auto none = gaps_.find(""); none != gaps_.end())
        lines.push_back(fillIn(TW_TR("Messages",
                                     "No installed font has the %1 characters of %2: they print as empty boxes."),
                               {listed(none->second.scripts), textsTouched(none->second.texts.size())}));
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace tw
