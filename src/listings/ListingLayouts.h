#pragma once

// The five printed layouts of the listings, each one table of bands and
// elements. Labels whose text the listing sets at run time are named.

#include "engines/report/ReportLayout.h"

namespace kovara::report {

Layout BordereauLayout();      // B2: bordereau (both variants)
Layout NewbornPayrollLayout(); // S1: payroll of newborn allowances
Layout LayettePayrollLayout(); // S4: payroll of layettes
Layout CentralizerLayout();    // C4: layette centralizer
Layout MinistryLayout();       // B3: monthly report for the labour ministry

} // namespace kovara::report
