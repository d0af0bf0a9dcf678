#include "app/app_info.h"

namespace {
AppInfo::VersionNumbers shown;
} // namespace

const AppInfo::VersionNumbers &AppInfo::Numbers() {
    return shown;
}

void AppInfo::SetNumbersForTesting(const VersionNumbers &numbers) {
    shown = numbers;
}
