// The print chooser: offers the captions of the views that can print in the print selection
// dialog and prints the view chosen. Used by the views' print command and by the command sink
// when the host's print command reaches no view.
#pragma once

namespace tarnui {
class Window;
}
class CUiCommandSink;

// Returns how many views printed (0 on Cancel).
int RunPrintChooser(CUiCommandSink& sink, tarnui::Window* owner);
