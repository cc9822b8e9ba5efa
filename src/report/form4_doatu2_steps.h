#pragma once
// The steps of the load summary of report page 3: the table's offset and frame in
// form4_doatu2.cpp, its rows in form4_doatu2_rows.cpp. Internal to the section.

#include "report/report_context.h"

namespace pelzaro {

// How a cell that depends on the options is filled.
enum class Cell { Value, Dash, Blank };

// The vertical earth-pressure components: shown where they count in the moments.
Cell verticalComponentCell(const PageChoices& opt);
// The wall's own inertia in the self-weight row.
Cell selfWeightInertiaCell(const PageChoices& opt);
// The inertia of the back and centre surcharges.
Cell surchargeInertiaCell(const PageChoices& opt);

// Twips the table moves up (negative) under the earth-pressure variant above it.
int doatu2Offset(const PageChoices& opt);

// The cells of every row, the table's origin `o` twips below its written place.
void doatu2Rows(ReportContext& c, int o);

}  // namespace pelzaro
