#pragma once

#include "MessageSink.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace rmnra::ui {

// The box of an unexpected error: its message and an OK button, with the full report
// (error class, command, version, stack) behind "Detalhes".
class ErrorDialog : public QDialog {
    Q_OBJECT
public:
    ErrorDialog(const ErrorReportView& report, QWidget* parent = nullptr);

private:
    void toggleDetails();

    QPlainTextEdit* details_;
    QPushButton* detailsButton_;
};

} // namespace rmnra::ui
