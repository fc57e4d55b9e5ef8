#include "ui/ConverterApp.h"

int main(int argc, char** argv) {
    return tonvexa::RunConverterApp(argc, argv);
}
