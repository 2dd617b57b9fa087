#pragma once

class QDialog;
class QWidget;

inline constexpr const char* kAboutProgramName = "Merrowin";
inline constexpr const char* kAboutVersionText = "Version 1.1 (May 1997)";

// Builds the about box (program icon, name, version, OK); the caller owns it.
QDialog* CreateAboutBox(QWidget* parent);
// Help > About: shows the about box modally.
void ShowAboutBox(QWidget* parent);
