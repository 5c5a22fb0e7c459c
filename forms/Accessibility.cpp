// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/Accessibility.h"

#include "core/Language.h"
#include "diagram/Description.h"
#include "diagram/Lesson.h"
#include "forms/Captions.h"
#include "forms/ErrorReport.h"
#include "forms/LanguageSwitch.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <iterator>

namespace {

// The accessible name of a control: the text of its caption, its label or
// its hint, without the label's colon.
// The texts are the main window's own, translated in its context.
struct AccessibleName {
    const char* control;
    const char* text;
};
constexpr AccessibleName MainWindowNames[] = {
    {"BtPla", QT_TRANSLATE_NOOP("TFPrincipal", "espejo plano")},
    {"BtConv", QT_TRANSLATE_NOOP("TFPrincipal", "espejo convexo")},
    {"BtConc", QT_TRANSLATE_NOOP("TFPrincipal", "espejo cóncavo")},
    {"BtsMiralls", QT_TRANSLATE_NOOP("TFPrincipal", "Espejos")},
    {"BarraDespl", QT_TRANSLATE_NOOP("TFPrincipal", "posición objecto")},
    {"EdPosObj", QT_TRANSLATE_NOOP("TFPrincipal", "posición objecto")},
    {"DadesImatge", QT_TRANSLATE_NOOP("TFPrincipal", "Imagen")},
    {"EdPosIm", QT_TRANSLATE_NOOP("TFPrincipal", "Posición de la imagen")},
    {"EdAugm", QT_TRANSLATE_NOOP("TFPrincipal", "Aumento")},
};
// The diagram's name: the "Diagrama" menu's own word.
constexpr TLangText LangDiagram = {"TDiagramCommands",
                                   QT_TRANSLATE_NOOP("TDiagramCommands", "Diagrama")};

struct MirrorKey {
    const char* button;
    const char* menuItem; // shows the key; none for the concave submenu
    const char* keys;
};
constexpr MirrorKey MirrorKeys[] = {
    {"BtPla", "Oppla", "Ctrl+1"},
    {"BtConv", "OpConvex", "Ctrl+2"},
    {"BtConc", nullptr, "Ctrl+3"},
};

// Qt tells assistive technology of each setting (NameChanged,
// DescriptionChanged), even of the same text again: only changes are set,
// so that a screen reader says nothing twice.
void SetName(QWidget* w, const QString& name) {
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
}

void SetDescription(QWidget* w, const QString& description) {
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}

template <typename T> T* Control(QWidget* window, const char* name) {
    return qobject_cast<T*>(CaptionedControl(window, name));
}

void NameControls(QWidget* window) {
    for (const AccessibleName& n : MainWindowNames) {
        if (auto* w = Control<QWidget>(window, n.control)) {
            QString name = QCoreApplication::translate("TFPrincipal", n.text);
            if (name.endsWith(QLatin1Char(':')))
                name.chop(1);
            SetName(w, name);
        }
    }
}

constexpr char FocusRingName[] = "MarcaFoco";

// The focus ring only shows where the focus is, which the screen reader
// already says, the results panel's rounded frame only frames two fields,
// and the classroom view over the panel shows the scene the panel already
// describes: all are left out of what the reader reads, as decoration.
constexpr const char* Decorations[] = {FocusRingName, "Shape1", "GraficClase"};

class Decoration : public QAccessibleWidget {
public:
    explicit Decoration(QWidget* w) : QAccessibleWidget(w, QAccessible::Border) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

// The scene of each view of the diagram whose description is not written
// yet: with no screen reader listening, the words are worked out when they
// are read, not at every step of a drag.
struct PendingDescription {
    Scene scene;
    ImageResult image;
    bool written = true;
};
QHash<const QWidget*, PendingDescription>& PendingDescriptions() {
    static QHash<const QWidget*, PendingDescription> pending;
    return pending;
}

void WriteDescription(QWidget* diagram) {
    const auto it = PendingDescriptions().find(diagram);
    if (it != PendingDescriptions().end() && !it->written) {
        it->written = true;
        SetDescription(diagram, DescribeScene(it->scene, it->image, Language));
    }
}

// The diagram's views are pictures to a screen reader, not empty fillers,
// their description written when it is first read.
class DiagramGraphic : public QAccessibleWidget {
public:
    explicit DiagramGraphic(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            WriteDescription(widget());
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* DiagramInterface(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("TGraficPanel") ||
        className == QLatin1String("TPresentacioDiagrama"))
        return new DiagramGraphic(w);
    if (className == QLatin1String(object->metaObject()->className()) &&
        std::any_of(std::begin(Decorations), std::end(Decorations),
                    [w](const char* name) { return w->objectName() == QLatin1String(name); }))
        return new Decoration(w);
    return nullptr;
}

// The ring around whatever took the focus from the keyboard: a widget of its
// own over the window's controls, drawn outside the control so that nothing
// of it is hidden, and passing every click through.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* window) : QWidget(window) {
        setObjectName(QLatin1String(FocusRingName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void ring(QWidget* control) {
        const QRect r(control->mapTo(window(), QPoint(0, 0)), control->size());
        setGeometry(r.adjusted(-Width, -Width, Width, Width));
        // Only the ring itself covers the window: the control shows through.
        setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(Width, Width, -Width, -Width))));
        raise();
        show();
    }

