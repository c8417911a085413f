#pragma once

#include "kennel/Inbreeding.h"
#include "kennel/PedigreeTree.h"

#include <QDialog>

#include <vector>

struct AppContext;
class PedigreeChart;
class QLabel;
class QPushButton;
class QTableWidget;

// The pedigree of a dog over five generations, with its coefficient of
// inbreeding, its distinct ancestors and how complete it is, and the
// repeated ancestors beside the chart.
// A linked box shows that dog's pedigree, Indietro the one before; a test
// mating shows the pedigree of the puppies a male and a female would have.
// The window reads the dog archive and never writes it.
class frmPedigree : public QDialog
{
    Q_OBJECT

public:
    frmPedigree(AppContext &context, QWidget *card);

    /// Shows the window over card, modally, with the dog's pedigree; when
    /// the archive cannot be read, only its message.
    static void open(AppContext &context, QWidget *card, const Pedigree::Root &dog);

private:
    // A pedigree as shown: its dog (or litter), its title, the name proposed
    // for its PDF file and what the PDF's closing question calls it.
    struct Subject
    {
        Pedigree::Root root;
        QString title;
        QString pdfName;
        QString exported;
    };

    /// The dog as its card shows it, saved or not.
    static Subject dogShown(const Pedigree::Root &root);

    /// Reads the archive and shows subject, the one shown before going into
    /// the history; false, with the message shown, when it could not be read.
    bool showSubject(const Subject &subject, bool keepHistory = true);
    void followCard(qint64 position);
    void cmdIndietroClick();
    void cmdStampaClick();
    void cmdPdfClick();
    void cmdAccoppiamentoClick();

    AppContext &m_context;
    std::vector<Subject> m_history;
    Subject m_shown;
    Pedigree::Tree m_tree;
    Pedigree::Coefficients m_coefficients;

    QLabel *lblTitolo;
    PedigreeChart *grafPedigree;
    QLabel *lblConsanguineita;
    QLabel *lblAntenatiDiversi;
    QLabel *lblCompletezza;
    QTableWidget *tblAntenatiRipetuti;
    QLabel *lblAvvisi;
    QPushButton *cmdIndietro;
    QPushButton *cmdStampa;
    QPushButton *cmdPdf;
    QPushButton *cmdAccoppiamento;
    QPushButton *cmdChiudi;
};
