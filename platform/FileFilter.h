#pragma once

#include <string>

// The file dialogs take their filters as "Description|*.ext;*.ext2|..."
// (description and patterns alternating, patterns joined by ";"), as the
// record dialogs and wizards write them. Qt's file dialog wants
// "Description (*.ext *.ext2);;...". An empty filter is every file; a
// description without patterns after it matches every file.
std::string QtFileFilter(const std::string& filter);
