#pragma once
// The running Windows version, as the call page needs it.

// True when the major version GetVersionExW reports is 6 (Vista) or more.
bool IsVistaOrLater();
