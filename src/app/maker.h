#pragma once

#include "app/app_info.h"

// Who makes the program, as the About window names it. The web address is the project's
// homepage, written once in the top-level CMakeLists.txt; the package and the metainfo give
// the same. It lies under a domain reserved for examples, so it never reaches a real company.
namespace Maker {
// Shown as the link's caption: no scheme.
inline constexpr const auto &WebAddressShort = AppInfo::HomePageHost;
// Opened by the link and shown as its tooltip.
inline constexpr const auto &WebAddress = AppInfo::HomePage;
inline constexpr char Notice[] = "\u00a9 2026 Plivaro Learning. All rights reserved.";
} // namespace Maker
