#include "NubiloHost.h"

int main(int argc, char** argv) {
  NubiloHost host;
  return host.Run(argc, argv);
}
