#pragma once

#include <QToolButton>

namespace rmnra::ui {

// A flat toolbar button: its 24x24 picture above its caption, centred together as one block,
// white caption on the toolbar's colour; hovering and pressing only shade the background.
class ToolbarButton : public QToolButton {
    Q_OBJECT
public:
    explicit ToolbarButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    bool hovered_ = false;
};

} // namespace rmnra::ui
