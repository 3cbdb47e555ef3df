#include "output/missing_fonts.h"

#include <hb.h>

#include <algorithm>
#include <functional>
#include <vector>

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
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += item;
        ++i;
    }
    return text;
}

std::string textsTouched(size_t count) {
    return std::to_string(count) + (count == 1 ? " name or place" : " names and places");
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
        std::string line = family + " is not installed: the " + listed(gap.scripts) + " characters of " +
                           textsTouched(gap.texts.size()) + " print as empty boxes";
        const std::string_view package = packageOf(family);
        if (!package.empty()) line += " (Debian's " + std::string(package) + " has it)";
        lines.push_back(line + ".");
    }
    if (const auto none = gaps_.find(""); none != gaps_.end())
        lines.push_back("No installed font has the " + listed(none->second.scripts) + " characters of " +
                        textsTouched(none->second.texts.size()) + ": they print as empty boxes.");
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace tw
