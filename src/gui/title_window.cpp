#include "gui/title_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/build_info.h"
#include "gui/app_settings.h"
#include "gui/language_choice.h"
#include "gui/report_choice_window.h"
#include "gui/tamblewin_app.h"
#include "gui/translated.h"
#include "gui/tree_picture.h"

namespace tw::gui {

TTitleScreen::TTitleScreen(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TTitleScreen"));
    setWindowTitle(TW_QTR("TitleWindow", "Tamblewin V %1").arg(QLatin1String(kProgramVersion)));

    auto* title = new QLabel(productTitle(), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont());
    auto* text = new QLabel(
        TW_QTR("TitleWindow", "Prints unique genealogical lists and charts directly from your PAF 5 data file"), this);
    text->setObjectName(QStringLiteral("Label2"));
    text->setFont(questionFont());
    text->setWordWrap(true);
    auto* picture = new TreePicture(this);

    btnNext = makeButton(TW_QTR("Windows", "&Next"), "btnNext", this);
    btnExit = makeButton(TW_QTR("Windows", "E&xit"), "btnExit", this);
    btnNext->setDefault(true);
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });

    cbLanguage = new QComboBox(this);
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    for (const LanguageOption& option : languageOptions()) cbLanguage->addItem(option.name, option.code);
    cbLanguage->setCurrentIndex(std::max(0, cbLanguage->findData(loadLanguageChoice(*openSettings()))));
    connect(cbLanguage, &QComboBox::activated, this, [this] { languageChosen(); });
    auto* languageLabel = new QLabel(TW_QTR("TitleWindow", "&Language:"), this);
    languageLabel->setBuddy(cbLanguage);
    auto* languageNote = new QLabel(TW_QTR("TitleWindow", "(takes effect at the next start)"), this);
    languageNote->setObjectName(QStringLiteral("lblLanguageNote"));

    auto* words = new QVBoxLayout;
    words->addWidget(title);
    words->addSpacing(16);
    words->addWidget(text);
    words->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(words, 1);
    top->addWidget(picture);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(languageLabel);
    buttons->addWidget(cbLanguage);
    buttons->addWidget(languageNote);
    buttons->addStretch();
    buttons->addWidget(btnNext);
    buttons->addWidget(btnExit);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(24, 20, 24, 16);
    all->addLayout(top, 1);
    all->addLayout(buttons);

    fitToContents(this, QSize(600, 300));
    centreOnMonitor(this);
    btnNext->setFocus();
}

void TTitleScreen::btnNextClick() {
    WizardSettings& settings = app_.settings();
    hide();
    app_.chooseList().showModal();
    if (!settings.wentBack) {
        finish(Accepted);
    } else {
        show();
        activateWindow();
        traceShown(this);
    }
    settings.wentBack = false;
}

void TTitleScreen::btnExitClick() { finish(Rejected); }

void TTitleScreen::languageChosen() { saveLanguageChoice(*openSettings(), cbLanguage->currentData().toString()); }

}  // namespace tw::gui
