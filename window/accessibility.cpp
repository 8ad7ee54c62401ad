#include "window/accessibility.h"

#include "platform/choicelist.h"
#include "rules/ruleboard.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>
#include <cmath>

namespace {

// The window's children as a reader meets them: shown, not decoration, top to bottom and left
// to right.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(readable().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = readable();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(readable().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> readable() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden() &&
                !child->property(kDecorationProperty).toBool())
                children.append(child);
        }
        std::stable_sort(children.begin(), children.end(), [](QWidget *a, QWidget *b) {
            return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
        });
        return children;
    }
};

// A text the pupil reads (its owner names it by its text); a rule box says whether its rule
// holds.
class TextAccessible : public QAccessibleWidget
{
public:
    explicit TextAccessible(QWidget *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    // The box's scroll area (viewport, scroll bars) is no part of what is read.
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const QVariant holds = widget()->property(RuleBoard::kHoldsProperty);
        if (holds.isValid()) {
            state.selectable = true;
            state.selected = holds.toBool();
        }
        return state;
    }
};

// A list of whole numbers: named by what it chooses, valued by what is chosen. Setting its
// value is a choice, exactly as a pick with the mouse.
class ChoiceListAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ChoiceListAccessible(ChoiceList *list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("chosen(int)"));
    }

    // Its field is the list itself to a reader: the value is the choice.
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override
    {
        const std::optional<int> value = list()->value();
        return value ? QVariant(*value) : QVariant();
    }
    // AT-SPI hands over a double of any size; converted to int it would wrap (2^32 + 5 gives
    // 5, NaN 0). Only a finite number that rounds to an item is a choice.
    void setCurrentValue(const QVariant &value) override
    {
        bool isNumber = false;
        const double rounded = std::round(value.toDouble(&isNumber));
        if (isNumber && std::isfinite(rounded) && rounded >= list()->first() &&
            rounded <= list()->last())
            list()->choose(int(rounded));
    }
    QVariant maximumValue() const override { return list()->last(); }
    QVariant minimumValue() const override { return list()->first(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    ChoiceList *list() const { return static_cast<ChoiceList *>(widget()); }
};

QAccessibleInterface *lessonInterfaces(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("LessonWindow"))
        return new WindowAccessible(widget);
    if (className == QLatin1String("ChoiceList"))
        return new ChoiceListAccessible(static_cast<ChoiceList *>(widget));
    if (className == QLatin1String("QTextEdit"))
        return new TextAccessible(widget);
    if (className == QLatin1String("QWidget") && widget->objectName() == QLatin1String("figure"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("QLabel") &&
        widget->objectName() == QLatin1String("lblRelative"))
        return new QAccessibleWidget(widget, QAccessible::Heading);
    if (className == QLatin1String("HelpArrow"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(lessonInterfaces), true);
    Q_UNUSED(installed);
}

void describeForAssistiveTechnology(QWidget *window, RuleBoard *rules)
{
    const auto name = [window](const char *objectName, const char *text, const char *description) {
        auto *control = window->findChild<QWidget *>(QString::fromLatin1(objectName));
        control->setAccessibleName(QString::fromLatin1(text));
        control->setAccessibleDescription(QString::fromLatin1(description));
    };
    name("cboR1", "Radius r1", "The radius r1 of the circle with centre P, in centimetres");
    name("cboR2", "Radius r2", "The radius r2 of the circle with centre Q, in centimetres");
    name("cboPQ", "Distance PQ", "The distance PQ between the centres P and Q, in centimetres");
    name("lblNext", "Next", "Go on to the practice page");
    name("lblBack", "Back", "Return to the introduction page");
    name("lblHome", "Home", "End the lesson");
    name("lblPrint", "Print", "Print the window");
    for (const char *decoration :
         {"lblR1", "lblR11", "lblR2", "lblR22", "lblPQ1", "lblCombo", "frames"})
        window->findChild<QWidget *>(QString::fromLatin1(decoration))
            ->setProperty(kDecorationProperty, true);
    window->setAccessibleName(window->windowTitle());

    // The rule that holds is told as a change of selection of its box and of the one that held:
    // over AT-SPI, Qt passes a selection event on as the "selected" state changing.
    QObject::connect(rules, &RuleBoard::ruleThatHoldsChanged, window, [window](int) {
        for (int k = 1; k <= 5; ++k) {
            auto *box = window->findChild<QWidget *>(QStringLiteral("rtBox%1").arg(k));
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent stateChange(box, changed);
            QAccessible::updateAccessibility(&stateChange);
            QAccessibleEvent selection(box, QAccessible::Selection);
            QAccessible::updateAccessibility(&selection);
        }
    });
}
