#pragma once

#include "help/HelpPages.h"

#include <QDialog>

struct AppContext;
class QLabel;
class QPlainTextEdit;

// The help window: one help page, its title above its paragraphs, and a link
// to the whole manual "Guida.pdf" of the program folder.
class frmGuida : public QDialog
{
    Q_OBJECT

public:
    frmGuida(AppContext &context, QWidget *owner);

    void showPage(const HelpText &page);

private:
    void openManual();

    AppContext &m_context;
    QLabel *m_lblTitolo;
    QPlainTextEdit *m_txtGuida;
};
