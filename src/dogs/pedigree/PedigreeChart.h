#pragma once

#include "kennel/PedigreeTree.h"

#include <QLabel>
#include <QWidget>

#include <array>

// One box of the chart, named "box<N>" after its number in the tree: the
// name in bold and the card's details below, a sire's box framed square in
// blue with "♂", a dam's dashed in rose with "♀". A long name takes two
// lines before it is cut; the deeper generations' boxes are small: they
// show the lines that fit, each cut to the width, and the whole box in
// their tooltip. A linked box is clicked to follow it.
class AncestorBox : public QLabel
{
    Q_OBJECT

public:
    AncestorBox(int number, QWidget *parent);
    void showBox(const Pedigree::Box &box);

Q_SIGNALS:
    void clicked(int number);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    /// Shows the lines that fit the box as it is now.
    void fitLines();

    int m_number;
    bool m_linked = false;
    QStringList m_lines;
};

// The classic pedigree chart: generations as columns from the dog on the
// left to its great-great-grandparents on the right, the sire's line above
// the dam's, every box as tall as the boxes it leads to. Its text grows with
// it on larger screens.
class PedigreeChart : public QWidget
{
    Q_OBJECT

public:
    explicit PedigreeChart(QWidget *parent = nullptr);
    void showTree(const Pedigree::Tree &tree);

Q_SIGNALS:
    /// A linked box was clicked: the card at position is to be shown.
    void cardChosen(qint64 position);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    qreal m_basePointSize;
    std::array<AncestorBox *, Pedigree::boxCount> m_boxes {};
    Pedigree::Tree m_tree;
};
