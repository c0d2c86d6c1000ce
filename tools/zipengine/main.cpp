// zipengine: the installer's ZIP engine from the command line. Its arguments
// go to the engine as they are, and the engine's status is the exit code, so
// a product maker can list, test and extract an archive exactly as setup
// will, e.g.
//   zipengine -v setup.fil                  (the installer's listing)
//   zipengine -t setup.fil                  (test every member)
//   zipengine -qq setup.fil readme.txt -d C:\dest   (one member, as setup extracts)
#include "unzip/engine.h"

int main(int argc, char** argv) {
  static char name[] = "unzip";
  if (argc > 0) argv[0] = name;
  return UnzipMain(argc, argv);
}
