#include "accessible.h"

#include <QAccessibleWidget>
#include <vector>

#include "fonts.h"
#include "runtime/hittest.h"
#include "units.h"
#include "window.h"

namespace smk::qt {

namespace {

// A label or a picture: painted by its window, so it has no widget of its own.
class GraphicalAccessible : public QAccessibleInterface {
public:
    GraphicalAccessible(ScreenWindow* w, int control) : w_(w), control_(control) {}
    bool isValid() const override { return w_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return w_->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(w_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? qstr(spokenName(w_->liveScreen(), control_)) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect r = w_->rectOf(control_);
        return QRect(w_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return w_->liveScreen().def().controls[static_cast<std::size_t>(control_)].kind == Kind::Image
                   ? QAccessible::Graphic
                   : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !w_->liveScreen().state(control_).visible;
        return s;
    }

private:
    ScreenWindow* w_;
    int control_;
};

// The window: its widgets as Qt knows them, then its visible labels and pictures in stored order.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(ScreenWindow* w) : QAccessibleWidget(w, QAccessible::Window), w_(w) {
        const ScreenDef& def = w->liveScreen().def();
        ids_.assign(def.controls.size(), 0);
    }
    ~WindowAccessible() override {
        for (auto id : ids_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(graphical().size()); }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const auto g = graphical();
        const auto k = static_cast<std::size_t>(index - widgets);
        return k < g.size() ? interfaceOf(g[k]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int widgets = QAccessibleWidget::childCount();
        const auto g = graphical();
        for (std::size_t k = 0; k < g.size(); ++k)
            if (ids_[static_cast<std::size_t>(g[k])] && QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(g[k])]) == child)
                return widgets + static_cast<int>(k);
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = w_->mapFromGlobal(QPoint(x, y));
        const int i = hitTest(w_->liveScreen(), twips(local.x() / w_->scale()), twips(local.y() / w_->scale()));
        if (i < 0) return nullptr;
        if (QWidget* widget = w_->widget(i)) return QAccessible::queryAccessibleInterface(widget);
        return interfaceOf(i);
    }

private:
    std::vector<int> graphical() const {
        std::vector<int> v;
        const Screen& s = w_->liveScreen();
        for (std::size_t i = 0; i < s.def().controls.size(); ++i) {
            const Kind k = s.def().controls[i].kind;
            if ((k == Kind::Label || k == Kind::Image) && s.state(static_cast<int>(i)).visible) v.push_back(static_cast<int>(i));
        }
        return v;
    }
    QAccessibleInterface* interfaceOf(int control) const {
        auto& id = ids_[static_cast<std::size_t>(control)];
        if (!id) id = QAccessible::registerAccessibleInterface(new GraphicalAccessible(w_, control));
        return QAccessible::accessibleInterface(id);
    }

    ScreenWindow* w_;
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("smk::qt::ScreenWindow") && object && object->isWidgetType())
        return new WindowAccessible(static_cast<ScreenWindow*>(object));
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

}  // namespace smk::qt
