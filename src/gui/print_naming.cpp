#include "gui/print_naming.h"

#include "wizard/report_title.h"

namespace tw::gui {

QString reportTitle(AppContext& ctx, const ReportFlags& flags, std::string_view startField) {
    for (const ReportInfo& report : allReports()) {
        if (flags[size_t(report.kind)] == 0) continue;
        return QString::fromStdString(tw::reportTitle(ctx.file, report.kind, startField));
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
