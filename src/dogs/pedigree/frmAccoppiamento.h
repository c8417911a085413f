#pragma once

#include "kennel/PedigreeTree.h"

#include <QDialog>

#include <optional>

struct AppContext;
class QComboBox;

// The test mating's choice: a male and a female among the archive's cards,
// each from the list of its sex, where each card shows its breed and year of
// birth beside its name so that namesakes can be told apart.
class frmAccoppiamento : public QDialog
{
    Q_OBJECT

public:
    struct Pair
    {
        Pedigree::Breeder male;
        Pedigree::Breeder female;
    };

    frmAccoppiamento(AppContext &context, QWidget *owner, Pedigree::Breeders breeders);

    /// Asks for the pair over owner: the male's and the female's cards, or
    /// nothing when the user cancels or the archive cannot be read (its
    /// message shown) or holds no pair to choose from.
    static std::optional<Pair> choose(AppContext &context, QWidget *owner);

private:
    Pedigree::Breeders m_breeders;
    QComboBox *cboMaschio;
    QComboBox *cboFemmina;
};
