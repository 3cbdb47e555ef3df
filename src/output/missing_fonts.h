#pragma once
// The letters of a report that no installed font draws: letters whose font (the
// face's, or the fallback font the tables name for them) is not installed and for
// which no other installed font was found, and letters no installed font holds at
// all. They print as empty boxes, or not at all; the user is told once per report
// which scripts, which font (and the Debian package that has it), and how many
// texts they touched.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>

namespace tw {

class MissingFonts {
public:
    // Notes the letters of a text drawn in a face (UTF-8, or Windows-1252 where it
    // is not well-formed UTF-8).
    void note(std::string_view text, std::string_view faceName);
    void clear() { gaps_.clear(); }
    bool empty() const { return gaps_.empty(); }
    // One line per missing font, then one for the letters no font holds; empty when
    // nothing is missing.
    std::string message() const;

private:
    struct Gap {
        std::set<std::string> scripts;
        std::unordered_set<uint64_t> texts;  // by their hash: each text counts once
    };
    std::map<std::string, Gap> gaps_;  // by the family missing; "" for no font at all
};

// The name of the script of a character, in English ("Han", "Devanagari"); "symbol"
// for characters of no one script.
std::string scriptName(char32_t c);

}  // namespace tw
