// The catch report window as created.
#include "layouts/catchreportlayout.h"

namespace nuyo {

const WindowTable &catchReportLayout()
{
    using C = CatchReportControls;
    // One control per line, as the table reads.
    // clang-format off
    static const WindowTable table{
        "",
        3765,
        3510,
        rgb(255, 0, 0),
        {
            {"Pic1", -1, bindTo<&C::picture>, Kind::PictureBox, 120, 120, 3495, 3255, true, nullptr, rgb(255, 0, 255), Default, nullptr, 0, Border3D | KeepsDrawing, nullptr, nullptr},
            {"Command1", -1, bindTo<&C::okButton>, Kind::Button, 1920, 2400, 1335, 615, true, "OK", rgb(192, 192, 0), Default, PGothic, 14.25, Graphical | Bold, "Pic1", nullptr},
            {"Label2", -1, bindTo<&C::resultText>, Kind::Label, 120, 2400, 1695, 375, true, QT_TRANSLATE_NOOP("Layout", "スレアタリ"), rgb(0, 0, 255), rgb(255, 255, 0), PGothic, 14.25, Bold | Centre | BorderSingle, "Pic1", nullptr},
            {"Image3", -1, bindTo<&C::sixtyPicture>, Kind::Image, 5160, 720, 855, 615, true, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form3/Image3.gif"},
            {"Image2", -1, bindTo<&C::landingBackground>, Kind::Image, 5160, 2400, 855, 735, true, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form3/Image2.gif"},
            {"Image1", -1, bindTo<&C::masterPicture>, Kind::Image, 5160, 1440, 855, 735, true, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form3/Image1.gif"},
            {"Img3", -1, bindTo<&C::missPicture>, Kind::Image, 3960, 2400, 810, 840, true, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form3/Img3.gif"},
            {"Img2", -1, bindTo<&C::lineBreakPicture>, Kind::Image, 3960, 1560, 735, 735, true, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form3/Img2.gif"},
            {"Img1", -1, bindTo<&C::fishPicture>, Kind::Image, 3960, 120, 1020, 1125, true, nullptr, Default, Default, nullptr, 0, Stretch, nullptr, "form3/Img1.gif"},
        },
        {
            {"", QT_TRANSLATE_NOOP("Layout", "釣果の報告")},
            {"Pic1", QT_TRANSLATE_NOOP("Layout", "結果")},
            {"Image1", QT_TRANSLATE_NOOP("Layout", "釣果の絵")},
            {"Image2", QT_TRANSLATE_NOOP("Layout", "釣り上げの絵")},
            {"Image3", QT_TRANSLATE_NOOP("Layout", "大物の絵")},
            {"Img1", QT_TRANSLATE_NOOP("Layout", "ぬよの絵")},
            {"Img2", QT_TRANSLATE_NOOP("Layout", "ハリス切れの絵")},
            {"Img3", QT_TRANSLATE_NOOP("Layout", "外れの絵")},
        },
    };
    // clang-format on
    return table;
}

CatchReportControls buildCatchReport(QWidget *window)
{
    CatchReportControls controls;
    controls.byName = buildControls(window, catchReportLayout(), &controls);
    return controls;
}

} // namespace nuyo
