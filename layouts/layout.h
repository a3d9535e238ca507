// Declarative window layouts: one table per window, built into widgets by name.
#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <vector>

namespace nuyo {

// Positions and sizes are given in twips; 15 twips make one pixel.
constexpr int TwipsPerPixel = 15;
inline int px(int twips)
{
    return twips / TwipsPerPixel;
}

enum class Kind { Button, Label, Image, Shape, Line, PictureBox, TextBox, LineEdit, Timer };

// Flags of a control row.
enum Flag : unsigned {
    Graphical = 1u << 0,    // a button that shows its back colour
    Transparent = 1u << 1,  // a label that lets what is behind show through
    Centre = 1u << 2,       // text centred
    BorderSingle = 1u << 3, // a one-pixel frame (flat on picture boxes)
    Border3D = 1u << 4,     // a sunken 3D frame
    Stretch = 1u << 5,      // picture stretched to the box
    MultiLine = 1u << 6,
    ReadOnly = 1u << 7,
    KeepsDrawing = 1u << 8, // a picture box with a persistent backing image
    Bold = 1u << 9,
    Italic = 1u << 10,
    SystemBack = 1u << 11, // back colour: the system window background
    SystemFore = 1u << 12, // text colour: the system window text
    RightAlign = 1u << 13, // text against the right edge: a longer caption grows to the left
};

// How a built control reaches its member in the window's record of its controls (bindTo below).
using ControlBinder = void (*)(void *controls, QWidget *control, int index);

struct ControlRow {
    const char *name;
    int index;          // position in a control array, -1 for a single control
    ControlBinder bind; // the member of the window's controls it becomes; nullptr: none
    Kind kind;
    int left, top, width, height; // twips (a line: x1, y1, x2, y2)
    bool visible;
    const char *text; // nullptr: none
    QRgb back;        // 0xFF000000 | rgb, or 0 for the default
    QRgb fore;        // likewise
    const char *face; // nullptr: the window's default font
    double points;    // font size; 0 = default
    unsigned flags;
    const char *parent;  // nullptr: on the window itself
    const char *picture; // resource name of the picture, nullptr: none
    int borderWidth = 1; // shapes and lines
};

constexpr QRgb rgb(int r, int g, int b)
{
    return 0xFF000000u | (unsigned(r) << 16) | (unsigned(g) << 8) | unsigned(b);
}
constexpr QRgb Default = 0;

// The two faces the tables name (layouts/fonts.h maps them to the faces this desktop has).
constexpr const char *PGothic = "ＭＳ Ｐゴシック";
constexpr const char *Gothic = "ＭＳ ゴシック";

// The name a screen reader gives a control that shows no caption of its own (a picture, a
// frame, a count), in the tables' translation context.
struct AccessibleName {
    const char *control; // the control's key: "PicPRE", "Image1(0)"; "" names the window
    const char *name;
};

// The tables' texts are the game's own Japanese, marked QT_TRANSLATE_NOOP("Layout", ...): the
// builder shows them translated.
struct WindowTable {
    const char *caption;
    int clientWidth, clientHeight; // twips
    QRgb back;
    std::vector<ControlRow> controls; // in creation order
    std::vector<AccessibleName> names;
};

// The key of a control in the built map: "Command3(1)" for arrays, "Label3" for singles.
QString controlKey(const char *name, int index);

// The control `name` (element `index` of an array) of a built window, as its class.
template <typename T> T *control(const QHash<QString, QWidget *> &made, const char *name, int index = -1)
{
    return qobject_cast<T *>(made.value(controlKey(name, index)));
}

namespace binding {
template <typename M> struct Member;
template <typename C, typename T> struct Member<T C::*> {
    using Controls = C;
};
template <typename T> void assign(T *&member, QWidget *w, int)
{
    member = qobject_cast<T *>(w);
}
template <typename T, std::size_t N> void assign(std::array<T *, N> &member, QWidget *w, int index)
{
    if (index >= 0 && std::size_t(index) < N)
        member[std::size_t(index)] = qobject_cast<T *>(w);
}
template <typename T> void assign(std::vector<T *> &member, QWidget *w, int)
{
    member.push_back(qobject_cast<T *>(w)); // in the table's order
}
} // namespace binding

// A table row's binder: the built control becomes `Member` of the window's record of controls
// (a single control, an array's element `index`, or the next of a list in the table's order).
template <auto Member> void bindTo(void *controls, QWidget *control, int index)
{
    using Controls = typename binding::Member<decltype(Member)>::Controls;
    binding::assign(static_cast<Controls *>(controls)->*Member, control, index);
}

// Creates every control of `table` on `form` with its geometry, colours, font, text (in the
// current language), picture, accessible name and visibility, stacked as the rows say: later rows above earlier ones,
// windowed controls (buttons, text boxes, picture boxes) above graphical ones (labels, images, shapes).
// Each control is bound to its member of `controls`, the window's record of the type the table's
// binders name; the map holds every control by its key.
QHash<QString, QWidget *> buildControls(QWidget *form, const WindowTable &table, void *controls);

} // namespace nuyo
