#pragma once

#include <QFrame>
#include <string>
#include <vector>

class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace rmnra::ui {

// pnl1: the last inconsistency report in an editable text box (edits are never saved),
// with the prescribed-capsule correction on the box's popup menu pm2.
class InconsistencyPanel : public QFrame {
    Q_OBJECT
public:
    explicit InconsistencyPanel(QWidget* parent = nullptr);

    // Loads the lines, places the panel in the work area, shows it and focuses the text.
    void showReport(const std::vector<std::string>& lines);

    QPlainTextEdit* textBox() const { return mmo1_; }
    QMenu* popupMenu() const { return pm2_; }
    QAction* correctionItem() const { return correction_; }
    QPushButton* closeButton() const { return btn2_; }

signals:
    void correctionRequested();

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QWidget* pnl2_;
    QPlainTextEdit* mmo1_;
    QPushButton* btn2_;
    QMenu* pm2_;
    QAction* correction_;
};

} // namespace rmnra::ui
