// The pictograms of the application's own toolbar commands (transfer, run/stop, simulation,
// connect, zoom) and of the diagram menu's Delete; the class library's commands bring theirs
// with the toolbar.
#pragma once

void RegisterToolBarIcons();
