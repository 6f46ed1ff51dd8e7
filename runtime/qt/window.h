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
    void centreOnDisplay();
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

    Screen& screen_;
    std::vector<QWidget*> widgets_;  // by stored position; null for graphical controls
    int pressed_ = -2;               // control under the last press; -2 for none
};

}  // namespace smk::qt
