#pragma once
// Registers the running program as the handler of "sip" links under HKEY_CLASSES_ROOT: the
// keys sip, sip\DefaultIcon, sip\shell, sip\shell\open and sip\shell\open\command, written in
// that order; the command is the quoted program path, a blank and "%1" in quotes. Start-up
// runs it on every start, the general settings page on every save. Silent: the first key that
// cannot be created ends it and what was written stays (without administrator rights the
// writes may fail).
#include <string>

void RegisterSipUrlProtocol();

// The open command for a program at `programPath`: the path quoted, a blank, "%1" in quotes.
std::string SipOpenCommand(const std::string& programPath);
