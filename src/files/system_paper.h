#pragma once
// The paper this machine prints on when the user has not chosen one, found the way
// Debian's printing tools find it: the PAPERSIZE variable, then the paper
// configuration file (/etc/papersize, or the file PAPERCONF names), then the
// territory of the locale's paper category, else letter.

#include <optional>
#include <string>
#include <string_view>

#include "output/paper.h"

namespace tw {

// What the default depends on, as read from the environment.
struct PaperSources {
    std::string papersize;   // PAPERSIZE: a paper name
    std::string configFile;  // the paper configuration file's path
    std::string lcAll;       // LC_ALL, LC_PAPER and LANG, in the order POSIX reads them
    std::string lcPaper;
    std::string lang;
};

// Where the default came from, for the user to be told.
enum class PaperSource { PapersizeVariable, ConfigFile, Locale, Fallback };

struct SystemPaper {
    Paper paper = Paper::Letter;
    PaperSource source = PaperSource::Fallback;
};

// The sources of this process: the variables, and PAPERCONF or /etc/papersize.
PaperSources paperSourcesOfEnvironment();

// The first source that names a paper this program knows decides; a name it does
// not know is passed over, and so is a source that is missing or empty.
SystemPaper systemPaper(const PaperSources& sources);
inline SystemPaper systemPaper() { return systemPaper(paperSourcesOfEnvironment()); }

// The paper of the configuration file: the first word of its first line that is
// neither blank nor a comment ("#"); none when that word is no paper's name or the
// file cannot be read.
std::optional<Paper> paperOfConfigFile(const std::string& path);

// The paper of a locale name such as "de_DE.UTF-8": letter in the territories that
// use it (the United States, Canada, Mexico, the Philippines, Chile, Colombia and
// Venezuela), A4 in every other; none for a locale without a territory ("C", "POSIX",
// "C.UTF-8", "en").
std::optional<Paper> paperOfLocale(std::string_view locale);

// The locale whose paper counts, in POSIX order: LC_ALL, else LC_PAPER, else LANG
// (an empty variable counts as unset).
std::string_view paperLocale(const PaperSources& sources);

}  // namespace tw
