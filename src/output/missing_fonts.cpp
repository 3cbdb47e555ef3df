#include "output/missing_fonts.h"

#include <hb.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "base/translation.h"
#include "output/font_metrics.h"
#include "output/visual_text.h"

namespace tw {

namespace {

struct ScriptNaming {
    char tag[5];  // ISO 15924
    const char* name;
};

// The scripts names are written in today, and a few more; any other is named by its
// ISO 15924 code.
constexpr ScriptNaming kScriptNames[] = {
    {"Adlm", "Adlam"},      {"Arab", "Arabic"},       {"Armn", "Armenian"},   {"Bali", "Balinese"},
    {"Bamu", "Bamum"},      {"Beng", "Bengali"},      {"Bopo", "Bopomofo"},   {"Bugi", "Buginese"},
    {"Cakm", "Chakma"},     {"Cans", "Canadian Aboriginal"}, {"Cher", "Cherokee"}, {"Copt", "Coptic"},
    {"Cyrl", "Cyrillic"},   {"Deva", "Devanagari"},   {"Ethi", "Ethiopic"},   {"Geor", "Georgian"},
    {"Glag", "Glagolitic"}, {"Goth", "Gothic"},       {"Grek", "Greek"},      {"Gujr", "Gujarati"},
    {"Guru", "Gurmukhi"},   {"Hang", "Hangul"},       {"Hani", "Han"},        {"Hebr", "Hebrew"},
    {"Hira", "Hiragana"},   {"Java", "Javanese"},     {"Kali", "Kayah Li"},   {"Kana", "Katakana"},
    {"Khmr", "Khmer"},      {"Knda", "Kannada"},      {"Laoo", "Lao"},        {"Latn", "Latin"},
    {"Lepc", "Lepcha"},     {"Limb", "Limbu"},        {"Lisu", "Lisu"},       {"Mand", "Mandaic"},
    {"Mlym", "Malayalam"},  {"Mong", "Mongolian"},    {"Mtei", "Meetei Mayek"}, {"Mymr", "Myanmar"},
    {"Nkoo", "N'Ko"},       {"Ogam", "Ogham"},        {"Olck", "Ol Chiki"},   {"Orya", "Odia"},
    {"Osge", "Osage"},      {"Rohg", "Hanifi Rohingya"}, {"Runr", "Runic"},   {"Samr", "Samaritan"},
    {"Saur", "Saurashtra"}, {"Sinh", "Sinhala"},      {"Sund", "Sundanese"},  {"Syrc", "Syriac"},
    {"Tale", "Tai Le"},     {"Talu", "New Tai Lue"},  {"Taml", "Tamil"},      {"Tavt", "Tai Viet"},
    {"Telu", "Telugu"},     {"Tfng", "Tifinagh"},     {"Tglg", "Tagalog"},    {"Thaa", "Thaana"},
    {"Thai", "Thai"},       {"Tibt", "Tibetan"},      {"Vaii", "Vai"},        {"Yiii", "Yi"},
};

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
    for (const ScriptNaming& naming : kScriptNames)
        if (std::string_view(naming.tag) == code) return naming.name;
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
