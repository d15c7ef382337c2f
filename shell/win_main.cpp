// The entry point of vidomat.exe.
#include "shell/application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return run_application(instance);
}
