// The title window as created.
#include "layouts/titlewindowlayout.h"

namespace nuyo {

const WindowTable &titleWindowLayout()
{
    using C = TitleWindowControls;
    // One control per line, as the table reads.
    // clang-format off
    static const WindowTable table{
        "",
        5355,
        4080,
        rgb(192, 192, 255),
        {
            {"Command1", 0, bindTo<&C::modeButtons>, Kind::Button, 1080, 3240, 1575, 495, true, QT_TRANSLATE_NOOP("Layout", "練 習"), rgb(192, 192, 0), Default, PGothic, 11.25, Graphical, nullptr, nullptr},
            {"Command1", 1, bindTo<&C::modeButtons>, Kind::Button, 2640, 3240, 1575, 495, true, QT_TRANSLATE_NOOP("Layout", "本 番"), rgb(192, 192, 0), Default, PGothic, 11.25, Graphical, nullptr, nullptr},
            {"Command3", -1, bindTo<&C::keyboardSink>, Kind::Button, 5760, 360, 375, 495, true, nullptr, Default, Default, nullptr, 0, 0, nullptr, nullptr},
            {"Label1", -1, bindTo<&C::gettingReady>, Kind::Label, 480, 3360, 4335, 375, true, QT_TRANSLATE_NOOP("Layout", "  只今、準備中 ・・・"), rgb(0, 0, 255), rgb(255, 128, 0), PGothic, 14.25, Bold | Centre | Transparent, nullptr, nullptr},
            {"Image1", -1, bindTo<&C::titlePicture>, Kind::Image, 120, 120, 5100, 3825, true, nullptr, Default, Default, nullptr, 0, 0, nullptr, "form2/Image1.gif"},
        },
        {
            {"Command3", QT_TRANSLATE_NOOP("Layout", "キー入力")},
            {"Image1", QT_TRANSLATE_NOOP("Layout", "タイトルの絵")},
        },
    };
    // clang-format on
    return table;
}

TitleWindowControls buildTitleWindow(QWidget *window)
{
    TitleWindowControls controls;
    controls.byName = buildControls(window, titleWindowLayout(), &controls);
    return controls;
}

} // namespace nuyo
