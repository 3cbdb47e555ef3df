#include "wizard/report_title.h"

#include "base/translation.h"
#include "output/visual_text.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "wizard/dispatcher.h"

namespace tw {

namespace {

bool isBlank(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The text in UTF-8 with no blanks at either end and one space for each run of them inside.
std::string withBlanksRunTogether(std::string_view text) {
    std::u32string out;
    bool blankBefore = false;
    for (const char32_t c : decodeText(text)) {
        if (isBlank(c)) {
            blankBefore = true;
            continue;
        }
        if (blankBefore && !out.empty()) out += U' ';
        blankBefore = false;
        out += c;
    }
    return encodeUtf8(out);
}

// The name of one individual, without a message when the record cannot be read.
std::string nameOf(const PafFile& file, int32_t rin) {
    IndividualRecord person;
    if (rin <= 0 || !readIndividual(file, rin, person)) return {};
    return withBlanksRunTogether(recordNameNoSlashes(file, person).view());
}

// The couple as the lists title it: one partner alone where the other has no name.
std::string coupleNames(const PafFile& file, int32_t mrin) {
    MarriageRecord couple;
    if (mrin <= 0 || !readMarriage(file, mrin, couple)) return {};
    return joinCouple(CoupleNames{nameOf(file, couple.husband), nameOf(file, couple.wife)},
                      " " + std::string(TW_TR("Reports", "and")) + " ");
}

}  // namespace

std::string reportTitle(const PafFile& file, ReportKind kind, std::string_view startField) {
    const ReportInfo& report = reportInfo(kind);
    const std::string caption(reportName(kind));
    std::string subject;
    if (report.start == StartKind::Mrin)
        subject = coupleNames(file, parseStartNumber(startField));
    else if (kind != ReportKind::SurnameDistributionList)
        subject = nameOf(file, parseStartNumber(startField));
    return subject.empty() ? caption : caption + " - " + subject;
}

}  // namespace tw
