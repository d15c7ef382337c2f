#include "tools/vidomat_calc/calc_options.h"

#include <iterator>

namespace {

struct ValueOption {
    const char* name;
    std::optional<std::string> CalcOptions::*value;
};

const ValueOption value_options[] = {
    {"--format", &CalcOptions::format},
    {"--medium", &CalcOptions::medium},
    {"--max-size", &CalcOptions::max_size},
    {"--frames", &CalcOptions::frames},
    {"--time", &CalcOptions::time},
    {"--reserve", &CalcOptions::reserve},
    {"--margin", &CalcOptions::margin},
    {"--video", &CalcOptions::video},
    {"--video-unit", &CalcOptions::video_unit},
    {"--result-unit", &CalcOptions::result_unit},
    {"--settings", &CalcOptions::settings},
};

CalcError usage(const std::string& problem) {
    return CalcError{status_usage, problem + " (vidomat-calc --help zeigt alle Optionen)"};
}

// Sets an output option; false when another one is set already.
bool set_output(CalcOptions& options, CalcOutput output) {
    if (options.output != output_fields && options.output != output) {
        return false;
    }
    options.output = output;
    return true;
}

} // namespace

CalcError parse_options(int argc, const char* const* argv, CalcOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const bool attached = equals != std::string::npos && argument.compare(0, 2, "--") == 0;
        if (!attached && (name == "--json" || name == "--explain")) {
            if (!set_output(options, name == "--json" ? output_json : output_explain)) {
                return usage("--json und --explain schließen einander aus");
            }
            continue;
        }
        if (!attached && (name == "--help" || name == "--version")) {
            (name == "--help" ? options.help : options.version) = true;
            continue;
        }
        const ValueOption* option = nullptr;
        for (const ValueOption& candidate : value_options) {
            option = name == candidate.name ? &candidate : option;
        }
        if (option == nullptr && name != "--audio") {
            return usage(argument.compare(0, 1, "-") == 0
                             ? "unbekannte Option „" + argument + "“"
                             : "unerwartetes Argument „" + argument + "“");
        }
        if (!attached && i + 1 >= argc) {
            return usage("zu " + name + " fehlt der Wert");
        }
        const std::string value = attached ? argument.substr(equals + 1) : argv[++i];
        if (option == nullptr) {
            options.audio.push_back(value);
        } else if ((options.*option->value).has_value()) {
            return usage(name + " ist mehrfach angegeben");
        } else {
            options.*option->value = value;
        }
    }
    if (options.frames && options.time) {
        return usage("--frames und --time schließen einander aus");
    }
    return no_error();
}
