#include "TitleBar.h"

#include "Colours.h"

namespace rmnra::ui {

QLabel* makeTitleBar(const QString& caption, QWidget* parent) {
    auto* bar = new QLabel(caption, parent);
    bar->setAlignment(Qt::AlignCenter);
    bar->setAutoFillBackground(true);
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, kNavy);
    p.setColor(QPalette::WindowText, Qt::white);
    bar->setPalette(p);
    bar->setFont(arialFont(8, true));
    return bar;
}

QFont arialFont(int pointSize, bool bold) {
    QFont f(QStringLiteral("Arial"), pointSize, bold ? QFont::Bold : QFont::Normal);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace rmnra::ui
