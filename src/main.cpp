#include "app/Startup.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    return tunbox::RunProgram(argc, argv, [] { return tunbox::CreateMainWindow(); });
}
