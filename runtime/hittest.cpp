#include "hittest.h"

#include <algorithm>

#include "live.h"

namespace smk {

int hitTest(const Screen& screen, std::int32_t x, std::int32_t y) {
    const auto& controls = screen.def().controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (isWindowed(controls[i].kind) && controls[i].contains(x, y)) return static_cast<int>(i);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        if ((c.kind == Kind::Label || c.kind == Kind::Image) && screen.state(static_cast<int>(i)).visible &&
            c.contains(x, y))
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<int> focusOrder(const ScreenDef& def) {
    std::vector<int> order;
    for (std::size_t i = 0; i < def.controls.size(); ++i)
        if (isWindowed(def.controls[i].kind)) order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return def.controls[static_cast<std::size_t>(a)].TabIndex < def.controls[static_cast<std::size_t>(b)].TabIndex;
    });
    return order;
}

int firstFocus(const ScreenDef& def) {
    auto order = focusOrder(def);
    return order.empty() ? -1 : order.front();
}

int nextFocus(const ScreenDef& def, int current, bool forward) {
    auto order = focusOrder(def);
    if (order.empty()) return -1;
    auto it = std::find(order.begin(), order.end(), current);
    if (it == order.end()) return forward ? order.front() : order.back();
    auto n = static_cast<std::ptrdiff_t>(order.size());
    auto pos = it - order.begin();
    pos = (pos + (forward ? 1 : n - 1)) % n;
    return order[static_cast<std::size_t>(pos)];
}

}  // namespace smk
