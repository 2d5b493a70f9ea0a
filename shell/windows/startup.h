#pragma once
// The start of the main window: shown first, activated once it is on the screen.

class MainForm;
class MainWindow;

/// Shows the main window and runs the form's first activation (favorites, start folder) once
/// the window has painted, so that the user sees the window at once and the files one listing
/// later. A window that never paints (started minimised, say) is activated after a second.
void ShowThenActivate(MainWindow& window, MainForm& form);
