#include "gui/ui_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>

namespace tw::gui {

namespace {

// Message boxes belong to the window the user is working in.
QWidget* ownerFor(QWidget* parent) {
    if (parent != nullptr) return parent;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

}  // namespace

MessageKind messageKindFor(const QString& caption) {
    // A file that cannot be opened at all stops the user; what he can correct (a
    // start, a choice, damaged data to mend in the family file) is a warning.
    static const QStringList problems{QStringLiteral("Alert!")};
    static const QStringList warnings{QStringLiteral("Whoops"), QStringLiteral("Whoops!"), QStringLiteral("Note"),
                                      QStringLiteral("Multiple marriages"), QStringLiteral("Error"),
                                      QStringLiteral("Bad"), QStringLiteral("Problem!"), QStringLiteral("Abort"),
                                      QStringLiteral("Fonts")};
    if (problems.contains(caption)) return MessageKind::Problem;
    if (warnings.contains(caption)) return MessageKind::Warning;
    return MessageKind::Information;
}

void QtUiDialogs::message(QWidget* parent, const QString& text, const QString& caption) {
    const MessageKind kind = messageKindFor(caption);
    const QMessageBox::Icon icon = kind == MessageKind::Problem   ? QMessageBox::Critical
                                   : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                  : QMessageBox::Information;
    QMessageBox box(icon, caption, text, QMessageBox::Ok, ownerFor(parent));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> QtUiDialogs::openDataFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(ownerFor(parent), QStringLiteral("Open"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Family files (*.paf *.ged *.gedcom)"), QStringLiteral("PAF 5 data files (*.paf)"),
                            QStringLiteral("GEDCOM files (*.ged *.gedcom)"),
                            QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("paf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUiDialogs::savePdfFile(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(ownerFor(parent), QStringLiteral("Print to PDF file"), suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtUiDialogs::printerSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, ownerFor(parent));
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tw::gui
