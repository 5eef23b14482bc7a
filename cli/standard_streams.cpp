#include "standard_streams.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

void UseBinaryStandardStreams()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

bool StandardOutputIsTerminal() { return _isatty(_fileno(stdout)) != 0; }
#else
#include <unistd.h>

void UseBinaryStandardStreams() {}

bool StandardOutputIsTerminal() { return isatty(fileno(stdout)) != 0; }
#endif
