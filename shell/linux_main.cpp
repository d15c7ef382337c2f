// The entry point of vidomat, the calculator on GTK: the options, the settings folder,
// the calculator dialog and the loop that runs until the dialog's close posts the quit
// message.
#include "dialog/dialog_procedure.h"
#include "platform/gtk/gtk_platform.h"
#include "platform/posix/posix_file_system.h"
#include "shell/settings_folder.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void print_help() {
    std::printf(
        "Aufruf: vidomat [--help | --version]\n"
        "\n"
        "Berechnung von Video-Datenraten: aus Medium, L\xC3\xA4nge und Audio-Datenrate die\n"
        "Video-Datenrate, die das Medium f\xC3\xBCllt, und die resultierende Datenmenge.\n"
        "\n"
        "  --help     diese Hilfe zeigen und beenden\n"
        "  --version  die Version zeigen und beenden\n"
        "\n"
        "Die Einstellungen stehen in $XDG_CONFIG_HOME/vidomat/Vidomat.ini (ohne\n"
        "XDG_CONFIG_HOME in ~/.config/vidomat/Vidomat.ini); der Ordner wird beim ersten\n"
        "Speichern angelegt.\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        print_help();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vidomat %s\n", VIDOMAT_VERSION);
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr,
                     "vidomat: unbekannte Angabe \"%s\"\n"
                     "Aufruf: vidomat [--help | --version]\n",
                     argv[1]);
        return 2;
    }
    if (!gtk_platform_open()) {
        std::fprintf(stderr, "vidomat: keine grafische Anzeige erreichbar (DISPLAY ist nicht "
                             "gesetzt oder die Anzeige nimmt keine Verbindung an).\n");
        return 1;
    }
    // The folder is made when the file is first created.
    const std::string folder = settings_folder();
    if (folder.empty()) {
        std::fprintf(stderr, "vidomat: kein Ordner f\xC3\xBCr die Einstellungen (weder "
                             "XDG_CONFIG_HOME noch HOME ist gesetzt).\n");
        return 1;
    }
    posix_file_system_set_folder(folder.c_str());
    // Without the calculator dialog no window would ever end the loop.
    if (!start_calculator()) {
        return 1;
    }
    while (!gtk_platform_quit_posted()) {
        gtk_main_iteration();
    }
    return static_cast<int>(gtk_platform_exit_code());
}
