#include "window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "pictures.h"
#include "runtime/hittest.h"
#include "runtime/layout.h"
#include "units.h"
#include "widgets.h"

namespace smk::qt {

namespace {

// Room left around a window for its frame and the desktop's panels when fitting it to a display.
constexpr int kFrameAllowanceX = 16, kFrameAllowanceY = 48;

// The scale at which a screen fits the display's available area: 1 on any display large enough,
// otherwise the largest that fits, the same horizontally and vertically.
double fitScale(const ScreenDef& def) {
    const QScreen* display = QGuiApplication::primaryScreen();
    if (!display) return 1.0;
    const QRect area = display->availableGeometry();
    const double sx = (area.width() - kFrameAllowanceX) / px(def.ClientWidth);
    const double sy = (area.height() - kFrameAllowanceY) / px(def.ClientHeight);
    return std::clamp(std::min(sx, sy), 0.25, 1.0);
}

}  // namespace

ScreenWindow::ScreenWindow(Screen& screen) : QWidget(nullptr), screen_(screen), scale_(fitScale(screen.def())) {
    const ScreenDef& def = screen.def();
    setWindowTitle(qstr(def.Caption));
    setWindowIcon(programIcon());
    setFixedSize(static_cast<int>(std::lround(px(def.ClientWidth) * scale_)),
                 static_cast<int>(std::lround(px(def.ClientHeight) * scale_)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);

    widgets_.assign(def.controls.size(), nullptr);
    // Windowed controls are created last stored first, so that the first stored ends on top.
    for (int i = static_cast<int>(def.controls.size()) - 1; i >= 0; --i) {
        const Control& c = def.controls[static_cast<std::size_t>(i)];
        if (c.kind == Kind::CommandButton) {
            auto* b = new Button(c, scale_, this);
            connect(b, &QPushButton::clicked, this, [this, i] { screen_.click(i); });
            widgets_[static_cast<std::size_t>(i)] = b;
        } else if (c.kind == Kind::TextBox) {
            auto* f = new Field(c, scale_, this);
            f->onChange([this, i](std::u16string_view t) { screen_.typed(i, t); });
            widgets_[static_cast<std::size_t>(i)] = f;
        }
        if (QWidget* w = widgets_[static_cast<std::size_t>(i)]) {
            w->setAccessibleName(qstr(spokenName(screen_, i)));
            w->raise();
            w->installEventFilter(this);
        }
    }
    // Tab order by TabIndex; Qt wraps from the last to the first.
    const std::vector<int> order = focusOrder(def);
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(widgets_[static_cast<std::size_t>(order[k - 1])], widgets_[static_cast<std::size_t>(order[k])]);
}

QWidget* ScreenWindow::widget(int control) const {
    if (control < 0 || static_cast<std::size_t>(control) >= widgets_.size()) return nullptr;
    return widgets_[static_cast<std::size_t>(control)];
}

QPoint ScreenWindow::pointOf(std::int32_t x, std::int32_t y) const {
    return {static_cast<int>(std::lround(px(x) * scale_)), static_cast<int>(std::lround(px(y) * scale_))};
}

QRect ScreenWindow::rectOf(int control) const {
    return controlRect(screen_.def().controls[static_cast<std::size_t>(control)], scale_);
}

void ScreenWindow::controlChanged(int control) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);  // a label or picture came or went
    QAccessible::updateAccessibility(&reorder);
    if (QWidget* w = widget(control)) {
        QAccessibleEvent e(w, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
}

void ScreenWindow::prerenderPictures() {
    std::vector<std::pair<const Asset*, QSizeF>> pictures;
    const auto& controls = screen_.def().controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const LiveControl& s = screen_.state(static_cast<int>(i));
        if (controls[i].kind == Kind::Image && s.visible && s.picture)
            pictures.emplace_back(s.picture, drawnSize(controls[i], *s.picture));
    }
    prerender(pictures, devicePixelRatioF() * scale_);
}

void ScreenWindow::focusFirst() {
    if (QWidget* w = widget(screen_.focused())) w->setFocus(Qt::OtherFocusReason);
}

void ScreenWindow::centreOnDisplay() {
    QScreen* display = QWidget::screen() ? QWidget::screen() : QGuiApplication::primaryScreen();
    if (!display) return;
    const QRect area = display->availableGeometry();
    // The client area is centred; the frame, whose size is known only once shown, surrounds it.
    setGeometry(QRect(area.center() - QPoint(width() / 2, height() / 2), size()));
}

void ScreenWindow::releaseSurface() {
    if (!isVisible()) destroy(true, true);
}

bool ScreenWindow::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        for (std::size_t i = 0; i < widgets_.size(); ++i)
            if (widgets_[i] == o) screen_.setFocused(static_cast<int>(i));
    }
    return QWidget::eventFilter(o, e);
}

