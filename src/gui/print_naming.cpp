#include "gui/print_naming.h"

#include "output/qt/qt_surface.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "wizard/report_kind.h"

namespace tw::gui {

namespace {

// The name of one individual, without a message when the record cannot be read.
QString nameOf(const PafFile& file, int32_t rin) {
    IndividualRecord person;
    if (rin <= 0 || !readIndividual(file, rin, person)) return {};
    return QtSurface::fromText(recordNameNoSlashes(file, person).view()).simplified();
}

// The couple as the lists title it: one partner alone where the other has no name.
QString coupleNames(const PafFile& file, int32_t mrin) {
    MarriageRecord couple;
    if (mrin <= 0 || !readMarriage(file, mrin, couple)) return {};
    const CoupleNames names{nameOf(file, couple.husband).toStdString(), nameOf(file, couple.wife).toStdString()};
    return QString::fromStdString(joinCouple(names, " and "));
}

}  // namespace

QString reportTitle(AppContext& ctx, const ReportFlags& flags, std::string_view startField) {
    for (const ReportInfo& report : allReports()) {
        if (flags[size_t(report.kind)] == 0) continue;
        QString caption = QString::fromUtf8(report.caption.data(), qsizetype(report.caption.size()));
        caption.remove(u'&');
        QString subject;
        if (report.start == StartKind::Mrin)
            subject = coupleNames(ctx.file, parseStartNumber(startField));
        else if (report.kind != ReportKind::SurnameDistributionList)
            subject = nameOf(ctx.file, parseStartNumber(startField));
        return subject.isEmpty() ? caption : caption + QStringLiteral(" - ") + subject;
    }
    return QStringLiteral("Tamblewin");
}

QString pdfFileNameFor(const QString& title) {
    QString name;
    for (const QChar c : title) {
        const bool refused = c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += refused ? QChar(u'-') : c;
    }
    name = name.trimmed();
    while (name.startsWith(u'.')) name.remove(0, 1);
    if (name.isEmpty()) name = QStringLiteral("Tamblewin");
    return name + QStringLiteral(".pdf");
}

}  // namespace tw::gui
