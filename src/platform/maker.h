#pragma once

// Who makes the program, as the About window names it. The one place these texts are written.
// The address lies under a domain reserved for examples, so it never reaches a real company.
namespace Maker {
// Shown as the link's caption: no scheme.
inline constexpr char WebAddressShort[] = "plivaro.example";
// Opened by the link and shown as its tooltip.
inline constexpr char WebAddress[] = "https://plivaro.example/";
inline constexpr char Notice[] = "\u00a9 2026 Plivaro Learning. All rights reserved.";
} // namespace Maker
