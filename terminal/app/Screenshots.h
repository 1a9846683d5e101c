// tabulo-host --screenshots: the window and each of the module's dialogs,
// rendered offscreen into PNG files.
#pragma once

#include <string>

namespace host {

class MainWindow;

// Writes host.png, toolbar-settings.png and link-menu.png into dir (made when
// missing); returns the program's exit status.
int TakeScreenshots(MainWindow& window, const std::string& dir);

}  // namespace host
