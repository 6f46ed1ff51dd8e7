// The two windowed controls: a push button and a single-line text field.
#pragma once

#include <QLineEdit>
#include <QPushButton>

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

class Field : public QLineEdit {
    Q_OBJECT
public:
    Field(const Control& c, double scale, QWidget* parent);
    const Control& control() const { return c_; }

private:
    const Control& c_;
};

QColor qcolor(Colour c);

}  // namespace smk::qt
