#pragma once

class QWidget;

// Shows the help topic of a help context number (resources/help/<n>.html) in
// the help window; 0 shows the contents.
void ShowHelpTopic(int context, QWidget* parent = nullptr);
