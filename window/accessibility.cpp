#include "window/accessibility.h"

#include "figure/figure.h"
#include "rules/ruleboard.h"
#include "window/announcer.h"
#include "window/controls.h"

#include <QAccessibleWidget>
#include <QTextEdit>

#include <cmath>

namespace {

// The window's shown children as a reader meets them, top to bottom and left to right.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(readable().size()); }
    QAccessibleInterface *child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(readable().value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(readable().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> readable() const
    {
        QList<QWidget *> children = widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        children.removeIf([](const QWidget *child) {
            return child->isWindow() || child->isHidden() ||
                   child->property(kDecorationProperty).toBool();
        });
        std::ranges::stable_sort(children, {},
                                 [](const QWidget *w) { return std::pair(w->y(), w->x()); });
        return children;
    }
};

// A control read as a whole (not its viewport, scroll bars or field), through one more interface.
template <typename Interface, QAccessible::InterfaceType kType>
class WholeAccessible : public QAccessibleWidget, public Interface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == kType ? static_cast<Interface *>(this)
                             : QAccessibleWidget::interface_cast(type);
    }
};

// A read-only text; a rule's box says whether the rule holds.
class TextAccessible : public WholeAccessible<QAccessibleTextInterface, QAccessible::TextInterface>
{
public:
    explicit TextAccessible(QTextEdit *box) : WholeAccessible(box, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        const QVariant holds = widget()->property(RuleBoard::kHoldsProperty);
        if (holds.isValid()) {
            state.selectable = true;
            state.selected = holds.toBool();
        }
        return state;
    }

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int) override {}
    using QAccessibleWidget::text; // the name and description, beside the text itself
    QString text(int startOffset, int endOffset) const override
    {
        return box()->toPlainText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->toPlainText().size()); }
    QRect characterRect(int offset) const override
    {
        QTextCursor at(box()->document());
        at.setPosition(qBound(0, offset, characterCount()));
        const QRect caret = box()->cursorRect(at);
        at.movePosition(QTextCursor::NextCharacter);
        const int right = qMax(box()->cursorRect(at).left(), caret.right());
        return QRect(box()->viewport()->mapToGlobal(caret.topLeft()),
                     QSize(right - caret.left(), caret.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QTextEdit *box() const { return static_cast<QTextEdit *>(widget()); }
};

// Setting its value is a choice, exactly as a pick with the mouse.
class ChoiceListAccessible
    : public WholeAccessible<QAccessibleValueInterface, QAccessible::ValueInterface>
{
public:
    explicit ChoiceListAccessible(ChoiceList *list) : WholeAccessible(list, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("chosen(int)"));
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
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
        return list()->value() ? QVariant(*list()->value()) : QVariant();
    }
    // AT-SPI hands over any double, which as an int would wrap (2^32 + 5 gives 5, NaN 0).
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

// Qt 6.4 has no announcement; Orca 43 speaks a notification as it appears, after what it is
// saying, and one in a status bar (no widget, unlisted) without naming its role.
class AnnouncementAccessible : public QAccessibleObject
{
public:
    using QAccessibleObject::QAccessibleObject;

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    // The bar's one child is the announcement, which has none.
    int childCount() const override { return int(object()->children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(object()->children().value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(object()->children().indexOf(child->object())) : -1;
    }
    QAccessible::Role role() const override
    {
        return QAccessible::Role(object()->property(kRoleProperty).toInt());
    }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override
    {
        const auto *announcer = qobject_cast<const Announcer *>(object());
        return t == QAccessible::Name && announcer ? announcer->words() : QString();
    }
};

// What a screen reader says of the controls and the lesson's steps.
struct Accessibility
{
    Q_DECLARE_TR_FUNCTIONS(Accessibility)
};

QAccessibleInterface *lessonInterfaces(const QString &className, QObject *object)
{
    const QVariant role = object->property(kRoleProperty);
    if (!object->isWidgetType() && role.isValid())
        return new AnnouncementAccessible(object);
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (role.toInt() == QAccessible::Window)
        return new WindowAccessible(widget);
    if (className == QLatin1String("ChoiceList"))
        return new ChoiceListAccessible(static_cast<ChoiceList *>(widget));
    if (className == QLatin1String("QTextEdit"))
        return new TextAccessible(static_cast<QTextEdit *>(widget));
    if (role.isValid())
        return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    if (className == QLatin1String("HelpArrow"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(lessonInterfaces), true);
}

void describeForAssistiveTechnology(QWidget *window, const Controls &controls, RuleBoard *rules,
                                    Pages *pages, ChoiceLists *lists)
{
    const auto name = [](QWidget *control, const QString &text, const QString &description) {
        control->setAccessibleName(text);
        control->setAccessibleDescription(description);
    };
    const ChoiceLists::Widgets &list = controls.lists;
    const LessonButtons::Widgets &button = controls.buttons;
    //: The name a screen reader gives the list of the radius r1; keep "r1" as written.
    name(list.r1, Accessibility::tr("Radius r1"),
         Accessibility::tr("The radius r1 of the circle with centre P, in centimetres"));
    //: The name a screen reader gives the list of the radius r2; keep "r2" as written.
    name(list.r2, Accessibility::tr("Radius r2"),
         Accessibility::tr("The radius r2 of the circle with centre Q, in centimetres"));
    //: The name a screen reader gives the list of the distance PQ; keep "PQ" as written.
    name(list.distance, Accessibility::tr("Distance PQ"),
         Accessibility::tr("The distance PQ between the centres P and Q, in centimetres"));
    //: A screen reader's name for the Next button, which may be longer than the button's label.
    name(button.next, Accessibility::tr("Next"), Accessibility::tr("Go on to the practice page"));
    name(button.back, Accessibility::tr("Back"),
         Accessibility::tr("Return to the introduction page"));
    //: The Home button ends the lesson.
    name(button.home, Accessibility::tr("Home"), Accessibility::tr("End the lesson"));
    name(button.print, Accessibility::tr("Print"), Accessibility::tr("Print the window"));
    for (QWidget *decoration : std::initializer_list<QWidget *>{
             list.r1Letter, list.r1Digit, list.r2Letter, list.r2Digit, list.distanceCaption,
             list.surroundings, controls.pages.frames})
        decoration->setProperty(kDecorationProperty, true);
    window->setAccessibleName(window->windowTitle());

    // AT-SPI hears a selection event as "selected" changing, of the box that holds and that held.
    const std::array<QTextEdit *, 5> boxes = controls.rules;
    QObject::connect(rules, &RuleBoard::ruleThatHoldsChanged, window, [boxes](int) {
        for (QTextEdit *box : boxes) {
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent stateChange(box, changed);
            QAccessible::updateAccessibility(&stateChange);
            QAccessibleEvent selection(box, QAccessible::Selection);
            QAccessible::updateAccessibility(&selection);
        }
    });

    // After the window's own connections: the figure is drawn and the page changed when they run.
    auto *announcementBar = new QObject(window);
    announcementBar->setObjectName(QStringLiteral("announcementBar"));
    announcementBar->setProperty(kRoleProperty, QAccessible::StatusBar);
    auto *announcer = new Announcer(announcementBar);
    announcer->setProperty(kRoleProperty, QAccessible::Notification);
    const auto outcome = [announcer, figure = controls.figure] {
        if (!figure->isHidden())
            announcer->outcomeShown(figure->accessibleDescription());
    };
    // Renamed, so that no reader keeps the old words, and shown afresh to be read as it appears.
    QObject::connect(announcer, &Announcer::told, announcer, [announcer] {
        for (const QAccessible::Event change :
             {QAccessible::NameChanged, QAccessible::ObjectShow}) {
            QAccessibleEvent news(announcer, change);
            QAccessible::updateAccessibility(&news);
        }
    });
    QObject::connect(lists, &ChoiceLists::radiusChosen, announcer, outcome);
    QObject::connect(lists, &ChoiceLists::distanceChosen, announcer, outcome);
    QObject::connect(pages, &Pages::promptShown, announcer, &Announcer::promptShown);
    QObject::connect(button.next, &QAbstractButton::clicked, announcer, [announcer, outcome] {
        //: Spoken by a screen reader when the pupil reaches the practice page.
        announcer->placeReached(Accessibility::tr("The practice page."));
        outcome();
    });
    QObject::connect(button.back, &QAbstractButton::clicked, announcer, [announcer] {
        //: Spoken by a screen reader when the pupil returns to the introduction.
        announcer->placeReached(Accessibility::tr("The introduction page."));
    });
}
