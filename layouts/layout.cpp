#include "layouts/layout.h"

#include "layouts/fonts.h"
#include "layouts/pictures.h"
#include "widgets/accessibility.h"
#include "widgets/controls.h"

#include <QCoreApplication>
#include <QWidget>

namespace nuyo {

QString controlKey(const char *name, int index)
{
    const QString n = QString::fromUtf8(name);
    return index < 0 ? n : QStringLiteral("%1(%2)").arg(n).arg(index);
}

namespace {

// A table's text as the player reads it.
QString shown(const char *text)
{
    return text && *text ? QCoreApplication::translate("Layout", text) : QString();
}

bool isWindowed(Kind k)
{
    return k == Kind::Button || k == Kind::PictureBox || k == Kind::TextBox || k == Kind::LineEdit;
}

QColor colourOf(QRgb c, const QColor &fallback)
{
    return c == Default ? fallback : QColor::fromRgb(c);
}

QFont fontOf(const ControlRow &c, const QFont &windowFont)
{
    QFont f = windowFont;
    if (c.face)
        f = gameFont(QString::fromUtf8(c.face), c.points);
    else if (c.points > 0)
        f.setPointSizeF(c.points);
    f.setBold(c.flags & Bold);
    f.setItalic(c.flags & Italic);
    return f;
}

const QColor SystemBackColour(255, 255, 255), SystemTextColour(0, 0, 0);

QWidget *makeButton(const ControlRow &c, QWidget *parent)
{
    auto *b = new ColourButton(parent);
    b->setText(shown(c.text));
    if (c.back != Default)
        b->setBackColor(QColor::fromRgb(c.back));
    if (c.picture && *c.picture)
        b->setPicture(loadPicture(QString::fromUtf8(c.picture)));
    return b;
}

QWidget *makeLabel(const ControlRow &c, QWidget *parent)
{
    auto *l = new TextLabel(parent);
    l->setText(shown(c.text));
    l->setTransparent(c.flags & Transparent);
    l->setBackColor(colourOf(c.back, parent->palette().color(QPalette::Window)));
    l->setForeColor((c.flags & SystemFore) ? SystemTextColour : colourOf(c.fore, SystemTextColour));
    l->setBorder(c.flags & BorderSingle);
    const Qt::Alignment across = (c.flags & Centre)       ? Qt::AlignHCenter
                                 : (c.flags & RightAlign) ? Qt::AlignRight
                                                          : Qt::AlignLeft;
    l->setAlignment(across | Qt::AlignTop);
    return l;
}

QWidget *makeImage(const ControlRow &c, QWidget *parent)
{
    auto *i = new ImageBox(parent);
    i->setStretch(c.flags & Stretch);
    i->setBorder(c.flags & BorderSingle);
    // Read when it is first shown or drawn from: most are picture stores a game may never use.
    // Only a box not stretched takes the picture's size, from the file's header.
    if (c.picture && *c.picture) {
        const QString picture = QString::fromUtf8(c.picture);
        i->setPicture((c.flags & Stretch) ? QSize() : pictureSize(picture), [picture] { return loadPicture(picture); });
    }
    return i;
}

QWidget *makeShape(const ControlRow &c, QWidget *parent)
{
    auto *s = new OutlineShape(c.kind == Kind::Line ? OutlineShape::Line : OutlineShape::Rectangle, parent);
    s->setBorderColor(colourOf(c.fore, Qt::black));
    s->setBorderWidth(c.borderWidth);
    if (c.kind == Kind::Shape && c.back != Default)
        s->setFill(QColor::fromRgb(c.back));
    return s;
}

QWidget *makePictureBox(const ControlRow &c, QWidget *parent)
{
    auto *p = new PictureBox(parent);
    p->setBorder((c.flags & Border3D)       ? PictureBox::Border::ThreeD
                 : (c.flags & BorderSingle) ? PictureBox::Border::Flat
                                            : PictureBox::Border::None);
    p->setBackColor((c.flags & SystemBack) ? SystemBackColour : colourOf(c.back, QColor(212, 208, 200)));
    p->setForeColor((c.flags & SystemFore) ? SystemTextColour : colourOf(c.fore, SystemTextColour));
    return p;
}

QWidget *makeTextBox(const ControlRow &c, QWidget *parent)
{
    auto *t = new LogBox(parent);
    t->setBackColor(colourOf(c.back, SystemBackColour));
    t->setForeColor(colourOf(c.fore, SystemTextColour));
    return t;
}

QWidget *makeLineEdit(const ControlRow &c, QWidget *parent)
{
    auto *t = new FilteredLineEdit(parent);
    QPalette pal = t->palette();
    pal.setColor(QPalette::Base, colourOf(c.back, SystemBackColour));
    pal.setColor(QPalette::Text, colourOf(c.fore, SystemTextColour));
    t->setPalette(pal);
    return t;
}

// The control of row `c`, dressed as the row says; none for a timer.
QWidget *create(const ControlRow &c, QWidget *parent)
{
    switch (c.kind) {
    case Kind::Button:
        return makeButton(c, parent);
    case Kind::Label:
        return makeLabel(c, parent);
    case Kind::Image:
        return makeImage(c, parent);
    case Kind::Shape:
    case Kind::Line:
        return makeShape(c, parent);
    case Kind::PictureBox:
        return makePictureBox(c, parent);
    case Kind::TextBox:
        return makeTextBox(c, parent);
    case Kind::LineEdit:
        return makeLineEdit(c, parent);
    case Kind::Timer:
        break;
    }
    return nullptr;
}

// The window itself: its caption, size, colour and font.
void dressWindow(QWidget *form, const WindowTable &table)
{
    form->setWindowTitle(shown(table.caption));
    form->setFixedSize(px(table.clientWidth), px(table.clientHeight));
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(table.back));
    form->setPalette(pal);
    form->setAutoFillBackground(true);
    if (form->font().family() != defaultFaceName())
        form->setFont(gameFont(defaultFaceName(), 9));
}

// Puts `w` where row `c` says, `inset` pixels inside its parent's border; a picture box, sized
// there, is also given its picture (read when first drawn) or a clean drawing.
void place(QWidget *w, const ControlRow &c, int inset)
{
    if (c.kind == Kind::Line) {
        static_cast<OutlineShape *>(w)->setLine(QPoint(px(c.left) + inset, px(c.top) + inset),
                                                QPoint(px(c.width) + inset, px(c.height) + inset));
    } else if (auto *box = qobject_cast<PictureBox *>(w)) {
        box->move(px(c.left) + inset, px(c.top) + inset);
        box->setOuterSize(px(c.width), px(c.height));
        if (c.picture) // read when the box is first drawn
            box->setPicture([picture = QString::fromUtf8(c.picture)] { return loadPicture(picture); });
        else
            box->cls();
    } else if (c.kind == Kind::Image && !(c.flags & Stretch) && c.picture) {
        w->move(px(c.left) + inset, px(c.top) + inset);
    } else {
        w->setGeometry(px(c.left) + inset, px(c.top) + inset, px(c.width), px(c.height));
    }
}

struct Made {
    QWidget *w;
    const ControlRow *row;
};

// Stacking, bottom to top: outlines, pictures, texts, then the windowed controls; within each
// layer a later row lies above an earlier one. Texts lie above pictures so that a transparent
// caption shows over the picture behind it.
void stack(const std::vector<Made> &order)
{
    const Kind layers[] = {Kind::Shape, Kind::Line, Kind::Image, Kind::Label};
    for (Kind layer : layers)
        for (const Made &m : order)
            if (m.row->kind == layer)
                m.w->raise();
    for (const Made &m : order)
        if (isWindowed(m.row->kind))
            m.w->raise();
}

} // namespace

QHash<QString, QWidget *> buildControls(QWidget *form, const WindowTable &table, void *controls)
{
    installKitAccessibility();
    dressWindow(form, table);
    QHash<QString, QWidget *> made;
    std::vector<Made> order;
    for (const ControlRow &c : table.controls) {
        QWidget *parent = c.parent ? made.value(QString::fromUtf8(c.parent), form) : form;
        auto *box = parent != form ? qobject_cast<PictureBox *>(parent) : nullptr;
        QWidget *w = create(c, parent);
        if (!w)
            continue;
        w->setObjectName(controlKey(c.name, c.index));
        w->setFont(fontOf(c, form->font()));
        place(w, c, box ? box->borderWidth() : 0);
        w->setVisible(c.visible);
        if (c.bind)
            c.bind(controls, w, c.index);
        made.insert(w->objectName(), w);
        order.push_back({w, &c});
    }
    for (const AccessibleName &n : table.names)
        if (QWidget *w = *n.control ? made.value(QString::fromUtf8(n.control)) : form)
            w->setAccessibleName(shown(n.name));
    stack(order);
    return made;
}

} // namespace nuyo
