#pragma once

#include <QString>

class QWidget;

// The folder of the help topics: share/merrowin/help of an install, "help"
// beside the executable, or the source tree's resources/help in a build tree.
QString HelpFolder();
// The page shown for a help context number (resources/help/<n>.html); 0, or
// a number without a page of its own, gives the contents (index.html).
QString HelpTopicFile(int context);
// Shows the help topic of a help context number in the help window.
void ShowHelpTopic(int context, QWidget* parent = nullptr);
