#include "screens.h"

#include <array>

namespace smk {

const Asset kWindowIcon{":/icon.svg", AssetFormat::Metafile, 480, 480, u"бабочка"};

std::span<const ScreenDef* const> program() {
    static const std::array<const ScreenDef*, 10> all{
        screens::Main(),  screens::FrmZ1(), screens::FrmZ2(), screens::FrmZ3(), screens::FrmZ4(),
        screens::FrmZ5(), screens::FrmZ6(), screens::FrmZ7(), screens::FrmZ8(), screens::FrmZ9(),
    };
    return all;
}

}  // namespace smk
