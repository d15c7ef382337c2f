// vidomat-calc: the calculator for scripts. Plays the options as a user's actions on the
// in-memory calculator dialog and prints what the dialog shows.
#include "tools/vidomat_calc/calc_actions.h"
#include "tools/vidomat_calc/calc_options.h"
#include "tools/vidomat_calc/calc_reports.h"
#include "tools/vidomat_calc/calculator_start.h"
#include "tools/vidomat_calc/explain_report.h"
#include "tools/vidomat_calc/help_text.h"

#include <cstdio>
#include <string>

namespace {

int fail(const CalcError& error) {
    std::fprintf(stderr, "vidomat-calc: %s\n", error.message.c_str());
    return error.status;
}

void print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    CalcOptions options;
    CalcError error = parse_options(argc, argv, options);
    if (failed(error)) {
        return fail(error);
    }
    if (options.help || options.version) {
        print(options.help ? calc_help_text : calc_version_text);
        return status_fits;
    }
    error = start_with_settings(options.settings);
    if (!failed(error)) {
        error = play_options(options);
    }
    if (failed(error)) {
        return fail(error);
    }
    const bool video_entered = options.video.has_value();
    const bool fits = calculation_fits(video_entered);
    if (options.output == output_json) {
        print(json_report(fits));
    } else if (options.output == output_explain) {
        print(explain_report(video_entered, fits));
    } else {
        print(fields_report());
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        // Neither "fits" nor "does not fit" may stand for output that never arrived.
        return fail(CalcError{status_output_failed, "die Ausgabe konnte nicht geschrieben werden"});
    }
    return fits ? status_fits : status_does_not_fit;
}
