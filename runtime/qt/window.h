// One top-level window per screen: paints the graphical controls, carries the windowed ones.
#pragma once

#include <QWidget>
#include <vector>

#include "runtime/live.h"

namespace smk::qt {

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScreenWindow(Screen& screen);
    Screen& liveScreen() { return screen_; }
    // The widget of a windowed control (stored position), or null.
    QWidget* widget(int control) const;
    void focusFirst();
    // Renders the pictures of the visible images that are not cached yet, all cores at once.
    void prerenderPictures();
    void centreOnDisplay();
    // 1, or less where the display is too small for the window: everything is drawn smaller alike.
    double scale() const { return scale_; }
    // A point of the client area in twips, as a point of this widget.
    QPoint pointOf(std::int32_t x, std::int32_t y) const;
    // The part of the widget a control occupies.
    QRect rectOf(int control) const;
    // Tells a screen reader that a control's name or visibility changed.
    void controlChanged(int control);
    // Frees the native window and its backing store (several MB at scale 2) of a hidden window;
    // the next show() creates them again.
    void releaseSurface();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void closeEvent(QCloseEvent*) override;
    bool eventFilter(QObject*, QEvent*) override;

private:
    void paintControl(QPainter& p, int i);
    int graphicalAt(QPointF pos) const;

    Screen& screen_;
    double scale_ = 1.0;
    std::vector<QWidget*> widgets_;  // by stored position; null for graphical controls
    int pressed_ = -2;               // control under the last press; -2 for none
};

}  // namespace smk::qt
