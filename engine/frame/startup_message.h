// The message box that start-up failures are shown with, replaceable so tests can observe it
// without a display.
#pragma once

#include <string>

using MESSAGE_BOX_FN = void (*)(const std::string& caption, const std::string& text);

// platform::ShowMessageBox unless a test has put its own here.
extern MESSAGE_BOX_FN g_show_message_box;
