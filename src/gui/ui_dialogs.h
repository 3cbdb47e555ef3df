#pragma once
// The dialogs the windows open besides their own: message boxes, the file dialogs
// and the printer's page set-up. The windows reach them through this interface, so
// that tests can answer them without anyone at the screen; the program uses
// QtUiDialogs, which shows the standard Qt dialogs modally.

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace tw::gui {

// The icon of a message box, from its caption: the program's messages keep the
// captions they always had ("Alert!", "Whoops", "Notice", ...), in English or in the
// language in use.
enum class MessageKind { Problem, Warning, Information };
MessageKind messageKindFor(const QString& caption);
// A message's caption as its box shows it: the program's own captions in the
// language in use, any other as it is.
QString shownCaption(const QString& caption);

class UiDialogs {
public:
    virtual ~UiDialogs() = default;

    // A modal message box with one OK button.
    virtual void message(QWidget* parent, const QString& text, const QString& caption) = 0;
    // An existing PAF 5 data file chosen by the user, starting in folder; none when
    // the user cancelled.
    virtual std::optional<QString> openDataFile(QWidget* parent, const QString& folder) = 0;
    // A PDF file to print into; none when the user cancelled.
    virtual std::optional<QString> savePdfFile(QWidget* parent, const QString& suggested) = 0;
    // The printer's paper and orientation; true when the user confirmed a change.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
};

class QtUiDialogs : public UiDialogs {
public:
    void message(QWidget* parent, const QString& text, const QString& caption) override;
    std::optional<QString> openDataFile(QWidget* parent, const QString& folder) override;
    std::optional<QString> savePdfFile(QWidget* parent, const QString& suggested) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
};

}  // namespace tw::gui
