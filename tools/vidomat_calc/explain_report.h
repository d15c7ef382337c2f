// The calculation step by step with exact integers and units, so that a user can check
// every step by hand: the budget from the max. data amount to the video rate, and the
// way back from the rates as shown to the resulting data amount.
#ifndef VIDOMAT_TOOLS_VIDOMAT_CALC_EXPLAIN_REPORT_H
#define VIDOMAT_TOOLS_VIDOMAT_CALC_EXPLAIN_REPORT_H

#include <string>

std::string explain_report(bool video_entered, bool fits);

#endif
