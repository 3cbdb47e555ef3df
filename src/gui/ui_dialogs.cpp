#include "gui/ui_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <algorithm>
#include <initializer_list>
#include <utility>

#include "gui/translated.h"

namespace tw::gui {

namespace {

// Message boxes belong to the window the user is working in.
QWidget* ownerFor(QWidget* parent) {
    if (parent != nullptr) return parent;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

}  // namespace

QString shownCaption(const QString& caption) {
    const std::pair<const char*, QString> captions[] = {
        {"Alert!", TW_QTR("Windows", "Alert!")},
        {"Whoops", TW_QTR("Windows", "Whoops")},
        {"Whoops!", TW_QTR("Windows", "Whoops!")},
        {"Note", TW_QTR("Windows", "Note")},
        {"Notice", TW_QTR("Windows", "Notice")},
        {"Multiple marriages", TW_QTR("Windows", "Multiple marriages")},
        {"Error", TW_QTR("Windows", "Error")},
        {"Bad", TW_QTR("Windows", "Bad")},
        {"Problem!", TW_QTR("Windows", "Problem!")},
        {"Abort", TW_QTR("Windows", "Abort")},
        {"Fonts", TW_QTR("Windows", "Fonts")},
        {"GEDCOM import", TW_QTR("Windows", "GEDCOM import")},
    };
    for (const auto& [english, shown] : captions)
        if (caption == QLatin1String(english)) return shown;
    return caption;
}

MessageKind messageKindFor(const QString& caption) {
    // A file that cannot be opened at all stops the user; what he can correct (a
    // start, a choice, damaged data to mend in the family file) is a warning.
    const auto among = [&caption](std::initializer_list<const char*> captions) {
        return std::any_of(captions.begin(), captions.end(), [&caption](const char* english) {
            return caption == QLatin1String(english) || caption == shownCaption(QLatin1String(english));
        });
    };
    if (among({"Alert!"})) return MessageKind::Problem;
    if (among({"Whoops", "Whoops!", "Note", "Multiple marriages", "Error", "Bad", "Problem!", "Abort", "Fonts"}))
        return MessageKind::Warning;
    return MessageKind::Information;
}

void QtUiDialogs::message(QWidget* parent, const QString& text, const QString& caption) {
    const MessageKind kind = messageKindFor(caption);
    const QMessageBox::Icon icon = kind == MessageKind::Problem   ? QMessageBox::Critical
                                   : kind == MessageKind::Warning ? QMessageBox::Warning
                                                                  : QMessageBox::Information;
    QMessageBox box(icon, shownCaption(caption), text, QMessageBox::Ok, ownerFor(parent));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> QtUiDialogs::openDataFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(ownerFor(parent), TW_QTR("DataFileWindow", "Open"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({TW_QTR("DataFileWindow", "Family files") + QStringLiteral(" (*.paf *.ged *.gedcom)"),
                            TW_QTR("DataFileWindow", "PAF 5 data files") + QStringLiteral(" (*.paf)"),
                            TW_QTR("DataFileWindow", "GEDCOM files") + QStringLiteral(" (*.ged *.gedcom)"),
                            TW_QTR("Windows", "All files") + QStringLiteral(" (*)")});
    dialog.setDefaultSuffix(QStringLiteral("paf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUiDialogs::savePdfFile(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(ownerFor(parent), TW_QTR("PrintWindow", "Print to PDF file"), suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(TW_QTR("PrintWindow", "PDF files") + QStringLiteral(" (*.pdf)"));
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
