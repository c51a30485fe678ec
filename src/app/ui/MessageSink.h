#pragma once

#include <QString>

class QWidget;

namespace rmnra::ui {

struct ErrorReportView {
    QString message;
    QString details;
};

// Every box the window opens goes through a sink, so tests can record messages instead of
// blocking on a modal box.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A plain information box with an OK button.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A yes/no question; true for yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // An unexpected error: its message, with the report behind a "Detalhes" button.
    virtual void error(QWidget* parent, const ErrorReportView& report) = 0;
};

// The sink in use; the modal boxes unless a test installed another one.
MessageSink& messageSink();
// Installs a sink (not owned); nullptr restores the modal boxes.
void setMessageSink(MessageSink* sink);

// The application title, used as the caption of the boxes.
QString applicationTitle();

} // namespace rmnra::ui
