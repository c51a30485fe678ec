#pragma once

#include <QWidget>

namespace rmnra::ui {

// Termometro: a pie-shaped gauge that fills navy with the share of its maximum and shows
// the percentage in bold figures.
class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);

    void setMaximum(int maximum);
    void setProgress(int progress);
    int maximum() const { return maximum_; }
    int progress() const { return progress_; }
    // Whole percent shown, from 0 to 100.
    int percentDone() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int maximum_ = 100;
    int progress_ = 0;
};

} // namespace rmnra::ui
