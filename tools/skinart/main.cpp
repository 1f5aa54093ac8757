// skinart OUTPUT_FOLDER
// Paints the skin's bitmaps and the program icons into OUTPUT_FOLDER/art, the avatars into
// OUTPUT_FOLDER/avatars and the call sounds into OUTPUT_FOLDER/sound (the folders must exist).
#include "Art.h"
#include "ImageFiles.h"

#include <cstdio>
#include <string>

using namespace skinart;

namespace {

bool Report(bool written, const std::string& path)
{
    if (!written)
        std::fprintf(stderr, "skinart: cannot write %s\n", path.c_str());
    return written;
}

bool WriteImages(const std::string& folder, const std::vector<NamedImage>& images)
{
    bool ok = true;
    for (const auto& [file, image] : images)
        ok = Report(WriteBmp(folder + "/" + file, image), folder + "/" + file) && ok;
    return ok;
}

bool WriteIcons(const std::string& folder, const std::vector<NamedIcon>& icons)
{
    bool ok = true;
    for (const NamedIcon& icon : icons)
        ok = Report(WriteIco(folder + "/" + icon.file, icon.sizes), folder + "/" + icon.file) && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: skinart OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string root = argv[1];
    const std::string art = root + "/art";
    const std::string avatars = root + "/avatars";
    const std::string sound = root + "/sound";

    bool ok = WriteImages(art, PaintWindowBackgrounds());
    ok = WriteImages(art, PaintControlBitmaps()) && ok;
    ok = WriteIcons(art, PaintProgramIcons()) && ok;
    ok = WriteImages(avatars, PaintAvatarBitmaps()) && ok;
    ok = WriteIcons(avatars, PaintAvatarIcons()) && ok;
    for (const NamedSound& s : MakeCallSounds())
        ok = Report(WriteWav(sound + "/" + s.file, s.samples, kSoundRate), sound + "/" + s.file) && ok;
    return ok ? 0 : 1;
}
