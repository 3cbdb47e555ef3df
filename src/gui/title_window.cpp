#include "gui/title_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/build_info.h"
#include "gui/report_choice_window.h"
#include "gui/tamblewin_app.h"
#include "gui/tree_picture.h"

namespace tw::gui {

TTitleScreen::TTitleScreen(TamblewinApp& app) : app_(app) {
    setObjectName(QStringLiteral("TTitleScreen"));
    setWindowTitle(QStringLiteral("Tamblewin V ") + QLatin1String(kProgramVersion));

    auto* title = new QLabel(kProductTitle, this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(productTitleFont());
    auto* text = new QLabel(
        QStringLiteral("Prints unique genealogical lists and charts directly from your PAF 5 data file"), this);
    text->setObjectName(QStringLiteral("Label2"));
    text->setFont(questionFont());
    text->setWordWrap(true);
    auto* picture = new TreePicture(this);

    btnNext = makeButton(QStringLiteral("&Next"), "btnNext", this);
    btnExit = makeButton(QStringLiteral("E&xit"), "btnExit", this);
    btnNext->setDefault(true);
    connect(btnNext, &QPushButton::clicked, this, [this] { btnNextClick(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });

    auto* words = new QVBoxLayout;
    words->addWidget(title);
    words->addSpacing(16);
    words->addWidget(text);
    words->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(words, 1);
    top->addWidget(picture);
    auto* buttons = new QHBoxLayout;
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

}  // namespace tw::gui
