#include "widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "fonts.h"
#include "runtime/layout.h"
#include "units.h"

namespace smk::qt {

QColor qcolor(Colour c) {
    Rgb rgb = resolve(c);
    return {rgb.r, rgb.g, rgb.b};
}

// --- Button ------------------------------------------------------------------------------------

Button::Button(const Control& c, double scale, QWidget* parent) : QPushButton(parent), c_(c), scale_(scale) {
    setGeometry(controlRect(c, scale));
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    setText(qstr(c.Caption));  // for accessibility; the caption is painted below
    if (c.Font) setFont(qfont(*c.Font));
}

void Button::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void Button::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool down = isDown();
    if (c_.Style != 1) {
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        opt.palette.setColor(QPalette::Button, qcolor(sys::ButtonFace));
        style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
    }
    // The face, caption and focus mark are drawn at the window's scale, in unscaled pixels.
    p.scale(scale_, scale_);
    const QRect r(0, 0, static_cast<int>(std::lround(width() / scale_)), static_cast<int>(std::lround(height() / scale_)));
    if (c_.Style == 1) {
        // Graphical: a flat face in BackColor with the raised edge of a push button.
        p.fillRect(r, qcolor(c_.faceColor()));
        const QColor light(255, 255, 255), shadow(128, 128, 128), dark(0, 0, 0);
        auto edge = [&](const QRect& q, const QColor& tl, const QColor& br) {
            p.setPen(tl);
            p.drawLine(q.topLeft(), q.topRight() - QPoint(1, 0));
            p.drawLine(q.topLeft(), q.bottomLeft() - QPoint(0, 1));
            p.setPen(br);
            p.drawLine(q.bottomLeft(), q.bottomRight());
            p.drawLine(q.topRight(), q.bottomRight());
        };
        if (down) {
            edge(r, dark, light);
            edge(r.adjusted(1, 1, -1, -1), shadow, qcolor(c_.faceColor()));
        } else {
            edge(r, light, dark);
            edge(r.adjusted(1, 1, -1, -1), qcolor(c_.faceColor()), shadow);
        }
    }

    if (c_.Font && !c_.Caption.empty()) {
        const QRectF text = QRectF(r).adjusted(3, 3, -3, -3);
        QtMeasurer m;
        auto lines = layoutCaption(c_.Caption, *c_.Font, text.width(), text.height(), Align::Centre, true, m);
        p.setFont(qfont(*c_.Font));
        p.setPen(qcolor(c_.foreColor()));
        p.setClipRect(r.adjusted(2, 2, -2, -2));
        const double ascent = metrics(*c_.Font).ascent();
        const QPointF shift = down ? QPointF(1, 1) : QPointF(0, 0);
        for (const auto& l : lines)
            p.drawText(text.topLeft() + QPointF(l.x, l.y + ascent) + shift, qstr(l.text));
        p.setClipping(false);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect fr;
        fr.initFrom(this);
        fr.rect = r.adjusted(4, 4, -4, -4);
        fr.backgroundColor = qcolor(c_.faceColor());
        QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(fr.rect.adjusted(0, 0, -1, -1));
    }
}

// --- Field -------------------------------------------------------------------------------------

Field::Field(const Control& c, double scale, QWidget* parent) : QLineEdit(parent), c_(c) {
    setGeometry(controlRect(c, scale));
    setMaxLength(std::numeric_limits<int>::max());
    setAlignment(c.Alignment == Align::Centre ? Qt::AlignCenter
                 : c.Alignment == Align::Right ? Qt::AlignRight | Qt::AlignVCenter
                                               : Qt::AlignLeft | Qt::AlignVCenter);
    if (c.Font) {
        QFont f = qfont(*c.Font);
        if (scale != 1.0) f.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPixels(*c.Font) * scale))));
        setFont(f);
    }
    QPalette pal = palette();
    pal.setColor(QPalette::Base, qcolor(c.backColor()));
    pal.setColor(QPalette::Text, qcolor(c.foreColor()));
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
}

}  // namespace smk::qt
