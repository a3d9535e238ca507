// The ranking window as created.
#include "layouts/rankingwindowlayout.h"

namespace nuyo {

const WindowTable &rankingWindowLayout()
{
    using C = RankingWindowControls;
    // One control per line, as the table reads.
    // clang-format off
    static const WindowTable table{
        "",
        6420,
        5340,
        rgb(0, 0, 255),
        {
            {"Picture1", -1, bindTo<&C::board>, Kind::PictureBox, 120, 480, 6135, 4695, true, nullptr, rgb(192, 192, 255), Default, nullptr, 0, Border3D, nullptr, nullptr},
            {"Command2", -1, bindTo<&C::rankingToggle>, Kind::Button, 1200, 3840, 615, 495, true, nullptr, rgb(0, 192, 0), Default, nullptr, 0, Graphical, "Picture1", "form4/Command2.ico"},
            {"Text1", -1, bindTo<&C::nameEntry>, Kind::LineEdit, 4200, 3120, 1455, 360, false, nullptr, rgb(255, 255, 192), rgb(0, 0, 255), Gothic, 14.25, 0, "Picture1", nullptr},
            {"Command1", -1, bindTo<&C::okButton>, Kind::Button, 3120, 3720, 2535, 735, true, "ＯＫ", rgb(192, 192, 0), Default, PGothic, 14.25, Graphical | Bold, "Picture1", nullptr},
            {"Label3", -1, bindTo<&C::toggleMark>, Kind::Label, 1200, 3720, 615, 735, true, "!", rgb(192, 192, 255), rgb(255, 255, 0), PGothic, 36, Bold | Centre | Transparent, "Picture1", nullptr},
            {"Label2", -1, bindTo<&C::toggleIndicator>, Kind::Label, 240, 3960, 2775, 255, true, "POINTS        RANKING", rgb(192, 192, 255), rgb(0, 128, 0), PGothic, 11.25, Bold | Italic, "Picture1", nullptr},
            {"Shape1", -1, bindTo<&C::toggleFrame>, Kind::Shape, 720, 3720, 1575, 735, true, nullptr, rgb(255, 255, 255), rgb(0, 0, 192), nullptr, 0, 0, "Picture1", nullptr},
            {"Label1", 8, bindTo<&C::namePrompt>, Kind::Label, 360, 3120, 3855, 375, false, QT_TRANSLATE_NOOP("Layout", "名前入力は半角 ８文字まで"), rgb(0, 0, 0), rgb(128, 255, 128), PGothic, 11.25, Centre | BorderSingle, "Picture1", nullptr},
            {"Line1", -1, bindTo<&C::divider>, Kind::Line, 240, 3000, 5760, 3000, true, nullptr, Default, rgb(0, 0, 255), nullptr, 0, 0, "Picture1", nullptr, 2},
            {"Label1", 1, bindTo<&C::rankNumbers>, Kind::Label, 360, 480, 495, 375, true, QT_TRANSLATE_NOOP("Layout", "１．"), rgb(0, 0, 0), rgb(255, 255, 0), PGothic, 12, Bold | BorderSingle, "Picture1", nullptr},
            {"Label1", 2, bindTo<&C::header>, Kind::Label, 360, 240, 5295, 255, true, QT_TRANSLATE_NOOP("Layout", "    ポイント： 60cm：尺半上： 尾数：  Ｋｇ：  釣り師"), rgb(0, 0, 255), rgb(255, 255, 0), Gothic, 9, BorderSingle, "Picture1", nullptr},
            {"lblP", 0, bindTo<&C::rows>, Kind::Label, 840, 480, 4815, 375, true, nullptr, rgb(255, 192, 255), rgb(0, 0, 255), Gothic, 12, BorderSingle, "Picture1", nullptr},
            {"Label1", 3, bindTo<&C::rankNumbers>, Kind::Label, 360, 960, 495, 375, true, QT_TRANSLATE_NOOP("Layout", "２．"), rgb(0, 0, 0), rgb(255, 255, 0), PGothic, 12, Bold | BorderSingle, "Picture1", nullptr},
            {"Label1", 4, bindTo<&C::rankNumbers>, Kind::Label, 360, 1440, 495, 375, true, QT_TRANSLATE_NOOP("Layout", "３．"), rgb(0, 0, 0), rgb(255, 255, 0), PGothic, 12, Bold | BorderSingle, "Picture1", nullptr},
            {"Label1", 5, bindTo<&C::rankNumbers>, Kind::Label, 360, 1920, 495, 375, true, QT_TRANSLATE_NOOP("Layout", "４．"), rgb(0, 0, 0), rgb(255, 255, 0), PGothic, 12, Bold | BorderSingle, "Picture1", nullptr},
            {"Label1", 6, bindTo<&C::rankNumbers>, Kind::Label, 360, 2400, 495, 375, true, QT_TRANSLATE_NOOP("Layout", "５．"), rgb(0, 0, 0), rgb(255, 255, 0), PGothic, 12, Bold | BorderSingle, "Picture1", nullptr},
            {"Label1", 7, bindTo<&C::resultRank>, Kind::Label, 360, 3120, 495, 375, true, nullptr, rgb(0, 0, 0), rgb(255, 255, 0), PGothic, 12, Bold | BorderSingle, "Picture1", nullptr},
            {"lblP", 1, bindTo<&C::rows>, Kind::Label, 840, 960, 4815, 375, true, nullptr, rgb(255, 192, 255), rgb(0, 0, 255), Gothic, 12, BorderSingle, "Picture1", nullptr},
            {"lblP", 2, bindTo<&C::rows>, Kind::Label, 840, 1440, 4815, 375, true, nullptr, rgb(255, 192, 255), rgb(0, 0, 255), Gothic, 12, BorderSingle, "Picture1", nullptr},
            {"lblP", 3, bindTo<&C::rows>, Kind::Label, 840, 1920, 4815, 375, true, nullptr, rgb(255, 192, 255), rgb(0, 0, 255), Gothic, 12, BorderSingle, "Picture1", nullptr},
            {"lblP", 4, bindTo<&C::rows>, Kind::Label, 840, 2400, 4815, 375, true, nullptr, rgb(255, 192, 255), rgb(0, 0, 255), Gothic, 12, BorderSingle, "Picture1", nullptr},
            {"lblP", 5, bindTo<&C::rows>, Kind::Label, 840, 3120, 4815, 375, true, nullptr, rgb(255, 192, 255), rgb(0, 0, 255), Gothic, 12, BorderSingle, "Picture1", nullptr},
            {"Label1", 0, bindTo<&C::title>, Kind::Label, 1080, 120, 4215, 255, true, QT_TRANSLATE_NOOP("Layout", "＜  成績 ： ポイント ＊ ランキング  ＞"), Default, rgb(255, 255, 0), PGothic, 12, Bold | Transparent, nullptr, nullptr},
        },
        {
            {"", QT_TRANSLATE_NOOP("Layout", "ランキング")},
            {"Picture1", QT_TRANSLATE_NOOP("Layout", "ランキング")},
            {"Command2", QT_TRANSLATE_NOOP("Layout", "ランキングに登録")},
            {"Text1", QT_TRANSLATE_NOOP("Layout", "名前")},
            {"Shape1", QT_TRANSLATE_NOOP("Layout", "枠")},
            {"Line1", QT_TRANSLATE_NOOP("Layout", "区切り線")},
            {"lblP(0)", QT_TRANSLATE_NOOP("Layout", "1位")},
            {"lblP(1)", QT_TRANSLATE_NOOP("Layout", "2位")},
            {"lblP(2)", QT_TRANSLATE_NOOP("Layout", "3位")},
            {"lblP(3)", QT_TRANSLATE_NOOP("Layout", "4位")},
            {"lblP(4)", QT_TRANSLATE_NOOP("Layout", "5位")},
            {"lblP(5)", QT_TRANSLATE_NOOP("Layout", "今回の成績")},
            {"Label1(7)", QT_TRANSLATE_NOOP("Layout", "今回の順位")},
        },
    };
    // clang-format on
    return table;
}

RankingWindowControls buildRankingWindow(QWidget *window)
{
    RankingWindowControls controls;
    controls.byName = buildControls(window, rankingWindowLayout(), &controls);
    return controls;
}

} // namespace nuyo
