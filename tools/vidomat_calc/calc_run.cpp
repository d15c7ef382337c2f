#include "tools/vidomat_calc/calc_run.h"

#include "tools/vidomat_calc/calc_actions.h"
#include "tools/vidomat_calc/calc_options.h"
#include "tools/vidomat_calc/calc_reports.h"
#include "tools/vidomat_calc/calculator_start.h"
#include "tools/vidomat_calc/explain_report.h"
#include "tools/vidomat_calc/help_text.h"

#include <string>

namespace {

int fail(const CalcError& error, std::FILE* err) {
    std::fprintf(err, "vidomat-calc: %s\n", error.message.c_str());
    return error.status;
}

void print(const std::string& text, std::FILE* out) {
    std::fwrite(text.data(), 1, text.size(), out);
}

} // namespace

int run_calc(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
    CalcOptions options;
    CalcError error = parse_options(argc, argv, options);
    if (failed(error)) {
        return fail(error, err);
    }
    if (options.help || options.version) {
        print(options.help ? calc_help_text : calc_version_text, out);
        return status_fits;
    }
    error = start_with_settings(options.settings);
    if (!failed(error)) {
        error = play_options(options);
    }
    if (failed(error)) {
        return fail(error, err);
    }
    const bool video_entered = options.video.has_value();
    const bool fits = calculation_fits(video_entered);
    if (options.output == output_json) {
        print(json_report(fits), out);
    } else if (options.output == output_explain) {
        print(explain_report(video_entered, fits), out);
    } else {
        print(fields_report(), out);
    }
    if (std::fflush(out) != 0 || std::ferror(out) != 0) {
        // Neither "fits" nor "does not fit" may stand for output that never arrived.
        return fail(CalcError{status_output_failed, "die Ausgabe konnte nicht geschrieben werden"},
                    err);
    }
    return fits ? status_fits : status_does_not_fit;
}
