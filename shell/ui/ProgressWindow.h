#pragma once

#include <QDialog>

class TProgressForm;
class QLabel;
class QProgressBar;

// The find's progress window "Progress": action line, bar with its
// percentage, result line; shown while the presenter's Visible is set.
class TProgressWindow : public QDialog {
    Q_OBJECT
public:
    TProgressWindow(const TProgressForm& form, QWidget* parent = nullptr);
    // Shows the form's state now (the find runs without returning to the loop).
    void Sync();

private:
    void Centre();

    const TProgressForm& FForm;
    QLabel* FAction;
    QProgressBar* FBar;
    QLabel* FPercent;
    QLabel* FResult;
};
