#include "gui/couple_list_window.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "gui/translated.h"

namespace tw::gui {

TMChooseRin::TMChooseRin(TamblewinApp&) {
    setObjectName(QStringLiteral("TMChooseRin"));
    setWindowTitle(TW_QTR("CoupleListWindow", "Marriage Choose Rin"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    auto* all = new QVBoxLayout(this);
    all->addWidget(ListBox1);
    resize(360, 420);
}

}  // namespace tw::gui
