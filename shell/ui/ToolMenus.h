#pragma once

class QMenu;
class TMainForm;

// Builds a Tools menu again: its first keep entries stay, then one entry per
// configured tool, captioned with its description, that starts the tool.
void FillToolsMenu(QMenu* menu, int keep, TMainForm& form);
