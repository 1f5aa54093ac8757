#pragma once
// What the application start and the thread start share inside the framework.
class CWinThread;

// Makes `thread` the calling thread's thread object (AfxGetThread).
void AfxSetThreadObject(CWinThread* thread);
// Frees the calling thread's temporary wrappers, ends its OLE use and clears its thread
// object: the last step of a framework thread.
void AfxEndThreadState();
// Ends OLE on the calling thread when AfxOleInit started it there.
void AfxOleTermThread();
