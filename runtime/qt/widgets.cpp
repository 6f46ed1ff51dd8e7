#include "widgets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QStyleOptionFrame>
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

namespace {

constexpr int kMargin = 3;  // inside the sunken edge
std::u16string u16(const QString& s) { return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())}; }
// What typing may put into a field: printable characters, spaces included; no control characters.
QString typable(const QString& t) {
    QString out;
    for (QChar ch : t)
        if (ch.isPrint() || ch.isSurrogate()) out += ch;
    return out;
}
// More characters than this never fit a field, whatever the font: the text is then not measured whole.
constexpr std::size_t kShortText = 160;

}  // namespace

Field::Field(const Control& c, double scale, QWidget* parent) : QWidget(parent), c_(c) {
    setGeometry(controlRect(c, scale));
    if (c.Font) {
        font_ = qfont(*c.Font);
        if (scale != 1.0) font_.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPixels(*c.Font) * scale))));
        setFont(font_);
    }
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_KeyCompression, false);
    setCursor(Qt::IBeamCursor);
}

QString Field::text() const { return qstr(buffer_.text()); }
QString Field::selectedText() const { return qstr(buffer_.selectedText()); }

void Field::edited(bool changed) {
    update();
    if (!changed) return;
    if (onChange_) onChange_(buffer_.text());
    if (isSignalConnected(QMetaMethod::fromSignal(&Field::textChanged))) emit textChanged(text());
}

void Field::setText(const QString& t) { edited(buffer_.setText(u16(t))); }
void Field::insert(const QString& t) { edited(buffer_.insert(u16(t))); }
void Field::selectAll() { buffer_.selectAll(); update(); }
void Field::setSelection(int start, int length) {
    buffer_.setSelection(static_cast<std::size_t>(std::max(0, start)), static_cast<std::size_t>(std::max(0, length)));
    update();
}
void Field::copy() const {
    if (buffer_.hasSelection()) QGuiApplication::clipboard()->setText(selectedText());
}
void Field::cut() {
    if (!buffer_.hasSelection()) return;
    copy();
    edited(buffer_.insert(u""));
}
// What is pasted is kept as it is, whatever it holds; only keys that type nothing are filtered.
void Field::paste() { edited(buffer_.insert(u16(QGuiApplication::clipboard()->text()))); }
void Field::undo() { edited(buffer_.undo()); }
void Field::redo() { edited(buffer_.redo()); }

void Field::keyPressEvent(QKeyEvent* e) {
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    if (e == QKeySequence::Undo) return undo();
    if (e == QKeySequence::Redo) return redo();
    if (e == QKeySequence::Cut) return cut();
    if (e == QKeySequence::Copy) return copy();
    if (e == QKeySequence::Paste) return paste();
    if (e == QKeySequence::SelectAll) return selectAll();
    switch (e->key()) {
    case Qt::Key_Backspace: return edited(buffer_.backspace());
    case Qt::Key_Delete: return edited(buffer_.deleteForward());
    case Qt::Key_Left: buffer_.left(shift); return update();
    case Qt::Key_Right: buffer_.right(shift); return update();
    case Qt::Key_Home: case Qt::Key_Up: buffer_.home(shift); return update();
    case Qt::Key_End: case Qt::Key_Down: buffer_.end(shift); return update();
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Escape: case Qt::Key_Return: case Qt::Key_Enter:
        return e->ignore();
    default: break;
    }
    const QString t = typable(e->text());
    if (t.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) return e->ignore();
    edited(buffer_.insert(u16(t)));
}

void Field::inputMethodEvent(QInputMethodEvent* e) {
    if (!e->commitString().isEmpty()) edited(buffer_.insert(u16(typable(e->commitString()))));
    e->accept();
}

QVariant Field::inputMethodQuery(Qt::InputMethodQuery q) const {
    switch (q) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle: return QRect(int(textArea().center().x()), 0, 1, height());
    case Qt::ImCursorPosition: return cursorPosition();
    case Qt::ImHints: return int(Qt::ImhNoPredictiveText);
    default: return QWidget::inputMethodQuery(q);
    }
}

void Field::focusInEvent(QFocusEvent* e) { QWidget::focusInEvent(e); update(); }
void Field::focusOutEvent(QFocusEvent* e) { QWidget::focusOutEvent(e); update(); }

