#pragma once
// The picture on the title window: a small tree whose crown holds a few name boxes
// joined like a pedigree, drawn by the program itself at any size.

#include <QWidget>

namespace tw::gui {

class TreePicture : public QWidget {
public:
    explicit TreePicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {170, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tw::gui
