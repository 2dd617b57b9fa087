#pragma once

// Registers the view of the vCard import question (TVCImportDlg) with the Qt
// view factory.
void RegisterVCImportView();
