#pragma once

#include <QApplication>

namespace rmnra::ui {

// The application object: an error that leaves any event handler is reported here and the
// program goes back to its loop.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace rmnra::ui
