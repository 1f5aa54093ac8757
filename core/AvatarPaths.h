#pragma once
// Contacts keep an avatar icon path; the windows draw the bitmap of the same face, and back.
#include <string>
#include <string_view>

// The number of avatar faces (face01 .. face015).
constexpr int kAvatarFaces = 15;

// N when the file name after the last "\" of `path` is "face0" + N + `extension` (N 1..15 in
// decimal, any letter case); 0 for anything else, and for a path without a "\".
int AvatarFaceIndex(std::string_view path, std::string_view extension);
// "<folder>\face0N.ico" (N 1..15, any letter case) -> "<folder>\face0N.bmp"; anything else ->
// the program's default avatar "<program folder>\Skins\Lumeo\avatars\face01.bmp".
std::string GetAvatarBitmapPath(std::string_view iconPath);
// The same with ".bmp" and ".ico" exchanged (default face01.ico).
std::string GetAvatarIconPath(std::string_view bitmapPath);
