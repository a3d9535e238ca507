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

QWidget *create(const ControlRow &c, QWidget *parent)
{
    const QColor systemBack(255, 255, 255), systemText(0, 0, 0);
    const QString text = shown(c.text);
    const QString picture = c.picture ? QString::fromUtf8(c.picture) : QString();
    switch (c.kind) {
    case Kind::Button: {
        auto *b = new ColourButton(parent);
        b->setText(text);
        if (c.back != Default)
            b->setBackColor(QColor::fromRgb(c.back));
        if (!picture.isEmpty())
            b->setPicture(loadPicture(picture));
        return b;
    }
    case Kind::Label: {
        auto *l = new TextLabel(parent);
        l->setText(text);
        l->setTransparent(c.flags & Transparent);
        l->setBackColor(colourOf(c.back, parent->palette().color(QPalette::Window)));
        l->setForeColor((c.flags & SystemFore) ? systemText : colourOf(c.fore, systemText));
        l->setBorder(c.flags & BorderSingle);
        const Qt::Alignment across = (c.flags & Centre)       ? Qt::AlignHCenter
                                     : (c.flags & RightAlign) ? Qt::AlignRight
                                                              : Qt::AlignLeft;
        l->setAlignment(across | Qt::AlignTop);
        return l;
    }
    case Kind::Image: {
        auto *i = new ImageBox(parent);
        i->setStretch(c.flags & Stretch);
        i->setBorder(c.flags & BorderSingle);
        // Read when it is first shown or drawn from: most are picture stores a game may never use.
        // Only a box not stretched takes the picture's size, from the file's header.
        if (!picture.isEmpty())
            i->setPicture((c.flags & Stretch) ? QSize() : pictureSize(picture),
                          [picture] { return loadPicture(picture); });
        return i;
    }
    case Kind::Shape: {
        auto *s = new OutlineShape(OutlineShape::Rectangle, parent);
        s->setBorderColor(colourOf(c.fore, Qt::black));
        s->setBorderWidth(c.borderWidth);
        if (c.back != Default)
            s->setFill(QColor::fromRgb(c.back));
        return s;
    }
    case Kind::Line: {
        auto *s = new OutlineShape(OutlineShape::Line, parent);
        s->setBorderColor(colourOf(c.fore, Qt::black));
        s->setBorderWidth(c.borderWidth);
        return s;
    }
    case Kind::PictureBox: {
        auto *p = new PictureBox(parent);
        p->setBorder((c.flags & Border3D)       ? PictureBox::Border::ThreeD
                     : (c.flags & BorderSingle) ? PictureBox::Border::Flat
                                                : PictureBox::Border::None);
        p->setBackColor((c.flags & SystemBack) ? systemBack : colourOf(c.back, QColor(212, 208, 200)));
        p->setForeColor((c.flags & SystemFore) ? systemText : colourOf(c.fore, systemText));
        return p;
    }
    case Kind::TextBox: {
        auto *t = new LogBox(parent);
        t->setBackColor(colourOf(c.back, systemBack));
        t->setForeColor(colourOf(c.fore, systemText));
        return t;
    }
    case Kind::LineEdit: {
        auto *t = new FilteredLineEdit(parent);
        QPalette pal = t->palette();
        pal.setColor(QPalette::Base, colourOf(c.back, systemBack));
        pal.setColor(QPalette::Text, colourOf(c.fore, systemText));
        t->setPalette(pal);
        return t;
    }
    case Kind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

QHash<QString, QWidget *> buildControls(QWidget *form, const WindowTable &table, void *controls)
{
    installKitAccessibility();
    QHash<QString, QWidget *> made;
    form->setWindowTitle(shown(table.caption));
    form->setFixedSize(px(table.clientWidth), px(table.clientHeight));
    QPalette pal = form->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(table.back));
    form->setPalette(pal);
    form->setAutoFillBackground(true);
    if (form->font().family() != defaultFaceName())
        form->setFont(gameFont(defaultFaceName(), 9));

    struct Made {
        QWidget *w;
        const ControlRow *row;
    };
    std::vector<Made> order;
    for (const ControlRow &c : table.controls) {
        if (c.kind == Kind::Timer)
            continue;
        QWidget *parent = form;
        int inset = 0;
        if (c.parent) {
            parent = made.value(QString::fromUtf8(c.parent), form);
            if (auto *box = qobject_cast<PictureBox *>(parent))
                inset = box->borderWidth();
        }
        QWidget *w = create(c, parent);
        if (!w)
            continue;
        w->setObjectName(controlKey(c.name, c.index));
        w->setFont(fontOf(c, form->font()));
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
        w->setVisible(c.visible);
        if (c.bind)
            c.bind(controls, w, c.index);
        made.insert(w->objectName(), w);
        order.push_back({w, &c});
    }
    for (const AccessibleName &n : table.names)
        if (QWidget *w = *n.control ? made.value(QString::fromUtf8(n.control)) : form)
            w->setAccessibleName(shown(n.name));
    // Stacking, bottom to top: outlines, pictures, texts, then the windowed controls; within
    // each layer a later row lies above an earlier one. Texts lie above pictures so that a
    // transparent caption shows over the picture behind it.
    const Kind layers[] = {Kind::Shape, Kind::Line, Kind::Image, Kind::Label};
    for (Kind layer : layers)
        for (const Made &m : order)
            if (m.row->kind == layer)
                m.w->raise();
    for (const Made &m : order)
        if (isWindowed(m.row->kind))
            m.w->raise();
    return made;
}

} // namespace nuyo
