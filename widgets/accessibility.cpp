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

// The catch log is read as the read-only text it is, line by line.
class LogAccessible : public KitAccessible, public QAccessibleTextInterface
{
public:
    explicit LogAccessible(LogBox *log) : KitAccessible(log, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return KitAccessible::interface_cast(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = KitAccessible::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? shown() : KitAccessible::text(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    // Nothing in it can be selected, and it has no cursor of its own.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    QString shown() const { return static_cast<LogBox *>(widget())->shownText(); }
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
    if (auto *log = qobject_cast<LogBox *>(object))
        return new LogAccessible(log);
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
