#pragma once

#include <QObject>
#include <QTimer>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class TMainForm;

// The main window's find box with its search timer, and the category list the
// left pane shows while a filter is on. Typing and ticking go to the
// presenter; the list is filled from it. The window places both widgets.
class TFindFilter : public QObject {
public:
    TFindFilter(TMainForm& form, QObject* parent);

    QLineEdit* FindEdit() const { return FFindEdit; }
    QListWidget* FilterList() const { return FFilterList; }

    // The category list as the presenter holds it.
    void FillFilterList();
    // The presenter's category names, changed in place: the list keeps its
    // scroll place and its checks.
    void RenameCategories();

private:
    void FindTextEdited(const QString& text);
    void FindTimerFired();
    void SyncFindTimer(bool restart);
    void FilterItemChanged(QListWidgetItem* item);

    TMainForm& FForm;
    QLineEdit* FFindEdit;
    QListWidget* FFilterList;
    QTimer FSearchTime;
    bool FFilling = false;
};
