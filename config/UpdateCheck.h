#pragma once
// The update check's conversation with the update server: one GET of the version page, whose
// text names the newest build, and the comparison with the running build. Used by the update
// worker on its own thread: nothing here touches a window or shared state.
#include "framework/String.h"

#include <string>

// The version page, on the update server.
constexpr wchar_t kVersionPage[] = L"/lumeo.htm";
// No more of the page than this is read.
constexpr unsigned kVersionPageLimit = 6143;
// How long a connection to the server may take, and a reply after it.
constexpr unsigned long kUpdateTimeoutMs = 5000;
// The environment value that names another update server: "host", "host:port" or
// "[IPv6 address]:port".
constexpr wchar_t kUpdateServerVariable[] = L"LUMEO_UPDATE_SERVER";

struct UpdateServer {
    CString host;
    unsigned short port = 80;
};

// The server named by LUMEO_UPDATE_SERVER when it is set and not empty (a port outside
// 1..65535 or not a number gives 80), else the maker's update server on port 80.
UpdateServer GetUpdateServer();
// Reads a server as LUMEO_UPDATE_SERVER names it; an empty text gives the maker's server.
UpdateServer ParseUpdateServer(const CString& text);

// Fetches the version page. true, with `body` holding the page up to its first zero byte (at
// most kVersionPageLimit bytes), only when the server answered 200 with a body that is not
// empty. Any failure (no connection within the time-out, a refusal, another status, an empty
// body) gives false and leaves `body` alone.
bool FetchVersionPage(const UpdateServer& server, std::string& body);

// The build a version page names: its text without trailing blanks and line ends.
std::string VersionOfPage(const std::string& body);
// Whether `version` names a build other than the running one (letter case does not count).
bool IsOtherBuild(const std::string& version);
