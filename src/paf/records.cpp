#include "paf/records.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/translation.h"
#include "paf/byte_order.h"

namespace tw {

namespace {

PafDate dateAt(std::span<const uint8_t> bytes, int offset) {
    PafDate date;
    std::copy_n(bytes.begin() + offset, paf::kDateSize, date.bytes.begin());
    return date;
}

template <typename Record>
bool readTable(const PafFile& file, const paf::TableLayout& table, int32_t n, Record& record,
               Record (*decode)(std::span<const uint8_t>)) {
    std::array<uint8_t, 512> buffer;
    const auto bytes = std::span<uint8_t>(buffer).first(size_t(table.recordSize));
    const bool ok = file.readRecord(table, n, bytes);
    record = ok ? decode(bytes) : Record{};
    return ok;
}

IndividualRecord decodeIndividual(std::span<const uint8_t> b) {
    namespace f = paf::individual;
    IndividualRecord r;
    r.nameOffset = readInt32le(b, f::kNameOffset);
    r.firstMrin = readInt32le(b, f::kFirstMrin);
    r.childLink = readInt32le(b, f::kChildLink);
    r.birth = dateAt(b, f::kBirth);
    r.birthPlaceOffset = readInt32le(b, f::kBirthPlace);
    r.christening = dateAt(b, f::kChristening);
    r.death = dateAt(b, f::kDeath);
    r.burial = dateAt(b, f::kBurial);
    r.baptism = dateAt(b, f::kBaptism);
    r.endowment = dateAt(b, f::kEndowment);
    r.sex = char(b[f::kSex]);
    return r;
}

MarriageRecord decodeMarriage(std::span<const uint8_t> b) {
    namespace f = paf::marriage;
    MarriageRecord r;
    r.husband = readInt32le(b, f::kHusband);
    r.wife = readInt32le(b, f::kWife);
    r.firstChildLink = readInt32le(b, f::kFirstChildLink);
    r.husbandNext = readInt32le(b, f::kHusbandNext);
    r.wifeNext = readInt32le(b, f::kWifeNext);
    r.date = dateAt(b, f::kDate);
    r.placeOffset = readInt32le(b, f::kPlace);
    r.sealing = dateAt(b, f::kSealing);
    r.status = char(b[f::kStatus]);
    return r;
}

ChildLinkRecord decodeChildLink(std::span<const uint8_t> b) {
    namespace f = paf::childlink;
    ChildLinkRecord r;
    r.mrin = readInt32le(b, f::kMrin);
    r.next = readInt32le(b, f::kNext);
    r.child = readInt32le(b, f::kChild);
    r.sealing = dateAt(b, f::kSealing);
    r.status = char(b[f::kStatus]);
    return r;
}

NameNode decodeNameNode(std::span<const uint8_t> b) {
    namespace f = paf::namenode;
    return NameNode{readInt32le(b, f::kRight), readInt32le(b, f::kLeft), readInt32le(b, f::kNameEntry)};
}

}  // namespace

bool readIndividual(const PafFile& file, int32_t rin, IndividualRecord& record) {
    return readTable(file, paf::kIndividuals, rin, record, decodeIndividual);
}

bool readMarriage(const PafFile& file, int32_t mrin, MarriageRecord& record) {
    return readTable(file, paf::kMarriages, mrin, record, decodeMarriage);
}

bool readChildLink(const PafFile& file, int32_t n, ChildLinkRecord& record) {
    return readTable(file, paf::kChildLinks, n, record, decodeChildLink);
}

bool readNameNode(const PafFile& file, int32_t n, NameNode& record) {
    return readTable(file, paf::kNameNodes, n, record, decodeNameNode);
}

namespace {

// Where a name is read: the stored bytes, and their UTF-8 conversion when one is needed.
struct NameWindow {
    PafFile::TextWindow stored;
    std::string converted;
};

// The name (UTF-8) of an individual record, pointing into window.
std::string_view recordName(const PafFile& file, const IndividualRecord& person, NameWindow& window) {
    // The name entry is read as a text record that starts two bytes later, where the
    // text window then begins exactly at the name and holds all of its 255 bytes.
    if (person.nameOffset < 1) return "";
    const auto text = file.readStoredText(int64_t(person.nameOffset) + 2, window.stored);
    if (!text) return "";
    return file.utf8Text(*text, window.converted);
}

}  // namespace

std::string_view invalidRinName() { return TW_TR("Messages", "Invalid Rin"); }

namespace {

// The name of an individual, pointing into window; "Invalid Rin" (after its
// message) when the individual cannot be read.
std::string_view storedName(PafContext& ctx, int32_t rin, NameWindow& window) {
    IndividualRecord person;
    if (!readIndividual(ctx.file, rin, person)) {
        messageOnce(ctx, OnceMessage::InvalidRin, TW_TR("Messages", "The RIN is invalid"), "Error");
        return invalidRinName();
    }
    return recordName(ctx.file, person, window);
}

// The parts of a name in the order entered, without the slashes around the
// surname: one blank between words, none at either end or before a comma (an
// empty surname, "Adam //", or a suffix entered as "/Talib/ , Caliph" leave no gap).
size_t printedName(std::string_view name, char* out) {
    size_t length = 0;
    bool blank = false;  // a blank is owed before the next word
    for (const char c : name) {
        if (c == '/') continue;
        if (c == ' ') {
            blank = length > 0;
            continue;
        }
        if (blank && c != ',') out[length++] = ' ';
        blank = false;
        out[length++] = c;
    }
    return length;
}

TextBuffer withoutSlashes(std::string_view name) {
    TextBuffer kept;
    kept.setLength(int(printedName(name, kept.reserve(int(name.size())))));
    return kept;
}

}  // namespace

TextBuffer individualName(PafContext& ctx, int32_t rin) {
    NameWindow window;
    return TextBuffer(storedName(ctx, rin, window));
}

TextBuffer individualNameNoSlashes(PafContext& ctx, int32_t rin) {
    NameWindow window;
    return withoutSlashes(storedName(ctx, rin, window));
}

TextBuffer recordName(const PafFile& file, const IndividualRecord& person) {
    NameWindow window;
    return TextBuffer(recordName(file, person, window));
}

TextBuffer recordNameNoSlashes(const PafFile& file, const IndividualRecord& person) {
    NameWindow window;
    return withoutSlashes(recordName(file, person, window));
}

void recordNameNoSlashes(const PafFile& file, const IndividualRecord& person, std::string& name) {
    NameWindow window;
    const std::string_view stored = recordName(file, person, window);
    name.resize(stored.size());
    name.resize(printedName(stored, name.data()));
}

TextBuffer surnameOf(const TextBuffer& name) {
    const std::string_view text = name.view();
    const size_t first = text.find('/');
    if (first == std::string_view::npos) return TextBuffer("");
    const size_t second = text.find('/', first + 1);
    const size_t end = second == std::string_view::npos ? text.size() : second;
    return TextBuffer(text.substr(first + 1, end - first - 1));
}

namespace {

// Which numbers the file holds, for the message about one beyond them.
std::string rangeText(std::string_view numbers, int32_t highest) {
    if (highest < 1) return fillIn(TW_TR("Messages", "(this file holds no %1)"), {numbers});
    return fillIn(TW_TR("Messages", "(%1 in this file run from 1 to %2)"), {numbers, std::to_string(highest)});
}

}  // namespace

bool validateRin(PafContext& ctx, int32_t rin) {
    if (ctx.file.highestRin() < rin) {
        ctx.host.message(fillIn(TW_TR("Messages", "This Rin is out of range\n%1"),
                                {rangeText("RINs", ctx.file.highestRin())}),
                         "Error");
        return true;
    }
    if (ctx.file.isDeleted(paf::kIndividuals.deletedTableId, rin)) {
        ctx.host.message(TW_TR("Messages", "This Rin references a record\nwhich has been deleted."),
                         "Error");
        return true;
    }
    return false;
}

bool validateMrin(PafContext& ctx, int32_t mrin) {
    if (ctx.file.highestMrin() < mrin) {
        ctx.host.message(fillIn(TW_TR("Messages", "This MRin is out of range\n%1"),
                                {rangeText("MRINs", ctx.file.highestMrin())}),
                         "Error");
        return true;
    }
    if (ctx.file.isDeleted(paf::kMarriages.deletedTableId, mrin)) {
        ctx.host.message(TW_TR("Messages", "This MRin references a record\nwhich has been deleted."),
                         "Error");
        return true;
    }
    return false;
}

void abortRun(PafContext& ctx, std::string_view message, int a, int b, const CorruptDetail& detail) {
    const std::string caption = "myABORT " + std::to_string(a) + " " + std::to_string(b);
    ctx.host.fatal(message, caption, kExitCorruptData, describeCorruptDetail(detail));
}

std::string_view corruptDataMessage() {
    return TW_TR("Messages", "Corrupt Data.  Run check/repair\nin PAF to repair data.");
}

bool messageOnce(PafContext& ctx, OnceMessage m, std::string_view text, std::string_view caption) {
    if (!ctx.messages.first(m)) return false;
    ctx.host.message(text, caption);
    return true;
}

namespace {

// A word of a damage detail in the language in use; one not listed stays as it is.
std::string_view detailWord(std::string_view word) {
    const std::pair<std::string_view, std::string_view> words[] = {
        {"individual", TW_TR("Messages", "individual")},
        {"marriage", TW_TR("Messages", "marriage")},
        {"name index", TW_TR("Messages", "name index")},
        {"record", TW_TR("Messages", "record")},
        {"node", TW_TR("Messages", "node")},
        {"child link", TW_TR("Messages", "child link")},
        {"child chain at link", TW_TR("Messages", "child chain at link")},
        {"marriage chain at marriage", TW_TR("Messages", "marriage chain at marriage")},
        {"parents' marriage", TW_TR("Messages", "parents' marriage")},
        {"own marriage", TW_TR("Messages", "own marriage")},
        {"father", TW_TR("Messages", "father")},
        {"mother", TW_TR("Messages", "mother")},
        {"cannot be read", TW_TR("Messages", "cannot be read")},
        {"is deleted", TW_TR("Messages", "is deleted")},
        {"loops", TW_TR("Messages", "loops")},
        {"is reached twice", TW_TR("Messages", "is reached twice")},
        {"is beyond the last individual", TW_TR("Messages", "is beyond the last individual")},
        {"is beyond the last node", TW_TR("Messages", "is beyond the last node")},
        {"does not name him as husband", TW_TR("Messages", "does not name him as husband")},
        {"does not name her as wife", TW_TR("Messages", "does not name her as wife")},
        {"closes a loop (someone is his own ancestor); cut there",
         TW_TR("Messages", "closes a loop (someone is his own ancestor); cut there")},
    };
    for (const auto& [english, shown] : words)
        if (word == english) return shown;
    return word;
}

}  // namespace

std::string describeCorruptDetail(const CorruptDetail& d) {
    std::string text = std::string(detailWord(d.table));
    if (d.record != 0) text += " " + std::to_string(d.record);
    text += ": " + std::string(detailWord(d.field)) + " " + std::to_string(d.value) + " " +
            std::string(detailWord(d.problem));
    if (d.limit != 0) text += fillIn(TW_TR("Messages", " (the last is %1)"), {std::to_string(d.limit)});
    return text;
}

void reportCorruptDataAndCloseStart(PafContext& ctx, const CorruptDetail& detail) {
    if (ctx.corruptDataReported()) return;
    reportCorruptData(ctx, detail);
    ctx.host.closeStartWindow();
}

void reportCorruptData(PafContext& ctx, const CorruptDetail& detail) {
    if (!messageOnce(ctx, OnceMessage::CorruptData, corruptDataMessage(), "Abort")) return;
    ctx.host.messageDetail(describeCorruptDetail(detail));
}

}  // namespace tw
