#pragma once
// The kinds of style records a skin holds, one list each; also the order of the style
// groups in the skin file.

namespace Vexel {

enum class StyleKind : int {
    PushButton = 0,
    CheckBox = 1,
    RadioButton = 2,
    ComboBox = 3,
    Static = 4,
    Edit = 5,
    Slider = 6,
    Progress = 7,
    Spin = 8,
    HotKey = 9,
    IPAddress = 10,
    SliderEx = 11,
    ListCtrl = 12,
    TreeCtrl = 13,
    TreeList = 14,
    RichEdit = 15,
    HtmlCtrl = 16,
    DateTime = 17,
    WaveCtrl = 18,
    Menu = 19,
    MenuBar = 20,
    Header = 21,
    HorScrollBar = 22,
    VerScrollBar = 23,
};

constexpr int kStyleKindCount = 24;

} // namespace Vexel
