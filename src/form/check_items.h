#pragma once

// Screen readers say "checked" for a checked menu item, but can only say "not checked" when
// they are told that the item can be checked, which the toolkit's bridge before Qt 6.8 does not
// pass on. With those, this has every checkable menu item say it in its name; later versions
// tell screen readers themselves.
void SayWhetherMenuItemsAreChecked();
