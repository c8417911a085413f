#pragma once

#include <QWidget>

struct AppContext;
class QLineEdit;
class QPushButton;

// The change-password window: the old password, the new one and its
// confirmation. It hands back to the password window whenever it closes.
class frmCambiaPassword : public QWidget
{
    Q_OBJECT

public:
    explicit frmCambiaPassword(AppContext &context);

    void cmdOKClick();

Q_SIGNALS:
    /// Closed after a change or by "Chiudi".
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followText();
    /// Empties the new password and its confirmation, focus in the first.
    void askNewPasswordAgain();

    AppContext &m_context;
    QLineEdit *m_txtPasswordOld;
    QLineEdit *m_txtPasswordNew;
    QLineEdit *m_txtConferma;
    QPushButton *m_cmdOK;
};
