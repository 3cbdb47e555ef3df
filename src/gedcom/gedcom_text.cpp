#include "gedcom/gedcom_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "base/translation.h"
#include "paf/codepage.h"

namespace tw::gedcom {

namespace {

constexpr uint32_t kReplacement = 0xFFFD;

// ANSEL 0xA0..0xDF: spacing characters (0 where the code is unassigned).
constexpr std::array<uint16_t, 64> kAnselSpacing = {
    0,      0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9,  // A0..A7
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0,       // A8..AF
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA,  // B0..B7
    0x0131, 0x00A3, 0x00F0, 0,      0x01A1, 0x01B0, 0x25A1, 0x25A0,  // B8..BF
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF,  // C0..C7
    0x20AC, 0,      0,      0,      0,      0x0065, 0x006F, 0x00DF,  // C8..CF
    0,      0,      0,      0,      0,      0,      0,      0,       // D0..D7
    0,      0,      0,      0,      0,      0,      0,      0,       // D8..DF
};

// ANSEL 0xE0..0xFE: combining diacritics, written before the letter they mark.
constexpr std::array<uint16_t, 32> kAnselCombining = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,  // E0..E7
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,  // E8..EF
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,  // F0..F7
    0x031C, 0x032E, 0xFE22, 0xFE23, 0,      0,      0x0313, 0,       // F8..FF
};

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return out;
}

// The value of the header's "1 CHAR" line, upper case, or empty.
std::string headerCharset(std::string_view text) {
    size_t pos = 0;
    bool first = true;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty()) continue;
        if (line.front() == '0' && !first) break;  // the header has ended
        first = false;
        if (startsWith(line, "1 CHAR ")) {
            std::string_view value = line.substr(7);
            while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
            return upperAscii(value);
        }
    }
    return {};
}

// isValidUtf8 over long texts that are nearly all ASCII: the ASCII runs are skipped
// eight bytes at a time, and each run of other bytes (which in valid UTF-8 begins
// and ends on character boundaries) is checked on its own.
bool isValidUtf8Text(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        while (end - p >= 8) {
            uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ull) break;
            p += 8;
        }
        while (p < end && uint8_t(*p) < 0x80) ++p;
        const char* start = p;
        while (p < end && uint8_t(*p) >= 0x80) ++p;
        if (p > start && !isValidUtf8(std::string_view(start, size_t(p - start)))) return false;
    }
    return true;
}

bool isAscii(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return uint8_t(c) >= 0x80; });
}

}  // namespace

const char* encodingName(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8: return "UTF-8";
        case Encoding::Utf16Le: return "UTF-16LE";
        case Encoding::Utf16Be: return "UTF-16BE";
        case Encoding::Ansel: return "ANSEL";
        case Encoding::Windows1252: return "Windows-1252";
    }
    return "?";
}

std::string anselToUtf8(std::string_view ansel) {
    std::string out;
    out.reserve(ansel.size() + ansel.size() / 8);
    std::array<uint32_t, 4> marks{};  // pending diacritics, in the order written
    size_t markCount = 0;
    for (const char ch : ansel) {
        const auto b = uint8_t(ch);
        if (b >= 0xE0) {
            const uint32_t mark = kAnselCombining[b - 0xE0];
            if (mark != 0 && markCount < marks.size()) marks[markCount++] = mark;
            continue;
        }
        uint32_t cp = b < 0x80 ? b : (b >= 0xA0 ? kAnselSpacing[b - 0xA0] : 0);
        if (cp == 0 && b != 0) cp = kReplacement;
        // The marks join the letter, in the order written, as far as Unicode has a
        // character for the letter with them.
        size_t joined = 0;
        while (joined < markCount) {
            const char32_t both = composeLetter(cp, marks[joined]);
            if (both == 0) break;
            cp = both;
            ++joined;
        }
        appendUtf8(out, cp);
        for (size_t i = joined; i < markCount; ++i) appendUtf8(out, marks[i]);
        markCount = 0;
    }
    for (size_t i = 0; i < markCount; ++i) appendUtf8(out, marks[i]);
    return out;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    auto unit = [&](size_t i) -> uint32_t {
        const auto a = uint8_t(bytes[i]), b = uint8_t(bytes[i + 1]);
        return bigEndian ? uint32_t(a << 8 | b) : uint32_t(b << 8 | a);
    };
    size_t i = 0;
    while (i + 1 < bytes.size()) {
        uint32_t u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 < bytes.size()) {
                const uint32_t low = unit(i);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    i += 2;
                    appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                    continue;
                }
            }
            u = kReplacement;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            u = kReplacement;
        }
        appendUtf8(out, u);
    }
    if (i < bytes.size()) appendUtf8(out, kReplacement);  // an odd last byte
    return out;
}

DecodedText decodeGedcomText(std::string_view bytes) {
    DecodedText result;
    const bool le = startsWith(bytes, "\xFF\xFE") || (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0);
    const bool be = startsWith(bytes, "\xFE\xFF") || (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] != 0);
    if (le || be) {
        result.encoding = le ? Encoding::Utf16Le : Encoding::Utf16Be;
        const bool bom = startsWith(bytes, le ? "\xFF\xFE" : "\xFE\xFF");
        result.converted = utf16ToUtf8(bytes.substr(bom ? 2 : 0), be);
        result.text = result.converted;
        return result;
    }
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        result.text = bytes.substr(3);
        if (!isValidUtf8Text(result.text)) result.note = TW_TR("GedcomImport", "the file is not valid UTF-8; malformed characters read as \"?\"");
        return result;
    }
    const std::string charset = headerCharset(bytes);
    if (charset == "ANSEL" && !isAscii(bytes) && isValidUtf8Text(bytes)) {
        // ANSEL's letters with marks cannot read as UTF-8 (a mark comes before its
        // letter): UTF-8 text saved under the wrong name.
        result.text = bytes;
        result.note = TW_TR("GedcomImport", "the header says ANSEL but the file is UTF-8; it was read as UTF-8");
        return result;
    }
    if (charset == "ANSEL") {
        result.encoding = Encoding::Ansel;
        result.converted = anselToUtf8(bytes);
        result.text = result.converted;
        return result;
    }
    const bool ansi = charset == "ANSI" || charset == "WINDOWS" || charset == "IBM WINDOWS" || charset == "CP1252" ||
                      charset == "WINDOWS-1252" || charset == "LATIN1" || charset == "ISO-8859-1";
    if (!ansi && isValidUtf8Text(bytes)) {  // UTF-8, or ASCII
        result.text = bytes;
        return result;
    }
    // ANSI, or a file that claims UTF-8 or ASCII but holds bytes that are not.
    if (charset == "UTF-8" || charset == "UTF8" || charset == "UNICODE" || charset == "ASCII")
        result.note = fillIn(TW_TR("GedcomImport", "the header says %1 but the file is not; it was read as Windows-1252"), {charset});
    result.encoding = Encoding::Windows1252;
    result.converted = windows1252ToUtf8(bytes);
    result.text = result.converted;
    return result;
}

}  // namespace tw::gedcom
