#include "widgets/accessibility.h"

#include "widgets/controls.h"

#include <QAccessibleWidget>

namespace nuyo {

namespace {

// A label's accessible name: its caption, or the name the window gave it with the count or
// value it shows read after the name.
QString labelName(const QWidget *w, const QString &caption)
{
    const QString given = w->accessibleName();
    if (given.isEmpty())
        return caption;
    return caption.isEmpty() || caption == given ? given : given + QLatin1Char(' ') + caption;
}

// A control of the kit as a screen reader sees it: one that nobody can see, because it lies outside
// its window or under the controls stacked above it, is not showing, even though it is not hidden
// (the picture stores beside a window, a caption that waits under the buttons that will uncover it).
class KitAccessible : public QAccessibleWidget
{
public:
    KitAccessible(QWidget *w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!s.invisible && (widget()->visibleRegion() & drawnArea()).isEmpty())
            s.offscreen = true;
        return s;
    }

protected:
    // Where the control shows anything, in its own pixels.
    virtual QRect drawnArea() const { return widget()->rect(); }
};

class ButtonAccessible : public KitAccessible
{
public:
    explicit ButtonAccessible(ColourButton *b) : KitAccessible(b, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? button()->text().simplified() : widget()->accessibleName();
        return KitAccessible::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + KitAccessible::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->press(1);
        else
            KitAccessible::doAction(action);
    }

private:
    ColourButton *button() const { return static_cast<ColourButton *>(widget()); }
};

class LabelAccessible : public KitAccessible
{
public:
    explicit LabelAccessible(TextLabel *l) : KitAccessible(l, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const TextLabel *label = static_cast<TextLabel *>(widget());
        if (t == QAccessible::Name)
            return labelName(widget(), label->text().simplified());
        if (t == QAccessible::Description && label->describe)
            return label->describe(label->text());
        return KitAccessible::text(t);
    }

protected:
    QRect drawnArea() const override { return static_cast<TextLabel *>(widget())->drawnArea(); }
};

QAccessibleInterface *kitInterface(const QString &className, QObject *object)
{
    // The game's own windows are read as windows and dialogs, by their title or given name.
    if (object && object->isWidgetType() && static_cast<QWidget *>(object)->isWindow() &&
        className.startsWith(QLatin1String("nuyo::"))) {
        auto *w = static_cast<QWidget *>(object);
        return new QAccessibleWidget(w, w->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
    }
    if (auto *b = qobject_cast<ColourButton *>(object))
        return new ButtonAccessible(b);
    if (auto *l = qobject_cast<TextLabel *>(object))
        return new LabelAccessible(l);
    if (qobject_cast<ImageBox *>(object) || qobject_cast<PictureBox *>(object))
        return new KitAccessible(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (qobject_cast<OutlineShape *>(object))
        return new KitAccessible(static_cast<QWidget *>(object), QAccessible::Border);
    return nullptr;
}

} // namespace

void installKitAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(kitInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace nuyo
