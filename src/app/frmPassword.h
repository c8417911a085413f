#pragma once

#include <QWidget>

struct AppContext;
class QLineEdit;
class QPushButton;

// The access-password window, the application's main window and the first
// one shown. The password typed is checked against the settings file, read
// afresh at every attempt.
class frmPassword : public QWidget
{
    Q_OBJECT

public:
    explicit frmPassword(AppContext &context);

    /// Back from the change-password window: shown again with an empty box
    /// that has the focus.
    void showEmpty();

    void cmdOKClick();

Q_SIGNALS:
    /// The password matched: the main menu takes over.
    void accepted();
    void changeRequested();
    /// "Esci": the application ends.
    void exitRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool hasPassword() const;
    void followText();
    void cmdEsciClick();

    AppContext &m_context;
    QLineEdit *m_txtPassword;
    QPushButton *m_cmdOK;
};
