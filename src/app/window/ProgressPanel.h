#pragma once

#include <QFrame>

class QLabel;

namespace rmnra::ui {

class Gauge;

// PainelTermometro: the progress panel of long commands, a "Progresso" caption bar, the
// gauge Termometro and the centred label Label1. Hidden until a command places and shows it.
class ProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    Gauge* gauge() const { return gauge_; }
    QLabel* label() const { return label_; }

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    QLabel* title_;
    Gauge* gauge_;
    QLabel* label_;
};

} // namespace rmnra::ui