    // Black outside and white inside, each a line and a half wide: one of
    // the two stands out on any colour the windows use.
    static constexpr int Width = 3;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        const QRect outer = rect();
        p.fillRect(outer, Qt::black);
        p.fillRect(outer.adjusted(2, 2, -2, -2), Qt::white);
    }
};

// Watches the focus in every window of the program.
class FocusWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            auto* control = static_cast<QWidget*>(watched);
            RunHandler([this, control, reason] { Follow(control, reason); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Follow(QWidget* control, Qt::FocusReason reason) {
        const bool fromKeyboard = reason == Qt::TabFocusReason ||
                                  reason == Qt::BacktabFocusReason ||
                                  reason == Qt::ShortcutFocusReason;
        // Coming back to a window, or out of a menu, keeps the last mark.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return;
        if (ring_ && (!fromKeyboard || ring_->window() != control->window()))
            ring_->hide();
        if (!fromKeyboard || control->isWindow())
            return;
        if (!ring_ || ring_->window() != control->window()) {
            delete ring_;
            ring_ = new FocusRing(control->window());
        }
        ring_->ring(control);
    }

    QPointer<FocusRing> ring_;
};

} // namespace

QAbstractSlider::SliderAction DiagramKeyStep(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return QAbstractSlider::SliderSingleStepSub;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return QAbstractSlider::SliderSingleStepAdd;
    case Qt::Key_PageUp:
        return QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_PageDown:
        return QAbstractSlider::SliderPageStepSub;
    case Qt::Key_Home:
        return QAbstractSlider::SliderToMinimum;
    case Qt::Key_End:
        return QAbstractSlider::SliderToMaximum;
    default:
        return QAbstractSlider::SliderNoAction;
    }
}

void DescribeDiagram(QWidget* diagram, const LessonState& state) {
    SetName(diagram, LangCaption(LangDiagram));
    auto& pending = PendingDescriptions();
    if (!pending.contains(diagram)) {
        QObject::connect(diagram, &QObject::destroyed,
                         [diagram] { PendingDescriptions().remove(diagram); });
    }
    pending[diagram] = {state.scene, state.image, false};
    if (QAccessible::isActive()) {
        WriteDescription(diagram);
    }
}

namespace {

// The keys of the presentation on the main window's panel.
class DiagramKeys : public QObject {
public:
    DiagramKeys(QWidget* panel, QScrollBar* bar) : QObject(panel), bar_(bar) {
        panel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QAbstractSlider::SliderAction action =
            key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier
                ? DiagramKeyStep(key->key())
                : QAbstractSlider::SliderNoAction;
        if (action == QAbstractSlider::SliderNoAction)
            return QObject::eventFilter(watched, event);
        // Through the bar itself, as the presentation's keys go.
        RunHandler([this, action] { bar_->triggerAction(action); });
        return true;
    }

private:
    QScrollBar* bar_;
};

} // namespace

void MakeAccessible(QWidget* window, TLesson* lesson) {
    static const bool factory = [] {
        QAccessible::installFactory(DiagramInterface);
        qApp->installEventFilter(new FocusWatcher(qApp));
        return true;
    }();
    Q_UNUSED(factory);

    auto* panel = Control<QWidget>(window, "Grafic");
    auto* bar = Control<QScrollBar>(window, "BarraDespl");
    auto* field = Control<QWidget>(window, "EdPosObj");
    if (!panel || !bar || !field)
        return;

    // Reached by Tab only: a click on the diagram takes the object, and
    // leaves the focus where it was.
    panel->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(field, panel);
    QWidget* previous = panel;
    for (const MirrorKey& m : MirrorKeys) {
        auto* button = Control<QAbstractButton>(window, m.button);
        if (!button)
            continue;
        button->setFocusPolicy(Qt::TabFocus);
        button->setShortcut(QKeySequence(QLatin1String(m.keys)));
        QWidget::setTabOrder(previous, button);
        previous = button;
        // The menu item shows the key; it only answers to it while its
        // menu is open, the button doing so otherwise.
        if (m.menuItem) {
            if (auto* item = Control<QAction>(window, m.menuItem)) {
                item->setShortcut(QKeySequence(QLatin1String(m.keys)));
                item->setShortcutContext(Qt::WidgetShortcut);
            }
        }
    }
    if (auto* help = Control<QAction>(window, "OpHlp"))
        help->setShortcut(QKeySequence(Qt::Key_F1));
    // F10 opens the first menu, as on the desktops that have no Alt key
    // navigation of the menu bar; the arrows then go through every menu.
    if (auto* menuBar = Control<QMenuBar>(window, "MenuMirvex")) {
        auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
        f10->setObjectName(QStringLiteral("AtajoMenu"));
        QObject::connect(f10, &QShortcut::activated, menuBar, [menuBar] {
            if (!menuBar->actions().isEmpty())
                menuBar->setActiveAction(menuBar->actions().constFirst());
        });
    }
    new DiagramKeys(panel, bar);

    NameControls(window);
    DescribeDiagram(panel, lesson->state());
    QObject::connect(lesson, &TLesson::changed, panel, [panel](const LessonState& state) {
        RunHandler([panel, &state] { DescribeDiagram(panel, state); });
    });
    OnLanguageChange(panel, [window, panel, lesson] {
        NameControls(window);
        DescribeDiagram(panel, lesson->state());
    });
}
