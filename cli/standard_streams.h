// The few ways in which standard input and output differ between platforms.
#pragma once

// Bytes pass through unchanged: no CRLF translation, no end of input at Ctrl-Z.
void UseBinaryStandardStreams();

bool StandardOutputIsTerminal();
