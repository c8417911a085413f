#pragma once

#include "pedigree/PedigreeTree.h"

#include <QDialog>

#include <optional>
#include <utility>

struct AppContext;
class QComboBox;

// The test mating's choice: a male and a female among the archive's cards,
// each from the list of its sex.
class frmAccoppiamento : public QDialog
{
    Q_OBJECT

public:
    frmAccoppiamento(AppContext &context, QWidget *owner, const Pedigree::Breeders &breeders);

    /// Asks for the pair over owner: the male's and the female's names, or
    /// nothing when the user cancels or the archive cannot be read (its
    /// message shown) or holds no pair to choose from.
    static std::optional<std::pair<QString, QString>> choose(AppContext &context, QWidget *owner);

private:
    QComboBox *cboMaschio;
    QComboBox *cboFemmina;
};
