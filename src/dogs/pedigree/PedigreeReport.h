#pragma once

#include "kennel/Inbreeding.h"
#include "kennel/PedigreeTree.h"
#include "report/ReportTemplate.h"

// The pedigree on one A4 landscape page: the title, the chart as on screen
// (boxes as rectangles, the sire's line above the dam's, the sex told by its
// sign and its fill), then the coefficients, the repeated ancestors and the
// warnings.
Report::ReportTemplate pedigreeReport(
    const QString &title, const Pedigree::Tree &tree, const Pedigree::Coefficients &coefficients);
