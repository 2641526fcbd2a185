// kelvaro-persons: the persons archive on the command line.
//
//   kelvaro-persons [--archive FILE] list [TEXT] [--tsv]
//   kelvaro-persons [--archive FILE] show ID
//   kelvaro-persons [--archive FILE] add --name=… … --place=…
//   kelvaro-persons [--archive FILE] remove ID
//   kelvaro-persons [--archive FILE] import FILE.aaf
//   kelvaro-persons [--archive FILE] export [TEXT] OUT.aaf [--utf8]
#include <iostream>

#include "cli/persons_commands.h"
#include "cli/standard_streams.h"

int main(int argc, char** argv) {
  using namespace kelvaro::cli;
  useStandardStreamsAsBytes();
  return runPersons(utf8Arguments(argc, argv), std::cout, std::cerr);
}
