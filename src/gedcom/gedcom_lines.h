#pragma once
// GEDCOM lines: level, optional cross-reference id, tag and value, cut from UTF-8
// text ending in CR, LF or CR LF.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tw::gedcom {

// A tag of up to four characters as one number, for quick comparison; 0 for longer tags.
constexpr uint32_t tagCode(std::string_view tag) {
    if (tag.size() > 4) return 0;
    uint32_t code = 0;
    for (const char c : tag) code = code << 8 | uint8_t(c);
    return code;
}

// The number of a tag the reader knows, worked out while compiling.
consteval uint32_t knownTag(std::string_view tag) { return tagCode(tag); }

struct GedcomLine {
    int level = -1;
    std::string_view xref;   // "@I1@" on record lines, else empty
    std::string_view tag;
    uint32_t code = 0;       // tagCode(tag)
    std::string_view value;  // the rest of the line after the tag and one blank
};

enum class LineShape {
    Good,
    Blank,          // nothing but blanks
    NoTag,          // a level, but no well-formed tag after it (the level is set)
    NotALine,       // does not begin with a level number
};

// Splits one line (without its line ending).
LineShape parseGedcomLine(std::string_view text, GedcomLine& line);

// Where the line that starts at from ends: the first CR or LF at or after from, or
// the end of the text.
size_t lineEnd(std::string_view text, size_t from);

// Walks the lines of a text, counting them from 1: one pass over the bytes.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    // The next line without its ending; false at the end of the text.
    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        ++number_;
        const size_t end = lineEnd(text_, pos_);
        line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < text_.size()) {
            const char ending = text_[pos_++];
            if (ending == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        }
        return true;
    }
    size_t number() const { return number_; }
    // Where the next line starts.
    size_t position() const { return pos_; }

private:
    std::string_view text_;
    size_t pos_ = 0;
    size_t number_ = 0;
};

}  // namespace tw::gedcom
