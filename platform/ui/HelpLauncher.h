#pragma once

#include <QString>

class QWidget;

// The folder of the help topics: "help" in the program's data folder.
QString HelpFolder();
// The page shown for a help context number (resources/help/<n>.html); 0, or
// a number without a page of its own, gives the contents (index.html).
QString HelpTopicFile(int context);
// Shows the help topic of a help context number in the help window.
void ShowHelpTopic(int context, QWidget* parent = nullptr);
