#include "app/Application.h"

int main(int argc, char** argv) {
    return kvd::gui::RunProgram(argc, argv);
}