void ScreenWindow::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.setClipRegion(e->region());
    p.fillRect(rect(), qcolor(screen_.def().backColor()));
    p.scale(scale_, scale_);  // from here on, unscaled logical pixels
    for (int i = static_cast<int>(screen_.def().controls.size()) - 1; i >= 0; --i) paintControl(p, i);
}

void ScreenWindow::paintControl(QPainter& p, int i) {
    const Control& c = screen_.def().controls[static_cast<std::size_t>(i)];
    const LiveControl& s = screen_.state(i);
    switch (c.kind) {
    case Kind::CommandButton:
    case Kind::TextBox:
        return;
    case Kind::Line: {
        QPen pen(qcolor(c.borderColor()));
        pen.setWidth(c.BorderWidth > 0 ? c.BorderWidth : 1);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(point(c.X1, c.Y1), point(c.X2, c.Y2));
        return;
    }
    case Kind::Shape: {
        p.setPen(QPen(qcolor(c.borderColor()), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(controlRect(c)).adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    }
    case Kind::Image: {
        if (!s.visible || !s.picture) return;
        const QRectF r = controlRectF(c);
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        p.drawImage(r.topLeft(), picture(*s.picture, drawnSize(c, *s.picture), devicePixelRatioF() * scale_));
        p.restore();
        return;
    }
    case Kind::Label: {
        if (!s.visible) return;
        const QRectF r = controlRectF(c);
        if (c.opaque()) p.fillRect(r, qcolor(c.backColor()));
        if (c.BorderStyle == 1) {
            p.setPen(QPen(QColor(0, 0, 0), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        }
        if (s.caption.empty() || !c.Font) return;
        QtMeasurer m;
        auto lines = layoutCaption(s.caption, *c.Font, r.width(), r.height(), c.Alignment, false, m);
        p.save();
        p.setClipRect(r, Qt::IntersectClip);
        p.setFont(qfont(*c.Font));
        p.setPen(qcolor(c.foreColor()));
        const double ascent = metrics(*c.Font).ascent();
        for (const auto& l : lines) p.drawText(r.topLeft() + QPointF(l.x, l.y + ascent), qstr(l.text));
        p.restore();
        return;
    }
    }
}

// The window itself receives presses only where no button or field widget lies. A point where a
// windowed control's rectangle and its widget, rounded to whole pixels, disagree belongs to neither.
int ScreenWindow::graphicalAt(QPointF pos) const {
    const int i = hitTest(screen_, twips(pos.x() / scale_), twips(pos.y() / scale_));
    return i >= 0 && widget(i) ? -1 : i;
}

void ScreenWindow::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = graphicalAt(e->position());
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int under = graphicalAt(e->position());
    const int pressed = pressed_;
    pressed_ = -2;
    if (under >= 0 && under == pressed) screen_.click(under);
}

void ScreenWindow::closeEvent(QCloseEvent* e) {
    // Closing through the frame: an exercise acts like its "Меню", the menu like "Выход".
    e->ignore();
    App& app = screen_.app();
    if (app.ended()) {
        e->accept();
        return;
    }
    if (&screen_ == app.live(0)) {
        app.endProgram();
    } else {
        app.hideScreen(screen_.def().name);
        app.showScreen(app.screens()[0]->name);
    }
}

}  // namespace smk::qt