QRectF Field::textArea() const { return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin); }

std::size_t Field::firstShown() const {
    const std::u16string& t = buffer_.text();
    const QFontMetricsF fm(font_);
    const double room = textArea().width();
    if (t.size() <= kShortText && fm.horizontalAdvance(qstr(t)) <= room) return scroll_ = 0;
    const std::size_t cur = buffer_.cursor();
    if (scroll_ > cur) scroll_ = cur;
    // Walk back from the cursor while the characters fit; never measure more than fits.
    double w = 0;
    std::size_t start = cur;
    while (start > 0) {
        std::size_t prev = start - 1;
        if (prev > 0 && QChar::isLowSurrogate(t[prev]) && QChar::isHighSurrogate(t[prev - 1])) --prev;
        w += fm.horizontalAdvance(qstr(std::u16string_view(t).substr(prev, start - prev)));
        if (w > room) break;
        start = prev;
    }
    if (scroll_ < start) scroll_ = start;
    return scroll_;
}

void Field::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    frame.palette.setColor(QPalette::Base, qcolor(c_.backColor()));
    p.fillRect(rect(), qcolor(c_.backColor()));
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &p, this);

    const QRectF area = textArea();
    const std::u16string& t = buffer_.text();
    const QFontMetricsF fm(font_);
    const std::size_t first = firstShown();
    // The characters that can be seen, and a few more.
    std::size_t last = first;
    for (double w = 0; last < t.size() && w <= area.width(); ++last) w += fm.horizontalAdvance(QChar(t[last]));
    const std::size_t shownEnd = std::min(t.size(), last + 2);
    const QString shown = qstr(std::u16string_view(t).substr(first, shownEnd - first));
    const double width = fm.horizontalAdvance(shown);
    double x = area.left();
    if (first == 0 && width <= area.width()) {
        if (c_.Alignment == Align::Centre) x += (area.width() - width) / 2;
        else if (c_.Alignment == Align::Right) x += area.width() - width;
    }
    const double baseline = area.top() + (area.height() - fm.height()) / 2 + fm.ascent();
    auto xAt = [&](std::size_t pos) {
        pos = std::clamp(pos, first, shownEnd);
        return x + fm.horizontalAdvance(qstr(std::u16string_view(t).substr(first, pos - first)));
    };

    p.setClipRect(area);
    p.setFont(font_);
    if (buffer_.hasSelection() && hasFocus()) {
        const double a = xAt(buffer_.selectionStart()), b = xAt(buffer_.selectionEnd());
        p.fillRect(QRectF(a, area.top(), b - a, area.height()), palette().color(QPalette::Highlight));
    }
    p.setPen(qcolor(c_.foreColor()));
    p.drawText(QPointF(x, baseline), shown);
    if (buffer_.hasSelection() && hasFocus()) {
        const double a = xAt(buffer_.selectionStart()), b = xAt(buffer_.selectionEnd());
        p.save();
        p.setClipRect(QRectF(a, area.top(), b - a, area.height()).intersected(area));
        p.setPen(palette().color(QPalette::HighlightedText));
        p.drawText(QPointF(x, baseline), shown);
        p.restore();
    }
    if (hasFocus()) {
        const double cx = std::round(xAt(buffer_.cursor()));
        p.fillRect(QRectF(cx, baseline - fm.ascent(), 1.5, fm.height()), qcolor(c_.foreColor()));
    }
}

void Field::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    setFocus(Qt::MouseFocusReason);
    const std::u16string& t = buffer_.text();
    const QFontMetricsF fm(font_);
    const std::size_t first = firstShown();
    const QRectF area = textArea();
    const QString all = qstr(std::u16string_view(t).substr(first, std::min<std::size_t>(t.size() - first, kShortText)));
    double x = area.left();
    const double width = fm.horizontalAdvance(all);
    if (first == 0 && width <= area.width() && c_.Alignment == Align::Centre) x += (area.width() - width) / 2;
    std::size_t pos = first;
    while (pos < t.size() && pos - first < kShortText) {
        const double w = fm.horizontalAdvance(QChar(t[pos]));
        if (e->position().x() < x + w / 2) break;
        x += w;
        ++pos;
    }
    buffer_.moveTo(pos, e->modifiers() & Qt::ShiftModifier);
    update();
}

void Field::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) selectAll();
}

}  // namespace smk::qt
