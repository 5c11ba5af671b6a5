#include "app/befehlszeile.h"

int main(int argc, char* argv[]) { return Starte(argc, argv); }
