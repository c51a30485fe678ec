#pragma once

#include "registration/RegistrationStore.h"

#include <QFrame>
#include <map>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace rmnra::ui {

// PainelConfigLivro: the pharmacy's registration data. Leaving stores what changed; a
// refused store keeps the panel open with the user's values so they can correct them.
class RegistrationPanel : public QFrame {
    Q_OBJECT
public:
    explicit RegistrationPanel(QWidget* parent = nullptr);

    void setStore(RegistrationStore* store) { store_ = store; }

    // Reads the row of cnpj, shows the panel and focuses the first field.
    void open(const std::string& cnpj);
    // The exit button: stores a change and hides the panel; on refusal stays open.
    void leave();
    // Esc: as the exit button, except that after a refusal it offers to discard the change.
    void escape();

    QLineEdit* field(const char* column) const;
    QComboBox* monthList() const { return mes_; }
    QComboBox* yearList() const { return exercicio_; }
    QLineEdit* cnpjField() const { return cgc_; }
    QPushButton* exitButton() const { return exit_; }

signals:
    // The exit button was pressed (with the mouse, Space or Enter).
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addEdit(const char* column, const QString& label, int x, int y, int w, int max);
    QComboBox* addList(const char* column, const QString& label, int x, int y, int w,
                       const QStringList& items);
    void show(const RegistrationValues& values);
    RegistrationValues current() const;
    void hidePanel();

    RegistrationStore* store_ = nullptr;
    std::map<std::string, QLineEdit*> edits_;
    QComboBox* mes_ = nullptr;
    QComboBox* exercicio_ = nullptr;
    QLineEdit* cgc_ = nullptr;
    QPushButton* exit_ = nullptr;
    RegistrationValues read_;
    bool refused_ = false;
};

} // namespace rmnra::ui
