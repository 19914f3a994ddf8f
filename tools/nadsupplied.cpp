// nadsupplied: writes the supplied annex files from their records.
//
//   nadsupplied <folder>
//
// Writes Standard.NAD and Deutschland.NAD into the folder (data/NAD of the
// source tree when the records or the writer changed), each replacing its old
// file only when complete. Exit code 0 when both were written, 1 when one
// could not be (named on standard error), 2 for a wrong command line.
#include <cstdio>

#include "nad/nadsupplied.h"

int main(int argc, char** argv)
{
    if (argc != 2 || !argv[1][0]) {
        std::fprintf(stderr, "usage: nadsupplied <folder>\n");
        return 2;
    }
    return Nad_Write_Supplied(argv[1]) ? 0 : 1;
}
