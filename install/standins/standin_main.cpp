// A stand-in for a program that lies outside this tree or is not built yet: it
// says what it stands for and ends with exit code 0. Its text comes from the build
// (standin_text.h), so one source serves every stand-in program.
#include <cstdio>

#include "standin_text.h"

int main()
{
    std::puts(QOR_STANDIN_TEXT);
    return 0;
}
