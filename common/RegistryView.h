#pragma once
// Which registry view the programs use. Both builds must see the same settings and the same shell
// registration, so on 64-bit Windows (a 64-bit process, or a 32-bit one under WOW64) it is the
// 64-bit view, and on 32-bit Windows the only view there is.

namespace pvn {

enum class RegistryView { Bits64, Bits32 };

constexpr RegistryView chooseRegistryView(bool is64BitProcess, bool underWow64) {
    return (is64BitProcess || underWow64) ? RegistryView::Bits64 : RegistryView::Bits32;
}

} // namespace pvn
