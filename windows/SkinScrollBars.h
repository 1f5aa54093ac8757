#pragma once
// The program skin's scroll-bar images, as the contacts and history pages dress their bars.
#include "framework/String.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/controls/ScrollBarEx.h"

// The length of the arrow button at each end of the ScrollBar_*.bmp track images.
constexpr int kScrollArrowLength = 19;

// A bar's image files in the order normal, highlight, selected, disabled.
struct SkinScrollBarFiles {
    LPCWSTR track[4];
    LPCWSTR thumb[4];
};
constexpr SkinScrollBarFiles kHorzScrollBarFiles = {
    {L"HScrollBar_N.bmp", L"HScrollBar_H.bmp", L"HScrollBar_S.bmp", L"HScrollBar_D.bmp"},
    {L"HScrollBarThumb_N.bmp", L"HScrollBarThumb_H.bmp", L"HScrollBarThumb_S.bmp", L"HScrollBarThumb_D.bmp"}};
constexpr SkinScrollBarFiles kVertScrollBarFiles = {
    {L"ScrollBar_N.bmp", L"ScrollBar_H.bmp", L"ScrollBar_S.bmp", L"ScrollBar_D.bmp"},
    {L"ScrollBarThumb_N.bmp", L"ScrollBarThumb_H.bmp", L"ScrollBarThumb_S.bmp", L"ScrollBarThumb_D.bmp"}};

// Dresses `bar` (null: nothing) in the files of the skin folder `folder`, shared as every other
// bar dressed from them holds them. The arrow lengths come first: the track images are cut
// into arrows and track at those lengths.
inline void DressSkinScrollBar(Vexel::CScrollBarEx* bar, const SkinScrollBarFiles& files, const CString& folder)
{
    if (!bar)
        return;
    bar->SetLeftUpButtonSize(kScrollArrowLength);
    bar->SetRightDownButtonSize(kScrollArrowLength);
    Vexel::SharedBitmap track[4];
    Vexel::SharedBitmap thumb[4];
    for (int i = 0; i < 4; ++i) {
        track[i] = Vexel::SharedFileImage(folder + files.track[i], false);
        thumb[i] = Vexel::SharedFileImage(folder + files.thumb[i], false);
    }
    bar->SetImages(track, TRUE);
    bar->SetThumbImages(thumb, TRUE);
}
