#pragma once
// The fonts installed on this machine, as fontconfig knows them (the process's own
// configuration, which Qt shares, so that every output finds the same files): the
// file of a family, and for a character the metric tables leave without an
// installed font, the installed font that draws it.
//
// What is looked up is kept for the life of the process; any thread may ask (PNG
// pages are drawn side by side).

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The file and face index of the installed font of a family; nothing when no font
// of that family is installed (fontconfig would substitute another).
struct FontFileName {
    std::string path;
    int index = 0;
};
std::optional<FontFileName> findFontFile(std::string_view family);

// findFontFile finds the family; asked of fontconfig once per family.
bool isInstalled(std::string_view family);

// The installed fonts found for characters, numbered from 1 in the order they
// were first needed: the number of the font that draws c, 0 when no installed font
// does. The search takes the fonts in fontconfig's order of preference for a
// regular upright sans face, and only fonts drawn with outlines (bitmap and colour
// fonts cannot be embedded in a PDF as the other fonts are).
int foundFontFor(char32_t c);
// The family of a found font; empty for any other number.
std::string_view foundFontFamily(int number);

}  // namespace tw
