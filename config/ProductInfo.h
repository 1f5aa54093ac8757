#pragma once
// The program's build text and the maker's addresses on the web.

// The running build, as the version page on the update server names the newest one.
constexpr char kBuildText[] = "8.1, Build 01222014";
constexpr wchar_t kBuildTextWide[] = L"8.1, Build 01222014";

// The maker's home page (the about window's web button, the logo, the update check's Referer).
constexpr wchar_t kMakerSite[] = L"http://www.lumeo.example/";
// Where a newer build is downloaded (the update window's web button).
constexpr wchar_t kDownloadPage[] = L"http://www.lumeo.example/download.htm";
