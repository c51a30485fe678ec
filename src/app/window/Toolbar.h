#pragma once

#include <QFrame>

class QToolButton;

namespace rmnra::ui {

// pnlTopo: the toolbar, four flat buttons with a 24x24 picture above a white bold caption.
class Toolbar : public QFrame {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    QToolButton* btnConfCad() const { return btnConfCad_; }
    QToolButton* btnPrepararLivro() const { return btnPrepararLivro_; }
    QToolButton* btnInconsistencias() const { return btnInconsistencias_; }
    QToolButton* btnSair() const { return btnSair_; }

    static constexpr int kHeight = 68;

private:
    QToolButton* addButton(const char* name, int left, int width, const QString& caption,
                           const QString& icon);

    QToolButton* btnConfCad_;
    QToolButton* btnPrepararLivro_;
    QToolButton* btnInconsistencias_;
    QToolButton* btnSair_;
};

} // namespace rmnra::ui
