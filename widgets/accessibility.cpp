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

class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(ColourButton *b) : QAccessibleWidget(b, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName().isEmpty() ? button()->text().simplified() : widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->press(1);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ColourButton *button() const { return static_cast<ColourButton *>(widget()); }
};

class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(TextLabel *l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return labelName(widget(), static_cast<TextLabel *>(widget())->text().simplified());
        return QAccessibleWidget::text(t);
    }
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
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    if (qobject_cast<OutlineShape *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Border);
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
