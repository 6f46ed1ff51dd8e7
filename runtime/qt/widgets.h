// The two windowed controls: a push button and a single-line text field.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <functional>

#include "runtime/editing.h"
#include "runtime/model.h"

namespace smk::qt {

class Button : public QPushButton {
    Q_OBJECT
public:
    Button(const Control& c, double scale, QWidget* parent);
    const Control& control() const { return c_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    const Control& c_;
    double scale_;
};

// A single-line text field: centred text in its font, any length, typing, deleting, selecting,
// cutting, copying, pasting, undo and redo. Each change is reported once by textChanged, with the new
// text in place. Only the part of the text around the cursor is ever measured or drawn.
class Field : public QWidget {
    Q_OBJECT
public:
    Field(const Control& c, double scale, QWidget* parent);
    const Control& control() const { return c_; }

    QString text() const;
    void setText(const QString& t);
    void insert(const QString& t);
    void clear() { setText(QString()); }
    void selectAll();
    void setSelection(int start, int length);
    int cursorPosition() const { return static_cast<int>(buffer_.cursor()); }
    QString selectedText() const;
    void cut();
    void copy() const;
    void paste();
    void undo();
    void redo();
    QSize sizeHint() const override { return size(); }
    // Called after every change with the new contents, without copying them into a QString.
    void onChange(std::function<void(std::u16string_view)> f) { onChange_ = std::move(f); }

signals:
    void textChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void inputMethodEvent(QInputMethodEvent*) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery) const override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void edited(bool changed);
    QRectF textArea() const;
    // The first character drawn, chosen so that the cursor stays in view.
    std::size_t firstShown() const;

    const Control& c_;
    QFont font_;
    EditBuffer buffer_;
    mutable std::size_t scroll_ = 0;
    std::function<void(std::u16string_view)> onChange_;
};

QColor qcolor(Colour c);

}  // namespace smk::qt
