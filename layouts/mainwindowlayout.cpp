// The main window as created, before its load handler dresses it.
#include "layouts/mainwindowlayout.h"

namespace nuyo {

namespace {
constexpr unsigned GraphicalButton = Graphical;
constexpr unsigned SysColours = SystemBack | SystemFore;
} // namespace

const WindowTable &mainWindowLayout()
{
    using C = MainWindowControls;
    // One control per line, as the table reads.
    // clang-format off
    static const WindowTable table{
        QT_TRANSLATE_NOOP("Layout", " 釣りゲーム　　「 ぬ よ 」"),
        10365,
        6825,
        rgb(192, 192, 255),
        {
            // name, index, member, kind, left, top, width, height, visible, text, back, fore, face, points, flags, parent, picture
            {"Command6", -1, bindTo<&C::rankingButton>, Kind::Button, 5160, 5880, 1695, 375, false, QT_TRANSLATE_NOOP("Layout", "成績ランキング"), rgb(0, 192, 0), Default, nullptr, 0, GraphicalButton, nullptr, nullptr},
            {"Command3", 0, bindTo<&C::baitButtons>, Kind::Button, 5160, 1320, 1695, 375, true, QT_TRANSLATE_NOOP("Layout", "硬め"), rgb(255, 192, 255), Default, nullptr, 0, GraphicalButton, nullptr, nullptr},
            {"Command3", 1, bindTo<&C::baitButtons>, Kind::Button, 5160, 1680, 1695, 375, true, QT_TRANSLATE_NOOP("Layout", "ふつう"), rgb(255, 0, 0), Default, nullptr, 0, GraphicalButton, nullptr, nullptr},
            {"Command5", -1, bindTo<&C::keyboardSink>, Kind::Button, 9840, 6240, 495, 495, true, "Command5", Default, Default, nullptr, 0, 0, nullptr, nullptr},
            {"PicCm", -1, bindTo<&C::sizeStamp>, Kind::PictureBox, 9120, 5640, 1215, 495, false, nullptr, Default, Default, nullptr, 0, SysColours | KeepsDrawing, nullptr, nullptr},
            {"Command4", -1, bindTo<&C::hintButton>, Kind::Button, 7200, 5880, 1695, 375, true, QT_TRANSLATE_NOOP("Layout", "ワンポイント * 1"), rgb(255, 192, 192), Default, nullptr, 0, GraphicalButton, nullptr, nullptr},
            {"PicS", 3, bindTo<&C::sizeTexts>, Kind::PictureBox, 6720, 6480, 2055, 735, false, nullptr, Default, Default, PGothic, 36, SysColours | KeepsDrawing | Bold, nullptr, nullptr},
            {"PicS", 2, bindTo<&C::sizeTexts>, Kind::PictureBox, 4560, 6480, 2055, 735, false, nullptr, Default, Default, PGothic, 36, SysColours | BorderSingle | KeepsDrawing | Bold, nullptr, nullptr},
            {"PicS", 1, bindTo<&C::sizeTexts>, Kind::PictureBox, 2400, 6480, 2055, 735, false, nullptr, Default, rgb(255, 255, 0), PGothic, 36, SystemBack | BorderSingle | KeepsDrawing | Bold, nullptr, nullptr},
            {"PicS", 0, bindTo<&C::sizeTexts>, Kind::PictureBox, 240, 6480, 2055, 735, false, nullptr, Default, rgb(255, 0, 0), PGothic, 36, SystemBack | BorderSingle | KeepsDrawing | Bold, nullptr, nullptr},
            {"Picture1", -1, bindTo<&C::spareBoard>, Kind::PictureBox, 1320, 5640, 1335, 255, false, nullptr, rgb(192, 192, 255), Default, nullptr, 0, 0, nullptr, nullptr},
            {"Text1", -1, bindTo<&C::catchLog>, Kind::TextBox, 7200, 1320, 1695, 4455, true, nullptr, rgb(192, 192, 255), rgb(0, 0, 255), nullptr, 0, MultiLine | ReadOnly, nullptr, nullptr},
            {"Timer3", -1, nullptr, Kind::Timer, 0, 0, 0, 0, false, nullptr, Default, Default, nullptr, 0, 0, nullptr, nullptr},
            {"Timer2", -1, nullptr, Kind::Timer, 0, 0, 0, 0, false, nullptr, Default, Default, nullptr, 0, 0, nullptr, nullptr},
            {"Command3", 2, bindTo<&C::baitButtons>, Kind::Button, 5160, 2040, 1695, 375, true, QT_TRANSLATE_NOOP("Layout", "柔らかめ"), rgb(255, 192, 255), Default, nullptr, 0, GraphicalButton, nullptr, nullptr},
            {"Command1", -1, bindTo<&C::actionButton>, Kind::Button, 5160, 2520, 1695, 3015, true, QT_TRANSLATE_NOOP("Layout", "振り込み"), rgb(192, 192, 0), Default, PGothic, 12, GraphicalButton | Bold, nullptr, nullptr},
            {"Timer1", -1, nullptr, Kind::Timer, 0, 0, 0, 0, false, nullptr, Default, Default, nullptr, 0, 0, nullptr, nullptr},
            {"PicPRE", -1, bindTo<&C::pond>, Kind::PictureBox, 480, 240, 4575, 5295, true, nullptr, Default, Default, nullptr, 0, Border3D | KeepsDrawing, nullptr, "form1/PicPRE.gif"},
            {"PicUKI", -1, bindTo<&C::floatCloseUp>, Kind::PictureBox, 720, 480, 3015, 3615, false, nullptr, Default, Default, nullptr, 0, SysColours | BorderSingle | KeepsDrawing, "PicPRE", "form1/PicUKI.gif"},
            {"Label6", -1, bindTo<&C::endBanner>, Kind::Label, 120, 2040, 4215, 615, false, QT_TRANSLATE_NOOP("Layout", "－   納　竿   －"), Default, rgb(255, 0, 0), PGothic, 20.25, Bold | Centre | Transparent, "PicPRE", nullptr},
            {"PicKF", -1, bindTo<&C::kingfisherVisit>, Kind::PictureBox, 0, 0, 1335, 975, false, nullptr, Default, Default, nullptr, 0, SysColours | KeepsDrawing, nullptr, nullptr},
            {"PicKF2", -1, bindTo<&C::kingfisherPass>, Kind::PictureBox, 480, 240, 4575, 5295, false, nullptr, Default, Default, nullptr, 0, Border3D | KeepsDrawing, nullptr, nullptr},
            {"Command7", -1, bindTo<&C::newGameButton>, Kind::Button, 5160, 4920, 1695, 615, false, QT_TRANSLATE_NOOP("Layout", "新規ゲーム"), rgb(255, 128, 255), Default, PGothic, 11.25, GraphicalButton | Bold, nullptr, nullptr},
            // Label8 and Label5 are wider than designed, for the English words, and the Japanese stands where it did:
            // Label5 keeps its left edge; Label8 keeps its right one, where its text now ends (the design's box was
            // as wide as the Japanese text).
            {"Label8", -1, bindTo<&C::floatWidthLabel>, Kind::Label, 5760, 240, 1095, 255, true, QT_TRANSLATE_NOOP("Layout", "ウキ：太"), Default, rgb(0, 0, 255), nullptr, 0, Transparent | RightAlign, nullptr, nullptr},
            {"Image12", -1, bindTo<&C::realPond>, Kind::Image, 9120, 5040, 615, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image12.gif"},
            {"Image11", -1, bindTo<&C::realGameEmblem>, Kind::Image, 600, 5880, 480, 480, false, nullptr, Default, Default, nullptr, 0, 0, nullptr, "form1/Image11.ico"},
            {"Label9", -1, bindTo<&C::realGameTitle>, Kind::Label, 240, 6000, 3975, 255, false, "THE      SIMULATION ON NUYO-FISHING", rgb(192, 192, 192), rgb(0, 128, 0), PGothic, 9, Bold | Transparent, nullptr, nullptr},
            {"Image10", -1, bindTo<&C::perchedBirdRight>, Kind::Image, 9120, 1680, 375, 375, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image10.gif"},
            {"Image9", -1, bindTo<&C::perchedBirdLeft>, Kind::Image, 9120, 2280, 375, 375, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image9.gif"},
            {"Image8", -1, bindTo<&C::flyingBird>, Kind::Image, 9120, 2760, 495, 375, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image8.gif"},
            {"Label7", -1, bindTo<&C::tensionGauge>, Kind::Label, 2640, 5640, 375, 255, false, nullptr, rgb(192, 192, 255), Default, nullptr, 0, SystemFore | Centre, nullptr, nullptr},
            {"Shape1", -1, bindTo<&C::bigCatchFrame>, Kind::Shape, 240, 120, 6855, 5655, false, nullptr, Default, rgb(255, 0, 0), nullptr, 0, 0, nullptr, nullptr},
            {"Image7", -1, bindTo<&C::bigCatchMarks>, Kind::Image, 9120, 3360, 495, 375, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image7.gif"},
            {"Label2", 1, bindTo<&C::baitLabels>, Kind::Label, 5160, 1080, 1095, 255, true, QT_TRANSLATE_NOOP("Layout", "エサ合わせ"), Default, rgb(0, 0, 255), PGothic, 9, Bold | Transparent, nullptr, nullptr},
            {"Label1", -1, bindTo<&C::baitCounter>, Kind::Label, 5160, 480, 1695, 495, true, "2", rgb(0, 0, 0), rgb(255, 255, 0), PGothic, 20.25, Bold | Centre | BorderSingle, nullptr, nullptr},
            {"Label2", 0, bindTo<&C::baitLabels>, Kind::Label, 5160, 240, 855, 255, true, QT_TRANSLATE_NOOP("Layout", "エサの数"), Default, rgb(0, 0, 255), nullptr, 0, Transparent, nullptr, nullptr},
            {"Label5", -1, bindTo<&C::catchUnit>, Kind::Label, 7920, 960, 375, 255, true, QT_TRANSLATE_NOOP("Layout", "尾"), Default, rgb(255, 255, 0), nullptr, 0, Transparent, nullptr, nullptr},
            {"Image6", -1, bindTo<&C::practicePond>, Kind::Image, 9120, 6240, 615, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image6.gif"},
            {"Image5", -1, bindTo<&C::resultMarks>, Kind::Image, 9120, 4440, 495, 375, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image5.gif"},
            {"Image4", -1, bindTo<&C::splashes>, Kind::Image, 9120, 3960, 495, 375, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image4.gif"},
            {"Label4", -1, bindTo<&C::catchCounter>, Kind::Label, 7200, 720, 735, 495, true, "0", rgb(0, 0, 255), rgb(255, 255, 0), PGothic, 24, Bold | Centre | Transparent, nullptr, nullptr},
            {"ImgU", -1, bindTo<&C::floatPicture>, Kind::Image, 9600, 120, 75, 2550, false, nullptr, Default, Default, nullptr, 0, 0, nullptr, "form1/ImgU.gif"},
            {"Image3", -1, bindTo<&C::basket>, Kind::Image, 7200, 120, 1695, 1095, true, nullptr, Default, Default, nullptr, 0, Stretch | BorderSingle, nullptr, "form1/Image3.gif"},
            {"Image1", 7, bindTo<&C::anglerFrames>, Kind::Image, 9840, 4320, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_7.gif"},
            {"Image1", 6, bindTo<&C::anglerFrames>, Kind::Image, 9840, 3720, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_6.gif"},
            {"Image1", 5, bindTo<&C::anglerFrames>, Kind::Image, 9840, 3120, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_5.gif"},
            {"Image1", 4, bindTo<&C::anglerFrames>, Kind::Image, 9840, 2520, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_4.gif"},
            {"Image1", 3, bindTo<&C::anglerFrames>, Kind::Image, 9840, 1920, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_3.gif"},
            {"Image1", 2, bindTo<&C::anglerFrames>, Kind::Image, 9840, 1320, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_2.gif"},
            {"Image1", 1, bindTo<&C::anglerFrames>, Kind::Image, 9840, 720, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_1.gif"},
            {"Image1", 0, bindTo<&C::anglerFrames>, Kind::Image, 9840, 120, 495, 495, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image1_0.gif"},
            {"Image2", -1, bindTo<&C::landedFish>, Kind::Image, 9840, 5160, 495, 375, false, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form1/Image2.gif"},
            {"Shape3", -1, bindTo<&C::sceneFrame>, Kind::Shape, 240, 120, 6855, 5655, true, nullptr, Default, rgb(0, 0, 255), nullptr, 0, 0, nullptr, nullptr, 2},
            {"Label3", -1, bindTo<&C::commentLine>, Kind::Label, 240, 5880, 6855, 375, false, QT_TRANSLATE_NOOP("Layout", "コメント"), rgb(255, 255, 192), rgb(0, 0, 192), PGothic, 11.25, Centre | BorderSingle, nullptr, nullptr},
        },
        {
            {"Command5", QT_TRANSLATE_NOOP("Layout", "キー入力")},
            {"Label1", QT_TRANSLATE_NOOP("Layout", "エサの数")},
            {"Label4", QT_TRANSLATE_NOOP("Layout", "釣果の数")},
            {"Label7", QT_TRANSLATE_NOOP("Layout", "糸の張り")},
            {"Text1", QT_TRANSLATE_NOOP("Layout", "釣果")},
            {"PicPRE", QT_TRANSLATE_NOOP("Layout", "釣り場")},
            {"PicUKI", QT_TRANSLATE_NOOP("Layout", "ウキの拡大図")},
            {"PicCm", QT_TRANSLATE_NOOP("Layout", "大きさの印")},
            {"PicS(0)", QT_TRANSLATE_NOOP("Layout", "大きさの文字（赤）")},
            {"PicS(1)", QT_TRANSLATE_NOOP("Layout", "大きさの文字（黄）")},
            {"PicS(2)", QT_TRANSLATE_NOOP("Layout", "大きさの文字の型")},
            {"PicS(3)", QT_TRANSLATE_NOOP("Layout", "大きさの文字の下地")},
            {"Picture1", QT_TRANSLATE_NOOP("Layout", "作業用の絵")},
            {"PicKF", QT_TRANSLATE_NOOP("Layout", "カワセミ")},
            {"PicKF2", QT_TRANSLATE_NOOP("Layout", "カワセミの通り道")},
            {"Image1(0)", QT_TRANSLATE_NOOP("Layout", "釣り人 1")},
            {"Image1(1)", QT_TRANSLATE_NOOP("Layout", "釣り人 2")},
            {"Image1(2)", QT_TRANSLATE_NOOP("Layout", "釣り人 3")},
            {"Image1(3)", QT_TRANSLATE_NOOP("Layout", "釣り人 4")},
            {"Image1(4)", QT_TRANSLATE_NOOP("Layout", "釣り人 5")},
            {"Image1(5)", QT_TRANSLATE_NOOP("Layout", "釣り人 6")},
            {"Image1(6)", QT_TRANSLATE_NOOP("Layout", "釣り人 7")},
            {"Image1(7)", QT_TRANSLATE_NOOP("Layout", "釣り人 8")},
            {"Image2", QT_TRANSLATE_NOOP("Layout", "釣れた ぬよ")},
            {"Image3", QT_TRANSLATE_NOOP("Layout", "魚籠（はじめに）")},
            {"Image4", QT_TRANSLATE_NOOP("Layout", "水しぶき")},
            {"Image5", QT_TRANSLATE_NOOP("Layout", "結果の印")},
            {"Image6", QT_TRANSLATE_NOOP("Layout", "練習の池")},
            {"Image7", QT_TRANSLATE_NOOP("Layout", "大物の印")},
            {"Image8", QT_TRANSLATE_NOOP("Layout", "飛ぶカワセミ")},
            {"Image9", QT_TRANSLATE_NOOP("Layout", "止まったカワセミ")},
            {"Image10", QT_TRANSLATE_NOOP("Layout", "止まったカワセミ")},
            {"Image11", QT_TRANSLATE_NOOP("Layout", "本番の印")},
            {"Image12", QT_TRANSLATE_NOOP("Layout", "本番の池")},
            {"ImgU", QT_TRANSLATE_NOOP("Layout", "ウキ")},
            {"Shape1", QT_TRANSLATE_NOOP("Layout", "大物の枠")},
            {"Shape3", QT_TRANSLATE_NOOP("Layout", "釣り場の枠")},
        },
    };
    // clang-format on
    return table;
}

MainWindowControls buildMainWindow(QWidget *window)
{
    MainWindowControls controls;
    controls.byName = buildControls(window, mainWindowLayout(), &controls);
    return controls;
}

} // namespace nuyo
