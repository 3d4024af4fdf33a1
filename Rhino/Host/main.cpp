#include "NubiloHost.h"

#include <malloc.h>

int main(int argc, char** argv)
{
  // Mesh operations allocate and free arrays of hundreds of megabytes, several per command; by
  // default the C library maps each afresh and the kernel zeroes every page again (a third of a
  // 2M-face smoothing pass). Kept in the heap, freed memory is reused instead.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
  NubiloHost host;
  return host.Run(argc, argv);
}
