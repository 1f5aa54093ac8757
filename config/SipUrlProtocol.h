#pragma once
// Registers the running program as the handler of "sip" links under HKEY_CLASSES_ROOT: the
// keys sip, sip\DefaultIcon, sip\shell, sip\shell\open and sip\shell\open\command, written in
// that order. Start-up runs it on every start. Silent: the first key that cannot be created
// ends it and what was written stays (without administrator rights the writes may fail).
void RegisterSipUrlProtocol();
