#pragma once
// The words the program shows, in the reader's language.
//
// Every text the program shows is written in English in the code and marked with
// TW_TR(context, text), which Qt's lupdate reads as QT_TRANSLATE_NOOP. The
// translations are Qt's .qm files, built from the .ts files in translations/ and
// read here without Qt, so that the command line needs no Qt to speak German.
// Without a catalogue (English, or no file for the language) every text is its
// English source, unchanged.

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tw {

class Catalogue {
public:
    // Reads the bytes of a .qm file; false, with the catalogue left empty, when
    // they are not one (or are damaged).
    bool load(std::string_view qm);
    // The translation (UTF-8) of source in context; nullptr when there is none.
    const std::string* find(std::string_view context, std::string_view source) const;
    bool empty() const { return texts_.empty(); }
    size_t size() const { return texts_.size(); }

private:
    std::unordered_map<std::string, std::string> texts_;  // context, '\0', source -> translation
};

// Makes catalogue the one every text is translated from (an empty one: English).
void useCatalogue(Catalogue catalogue);
// The language of the catalogue in use ("en" without one).
const std::string& languageInUse();
// source translated in context, or source itself.
std::string_view translate(const char* context, const char* source);

#define TW_TR(context, text) ::tw::translate(context, text)

// While one lives, texts on its thread stay English: for orders that must not change
// with the language (dates compared by their words).
class EnglishWords {
public:
    EnglishWords();
    ~EnglishWords();
    EnglishWords(const EnglishWords&) = delete;
    EnglishWords& operator=(const EnglishWords&) = delete;

private:
    bool before_;
};

// text with %1, %2, ... replaced by values[0], values[1], ... ("Page %1"): the words
// around a number or a name stay one text for the translator, in his order.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);

// The languages the program ships besides English, by their codes.
std::span<const std::string_view> shippedLanguages();

// The shipped language a code or locale name names ("de", "de_AT.UTF-8", "nb_NO",
// "no"), or "en" for English and any language that is not shipped.
std::string languageOfLocale(std::string_view locale);

// The language to use: code (from --language or the settings) when not empty;
// else the first shipped language of LANGUAGE (a colon-separated list, as gettext
// reads it, not when the locale is "C"), else that of the first of LC_ALL,
// LC_MESSAGES, LANG that is set. Anything else is English.
std::string chooseLanguage(std::string_view code, const std::function<const char*(const char*)>& environment);

// Loads the catalogue of language from the first of folders that holds its .qm file
// ("tamblewin_de.qm") and makes it the one in use; English and a language without a
// readable file leave every text in English. False only when a file was there but
// could not be read as a catalogue.
bool useLanguage(const std::string& language, std::span<const std::string> folders);

}  // namespace tw
